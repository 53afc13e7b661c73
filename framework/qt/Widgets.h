#pragma once
// The toolkit widgets behind windows and controls. They only forward to their framework objects, always
// through Guarded, so that no exception reaches Qt.

#include <QLabel>
#include <QMenuBar>
#include <QWidget>
#include <memory>

#include "framework/Window.h"

class Canvas;
class RectControl;
class StaticText;

// The window's content area: its backdrop, and the one input path for presses on canvases and the window.
class ContentWidget : public QWidget {
public:
    ContentWidget(Window& owner, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::shared_ptr<Canvas> CanvasAt(int x, int y) const;

    Window& owner_;
    std::weak_ptr<Canvas> pressedCanvas_;  // the canvas whose MouseDown asked for the MouseUp
    bool pressedWindow_ = false;           // the window's MouseDown asked for the MouseUp
};

class TopLevelWidget : public QWidget {
public:
    explicit TopLevelWidget(Window& owner);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Window& owner_;
};

struct Window::Native {
    explicit Native(Window& owner);
    std::unique_ptr<TopLevelWidget> top;
    ContentWidget* content = nullptr;  // owned by top
    QMenuBar* menuBar = nullptr;       // owned by top, made at the first showing
    int32_t shownFrame = -1;           // the frame whose window flags are applied
};

// The Qt view of a menu model, kept true by the framework before it opens.
QMenuBar* BuildMenuBarView(const MenuBar& model, QWidget& parent);

// Moves a window to the front of the framework's stacking order.
void RuntimeBringToFront(Window& window);
