// The floor: a bare 256 by 256 window whose click opens a 454 by 215 window with a menu bar, where each
// click repaints one 80 by 80 square. What Quillomar does at each step, with nothing more.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>

namespace {
class Board : public QWidget {
protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        dark_ = !dark_;
        update(46, 82, 80, 80);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::darkGreen);
        painter.fillRect(46, 82, 80, 80, dark_ ? Qt::black : Qt::white);
    }

private:
    bool dark_ = false;
};

class Splash : public QWidget {
protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        auto* game = new QMainWindow;
        // The game's own menus and shortcuts, so that both windows carry the same.
        const char* entries[][3] = {{"File", "New Game", "Ctrl+N"},
                                    {"File", "-", ""},
                                    {"File", "Quit", "Ctrl+Q"},
                                    {"Options", "Switch Turns", "Ctrl+T"},
                                    {"Options", "-", ""},
                                    {"Options", "Human Vs Human", "Ctrl+2"},
                                    {"Options", "Human Vs Computer", "Ctrl+1"},
                                    {"Options", "-", ""},
                                    {"Options", "Shapes", "Ctrl+S"},
                                    {"Options", "About Quillomar", "Ctrl+A"}};
        QMenu* menu = nullptr;
        for (const auto& [title, text, shortcut] : entries) {
            if (!menu || menu->title() != title) menu = game->menuBar()->addMenu(title);
            if (text[0] == '-')
                menu->addSeparator();
            else
                menu->addAction(text)->setShortcut(QKeySequence(shortcut));
        }
        game->setCentralWidget(new Board);
        game->centralWidget()->setFixedSize(454, 215);
        game->show();
        hide();
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Splash splash;
    splash.setWindowFlags(Qt::FramelessWindowHint);
    splash.resize(256, 256);
    splash.show();
    return app.exec();
}
