#include "framework/qt/Widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Menu.h"
#include "framework/Picture.h"
#include "framework/qt/Bridge.h"
#include "framework/qt/Runtime.h"

ContentWidget::ContentWidget(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

void ContentWidget::paintEvent(QPaintEvent* event) {
    if (auto backdrop = owner_.Backdrop()) {
        QPainter painter(this);
        DrawBackdrop(painter, ImageOf(*backdrop), event->region());
    }
}

namespace {
// The topmost shown control of class T at a point of the window that the test accepts.
template <class T, class Test>
std::shared_ptr<T> TopmostAt(const Window& window, int x, int y, Test accepts) {
    const auto& controls = window.Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        auto control = std::dynamic_pointer_cast<T>(*it);
        if (control && control->ShownOnWindow() && control->Contains(x, y) && accepts(*control)) return control;
    }
    return nullptr;
}
}  // namespace

std::shared_ptr<Canvas> ContentWidget::CanvasAt(int x, int y) const {
    return TopmostAt<Canvas>(owner_, x, y, [](const Canvas& canvas) { return canvas.TakesMouse() && canvas.Enabled(); });
}

std::shared_ptr<StaticText> ContentWidget::LabelAt(int x, int y) const {
    return TopmostAt<StaticText>(owner_, x, y, [](const StaticText&) { return true; });
}

void ContentWidget::SetHovered(const std::shared_ptr<StaticText>& label) {
    auto old = hovered_.lock();
    if (old == label) return;
    hovered_ = label;
    Guarded([&] {
        if (old) old->RaiseVoidEvent("MouseExit");
        if (label) label->RaiseVoidEvent("MouseEnter");
    });
}

void ContentWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() == Qt::NoButton) return;  // Qt's own enter and leave serve then
    const QPoint at = event->position().toPoint();
    SetHovered(LabelAt(at.x(), at.y()));
}

void ContentWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    lastPress_ = event->timestamp();
    const QPoint at = event->position().toPoint();
    pressedCanvas_.reset();
    pressedWindow_ = false;
    Guarded([&] {
        if (auto canvas = CanvasAt(at.x(), at.y())) {
            auto wants = canvas->RaiseEvent<bool, int32_t, int32_t>("MouseDown", at.x() - canvas->Left(),
                                                                    at.y() - canvas->Top());
            if (wants.value_or(false)) pressedCanvas_ = canvas;
        } else {
            pressedWindow_ = owner_.Event_MouseDown(at.x(), at.y());
        }
    });
}

void ContentWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt sends a double-click's second press as this. When the first went to another window, one that the first
    // click hid (the splash), the second is no click on this one: nothing is played before the board is seen.
    const auto interval = static_cast<ulong>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (event->timestamp() - lastPress_ > interval) {
        event->accept();
        return;
    }
    mousePressEvent(event);
}

void ContentWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    SetHovered(LabelAt(at.x(), at.y()));  // the release decides, at the place it happens
    auto canvas = pressedCanvas_.lock();
    const bool window = pressedWindow_;
    pressedCanvas_.reset();
    pressedWindow_ = false;
    Guarded([&] {
        if (canvas)
            canvas->RaiseVoidEvent<int32_t, int32_t>("MouseUp", at.x() - canvas->Left(), at.y() - canvas->Top());
        else if (window)
            owner_.Event_MouseUp(at.x(), at.y());
    });
}

TopLevelWidget::TopLevelWidget(Window& owner) : QWidget(nullptr), owner_(owner) {}

bool TopLevelWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Guarded([&] { RuntimeBringToFront(owner_); });
    return QWidget::event(event);
}

void TopLevelWidget::closeEvent(QCloseEvent* event) {
    event->ignore();  // the framework hides and releases the window itself
    if (owner_.CloseButton() && owner_.Frame() != 5) Guarded([&] { owner_.Close(); });
}

void TopLevelWidget::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    if ((enter || escape) && event->modifiers() == Qt::NoModifier) {
        for (const auto& control : owner_.Controls()) {
            auto button = std::dynamic_pointer_cast<PushButton>(control);
            if (button && button->ShownOnWindow() && button->Enabled() &&
                ((enter && button->Default()) || (escape && button->Cancel()))) {
                Guarded([&] { button->Push(); });
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

namespace {
QString ShortcutDisplay(const std::string& shortcut) {
    QString text = QString::fromStdString(shortcut);
    if (text.startsWith("Cmd+", Qt::CaseInsensitive)) text = "Ctrl+" + text.mid(4);
    return QKeySequence::fromString(text).toString(QKeySequence::NativeText);
}

void AddEntries(QMenu& menu, const MenuItem& model) {
    for (int32_t i = 0; i < model.Count(); ++i) {
        auto item = model.Item(i);
        if (item->IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        // The shortcut is only shown here: the framework takes the key itself, so that it obeys the menu state.
        QString text = QString::fromStdString(item->Text());
        if (!item->KeyboardShortcut().empty()) text += "\t" + ShortcutDisplay(item->KeyboardShortcut());
        QAction* action = menu.addAction(text);
        std::weak_ptr<MenuItem> weak = item;
        QObject::connect(action, &QAction::triggered, action, [weak] {
            Guarded([&] {
                if (auto chosen = weak.lock()) RuntimeChooseMenuItem(*chosen);
            });
        });
        QObject::connect(&menu, &QMenu::aboutToShow, action, [weak, action] {
            Guarded([&] {
                auto entry = weak.lock();
                if (!entry) return;
                action->setEnabled(RuntimeMenuItemActive(*entry));
                action->setCheckable(entry->Checked());
                action->setChecked(entry->Checked());
            });
        });
    }
}
}  // namespace

QMenuBar* BuildMenuBarView(const MenuBar& model, QWidget& parent) {
    auto* bar = new QMenuBar(&parent);  // in the window: the application never uses a native menu bar
    for (int32_t i = 0; i < model.Count(); ++i) {
        auto title = model.Item(i);
        QMenu* menu = bar->addMenu(QString::fromStdString(title->Text()));
        // Before the entries sync themselves, the frontmost window says what is enabled and checked.
        QObject::connect(menu, &QMenu::aboutToShow, menu, [] { Guarded([] { RuntimeUpdateMenus(); }); });
        AddEntries(*menu, *title);
    }
    return bar;
}

namespace {
// Takes Ctrl-key presses as menu shortcuts before any widget sees them.
class ShortcutFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers != Qt::ControlModifier || key->isAutoRepeat()) return false;
        QString name;
        if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) name = QChar('0' + (key->key() - Qt::Key_0));
        if (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) name = QChar('A' + (key->key() - Qt::Key_A));
        if (name.isEmpty()) return false;
        bool taken = false;
        Guarded([&] { taken = RuntimeDispatchShortcut("Cmd+" + name.toStdString()); });
        return taken;
    }
};
}  // namespace

void InstallShortcutFilter(QApplication& application) {
    application.installEventFilter(new ShortcutFilter(&application));
}
