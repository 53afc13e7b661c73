#pragma once
// The toolkit widgets behind windows and controls. They only forward to their framework objects, always
// through Guarded, so that no exception reaches Qt.

#include <QMenuBar>
#include <QWidget>
#include <memory>

#include "framework/Window.h"

class Canvas;
class StaticText;

// The window's content area: its backdrop, and the one input path for presses on canvases and the window.
class ContentWidget : public QWidget {
public:
    ContentWidget(Window& owner, QWidget* parent);
    // The label under the pointer, or nil: raises MouseExit on the one left and MouseEnter on the one entered.
    void SetHovered(const std::shared_ptr<StaticText>& label);
    std::shared_ptr<StaticText> Hovered() const { return hovered_.lock(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // While a button is held Qt sends no enter or leave; the moves that reach the content keep the hover true.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::shared_ptr<Canvas> CanvasAt(int x, int y) const;
    std::shared_ptr<StaticText> LabelAt(int x, int y) const;
    std::weak_ptr<StaticText> hovered_;

    Window& owner_;
    std::weak_ptr<Canvas> pressedCanvas_;  // the canvas whose MouseDown asked for the MouseUp
    bool pressedWindow_ = false;           // the window's MouseDown asked for the MouseUp
    ulong lastPress_ = 0;                  // the event time of the last left press taken here
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
