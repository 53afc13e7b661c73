#include "framework/Window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/Menu.h"
#include "framework/Picture.h"
#include "framework/qt/Bridge.h"
#include "framework/qt/Widgets.h"

namespace {
struct WindowLists {
    std::vector<std::shared_ptr<Window>> open;                    // every built window until it closes
    std::map<std::string, std::weak_ptr<Window>> implicit;        // the shared instance of each class
    std::vector<std::weak_ptr<Window>> stacking;                  // front first
    std::vector<std::shared_ptr<Window>> closed;                  // released on the next pass of the loop
};

WindowLists& Lists() {
    // Never destroyed: when Qt ends the process from inside the event loop (its display gone), windows left
    // here must not take their widgets down among the statics, after Qt's own are gone.
    static auto* lists = new WindowLists;
    return *lists;
}

void Forget(const Window& window) {
    auto& lists = Lists();
    std::erase_if(lists.stacking, [&](const auto& entry) { return entry.lock().get() == &window; });
    std::erase_if(lists.implicit, [&](const auto& entry) { return entry.second.lock().get() == &window; });
    auto found = std::find_if(lists.open.begin(), lists.open.end(), [&](const auto& entry) { return entry.get() == &window; });
    if (found != lists.open.end()) {
        lists.closed.push_back(*found);  // not destroyed here: we may be inside one of its own events
        lists.open.erase(found);
        QTimer::singleShot(0, [] { Lists().closed.clear(); });
    }
}

void ApplyFrame(QWidget& top, int32_t frame, bool closeButton) {
    Qt::WindowFlags flags;
    switch (frame) {
    case 1:  // a dialog: modal to the application, shown without blocking
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        top.setWindowModality(Qt::ApplicationModal);
        break;
    case 5:  // a plain box
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    default:  // a document window
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        break;
    }
    if (closeButton && frame != 5) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    top.setWindowFlags(flags);
}
}  // namespace

const ClassInfo& Window::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(
        ClassInfo("Window", &Object::Lookup())
            .Int<Window>("Left", &Window::SetLeft)
            .Int<Window>("Top", &Window::SetTop)
            .Int<Window>("Width", &Window::SetWidth)
            .Int<Window>("Height", &Window::SetHeight)
            .Text<Window>("Title", &Window::SetTitle)
            .Bool<Window>("Visible", &Window::SetVisible)
            .Int<Window>("Frame", &Window::SetFrame)
            .Bool<Window>("CloseButton", &Window::SetCloseButton)
            .Bool<Window>("MenuBarVisible", &Window::SetMenuBarVisible)
            // Windows here are always of fixed size and placed by the program: these change nothing.
            .Accepted("Placement", PropertyType::Int32)
            .Accepted("MinWidth", PropertyType::Int32)
            .Accepted("MinHeight", PropertyType::Int32)
            .Accepted("MaxWidth", PropertyType::Int32)
            .Accepted("MaxHeight", PropertyType::Int32)
            .Accepted("Composite", PropertyType::Boolean)
            .Accepted("HasBackColor", PropertyType::Boolean)
            .Accepted("BackColor", PropertyType::Color)
            .Accepted("FullScreen", PropertyType::Boolean)
            .Accepted("Resizeable", PropertyType::Boolean)
            .Accepted("LiveResize", PropertyType::Boolean)
            .Accepted("MaximizeButton", PropertyType::Boolean)
            .Accepted("MinimizeButton", PropertyType::Boolean)
            .Accepted("MacProcID", PropertyType::Int32));
    return record;
}

Window::Window() : native_(std::make_unique<Native>(*this)) { native_->content->setFixedSize(width_, height_); }

Window::~Window() {
    // A control may outlive its window (a handler may keep it): its widget goes with the window's widgets,
    // and the control carries on without one.
    for (const auto& control : controls_) {
        delete control->widget_;
        control->widget_ = nullptr;
    }
    controls_.clear();
    native_.reset();
}

Window::Native::Native(Window& owner) : top(std::make_unique<TopLevelWidget>(owner)) {
    auto* layout = new QVBoxLayout(top.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    content = new ContentWidget(owner, top.get());
    // Hidden until the window is first on screen (see Show), keeping its place in the layout meanwhile.
    QSizePolicy policy = content->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    content->setSizePolicy(policy);
    content->hide();
    layout->addWidget(content);
}

void Window::Constructor() {
    auto self = std::static_pointer_cast<Window>(shared_from_this());
    auto& lists = Lists();
    lists.open.push_back(self);
    lists.implicit[ClassRecord().Name()] = self;
    lists.stacking.push_back(self);
    constructing_ = true;
    try {
        Layout();
        CreateControls();
        AddMenuHandlers(*this);
        Event_Open();
    } catch (...) {
        constructing_ = false;
        closed_ = true;
        Forget(*this);
        throw;
    }
    constructing_ = false;
    if (visible_) Show();
}

void Window::Show() {
    if (closed_) return;
    visible_ = true;
    if (constructing_) return;  // shown once it is built
    auto& top = *native_->top;
    if (native_->shownFrame != frame_) {
        ApplyFrame(top, frame_, closeButton_);
        native_->shownFrame = frame_;
    }
    if (!native_->menuBar && frame_ == 0 && menuBarVisible_) {
        if (auto bar = MenuBar()) {
            native_->menuBar = BuildMenuBarView(*bar, top);
            static_cast<QVBoxLayout*>(top.layout())->insertWidget(0, native_->menuBar);
        }
    }
    if (!placed_) {
        const int chrome = native_->menuBar ? native_->menuBar->sizeHint().height() : 0;
        // No position of its own: centred over the window in front, else across the screen, a third down.
        QRect area = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
        if (auto front = RuntimeFrontmostWindow(); front && front.get() != this)
            area = QRect(front->Left(), front->Top(), front->Width(), front->Height());
        left_ = area.x() + (area.width() - width_) / 2;
        top_ = std::max(area.y() + chrome, area.y() + (area.height() - height_) / 3);
        placed_ = true;
    }
    top.setWindowTitle(QString::fromStdString(title_));
    ApplyGeometry();
    top.show();
    // Only now the content and its controls: Qt tells the accessibility bus of each widget shown, and its first
    // message waits on the session bus for milliseconds, which the window need not wait for to appear.
    native_->content->show();
    top.raise();
    top.activateWindow();
    RuntimeBringToFront(*this);
}

void Window::Hide() {
    visible_ = false;
    native_->top->hide();
}

void Window::Close() {
    if (closed_) return;
    Event_Close();
    closed_ = true;
    visible_ = false;
    native_->top->hide();
    Forget(*this);
}

void Window::Refresh(bool) {
    ++refreshRequests_;
    native_->content->update();
}

void Window::SetBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    native_->content->update();
}

std::shared_ptr<::MenuBar> Window::MenuBar() const {
    if (menuBar_) return menuBar_;
    auto app = GetAppObject();
    return app ? app->MenuBar() : nullptr;
}

void Window::ApplyGeometry() {
    // Left and Top place the content area; a menu bar shown in the window is chrome above it.
    const int chrome = native_->menuBar ? native_->menuBar->sizeHint().height() : 0;
    native_->top->setGeometry(left_, top_ - chrome, width_, height_ + chrome);
}

void Window::SetLeft(int32_t value) {
    left_ = value;
    placed_ = true;
    if (native_->top->isVisible()) ApplyGeometry();
}

void Window::SetTop(int32_t value) {
    top_ = value;
    placed_ = true;
    if (native_->top->isVisible()) ApplyGeometry();
}

void Window::SetWidth(int32_t value) {
    width_ = std::max(value, 1);
    native_->content->setFixedSize(width_, height_);
}

void Window::SetHeight(int32_t value) {
    height_ = std::max(value, 1);
    native_->content->setFixedSize(width_, height_);
}

void Window::SetTitle(const std::string& title) {
    title_ = title;
    native_->top->setWindowTitle(QString::fromStdString(title));
}

bool Window::Visible() const { return visible_ && !closed_; }

void Window::SetVisible(bool visible) {
    if (visible)
        Show();
    else
        Hide();
}

void Window::Adopt(RectControl& control) { control.window_ = std::static_pointer_cast<Window>(shared_from_this()); }

void Window::AddControl(const std::string& name, std::shared_ptr<RectControl> control) {
    NotNil(control).SetName(name);
    Adopt(*control);
    controls_.push_back(control);
    if (QWidget* widget = control->Widget()) widget->raise();
    UpdateControlVisibility();
}

void Window::UpdateControlVisibility() {
    for (const auto& control : controls_)
        if (QWidget* widget = control->Widget()) widget->setVisible(control->ShownOnWindow());
}

void Window::AddMenuHandler(const std::string& itemName, std::shared_ptr<Delegate> handler) {
    const std::string expected = SignatureText<bool>();
    if (NotNil(handler).Signature() != expected)
        throw UnsupportedOperationException("the menu handler for " + itemName + " must be of " + expected + ", not " +
                                            handler->Signature());
    menuHandlers_[itemName] = std::move(handler);
}

bool Window::HandlesMenuItem(const std::string& itemName) const { return menuHandlers_.count(itemName) != 0; }

bool Window::RunMenuHandler(const std::string& itemName) {
    auto found = menuHandlers_.find(itemName);
    if (found == menuHandlers_.end()) return false;
    auto handler = found->second;
    handler->Invoke<bool>();
    return true;
}

PropertyRecord WindowRecord(const WindowLayout& layout) {
    return {
        {"Placement", 0},
        {"Width", layout.width},
        {"Height", layout.height},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", layout.frame},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", layout.backColor},
        {"Title", layout.title},
        {"Visible", layout.visible},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", layout.closeButton},
        {"Resizeable", false},
        {"LiveResize", false},
        {"MaximizeButton", false},
        {"MinimizeButton", false},
        {"MacProcID", 0},
    };
}

std::shared_ptr<Window> GetImplicitWindow(const std::string& fullClassName) {
    auto& implicit = Lists().implicit;
    auto found = implicit.find(fullClassName);
    if (found == implicit.end()) return nullptr;
    auto window = found->second.lock();
    return window && !window->IsClosed() ? window : nullptr;
}

void RuntimeBringToFront(Window& window) {
    auto& stacking = Lists().stacking;
    std::erase_if(stacking, [&](const auto& other) { return other.lock().get() == &window; });
    stacking.insert(stacking.begin(), std::static_pointer_cast<Window>(window.shared_from_this()));
}

std::vector<std::shared_ptr<Window>> RuntimeWindowsFrontToBack() {
    std::vector<std::shared_ptr<Window>> windows;
    for (const auto& entry : Lists().stacking)
        if (auto window = entry.lock(); window && window->Visible()) windows.push_back(window);
    return windows;
}

std::shared_ptr<Window> RuntimeFrontmostWindow() {
    auto windows = RuntimeWindowsFrontToBack();
    return windows.empty() ? nullptr : windows.front();
}

void RuntimeReleaseModuleObjects() {
    auto& lists = Lists();
    lists.implicit.clear();
    lists.stacking.clear();
    auto open = std::move(lists.open);
    auto closed = std::move(lists.closed);
    for (auto& window : open) window->Hide();
    open.clear();
    closed.clear();
}

std::shared_ptr<RectControl> RuntimeWindowControlByName(const Window& window, const std::string& name) {
    for (const auto& control : window.Controls())
        if (control->Name() == name) return control;
    return nullptr;
}

std::shared_ptr<RectControl> RuntimeWindowControlByNameIndex(const Window& window, const std::string& name,
                                                             int32_t index) {
    for (const auto& control : window.Controls())
        if (control->Name() == name && control->Index() == index) return control;
    return nullptr;
}

QWidget* ContentOf(const Window& window) { return window.Widgets().content; }
QWidget* TopLevelOf(const Window& window) { return window.Widgets().top.get(); }
