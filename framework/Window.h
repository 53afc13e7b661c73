#pragma once
// Windows: one shared instance per window class, built from layouts given as data.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Object.h"

class Delegate;
class MenuBar;
class Picture;
class RectControl;

class Window : public Object {
public:
    Window();
    ~Window() override;
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    // Builds the window: Layout, CreateControls, AddMenuHandlers, then the Open event; then shows it when its
    // Visible property says so. Registers it as the live shared instance of its class.
    void Constructor();

    // Construction steps and events that window classes replace.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& window) { (void)window; }
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_EnableMenuItems() {}
    // Returning True asks for the MouseUp of this press.
    virtual bool Event_MouseDown(int32_t x, int32_t y) {
        (void)x, (void)y;
        return false;
    }
    virtual void Event_MouseUp(int32_t x, int32_t y) { (void)x, (void)y; }

    // Shows and brings to the front; never waits for the user.
    void Show();
    // Hides; the window and its state stay.
    void Hide();
    // Closes as the close box does: the Close event, then the window leaves the framework's lists.
    void Close();
    // Asks for a repaint of the whole window; it happens on a later pass of the event loop.
    void Refresh(bool eraseBackground = true);
    int32_t RefreshRequests() const { return refreshRequests_; }

    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    void SetBackdrop(std::shared_ptr<Picture> picture);
    // The window's own menu bar, or the application's when it has none.
    std::shared_ptr<::MenuBar> MenuBar() const;
    void SetMenuBar(std::shared_ptr<::MenuBar> bar) { menuBar_ = std::move(bar); }

    // Position and size of the content area, in screen pixels.
    int32_t Left() const { return left_; }
    void SetLeft(int32_t value);
    int32_t Top() const { return top_; }
    void SetTop(int32_t value);
    int32_t Width() const { return width_; }
    void SetWidth(int32_t value);
    int32_t Height() const { return height_; }
    void SetHeight(int32_t value);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    bool Visible() const;
    void SetVisible(bool visible);
    // 0 a document window, 1 a dialog modal to the application (shown without blocking), 5 a plain box.
    int32_t Frame() const { return frame_; }
    void SetFrame(int32_t frame) { frame_ = frame; }
    bool CloseButton() const { return closeButton_; }
    void SetCloseButton(bool value) { closeButton_ = value; }
    bool MenuBarVisible() const { return menuBarVisible_; }
    void SetMenuBarVisible(bool value) { menuBarVisible_ = value; }
    bool IsClosed() const { return closed_; }

    // Window.__New: a control of class T that belongs to this window (not yet registered).
    template <class T> std::shared_ptr<T> New() {
        auto control = std::make_shared<T>();
        Adopt(*control);
        return control;
    }
    // Registers a control under its name; later controls lie over earlier ones.
    void AddControl(const std::string& name, std::shared_ptr<RectControl> control);
    const std::vector<std::shared_ptr<RectControl>>& Controls() const { return controls_; }

    // Binds a menu entry, by name, to a handler of signature "(  ) as Boolean".
    void AddMenuHandler(const std::string& itemName, std::shared_ptr<Delegate> handler);
    bool HandlesMenuItem(const std::string& itemName) const;
    // Runs the bound handler; false when there is none.
    bool RunMenuHandler(const std::string& itemName);

    // Framework internals: the toolkit's widgets and the routing of input.
    struct Native;
    Native& Widgets() const { return *native_; }
    void UpdateControlVisibility();

private:
    void Adopt(RectControl& control);
    void ApplyGeometry();

    std::unique_ptr<Native> native_;
    std::vector<std::shared_ptr<RectControl>> controls_;
    std::map<std::string, std::shared_ptr<Delegate>> menuHandlers_;
    std::shared_ptr<Picture> backdrop_;
    std::shared_ptr<::MenuBar> menuBar_;
    int32_t left_ = 0, top_ = 0, width_ = 100, height_ = 100;
    bool placed_ = false;
    std::string title_;
    bool visible_ = false;
    bool constructing_ = false;
    bool closed_ = false;
    int32_t frame_ = 0;
    bool closeButton_ = true;
    bool menuBarVisible_ = true;
    int32_t refreshRequests_ = 0;
};

// What sets one fixed-size window apart from another; WindowRecord gives its whole property record, with the
// values every window of this program shares (not resizable, no minimise or maximise box, menu bar shown).
struct WindowLayout {
    int32_t width = 0, height = 0;
    int32_t frame = 0;  // 0 a document window, 1 a dialog, 5 a plain box
    Color backColor{0xFF, 0xFF, 0xFF};
    std::string title;
    bool visible = true;
    bool closeButton = false;
};
PropertyRecord WindowRecord(const WindowLayout& layout);

// The live shared instance of the window class with that full name ("Dialog1.Dialog1"), or nil.
std::shared_ptr<Window> GetImplicitWindow(const std::string& fullClassName);

// The accessor of a window class's shared instance: the live one, or a new one built by Window::Constructor.
template <class T> std::shared_ptr<T> ImplicitWindow() {
    if (auto live = GetImplicitWindow(T::Lookup().Name())) return Cast<T>(live);
    auto window = RuntimeNewObject<T>();
    window->Constructor();
    return window;
}

// The visible windows, frontmost first.
std::vector<std::shared_ptr<Window>> RuntimeWindowsFrontToBack();
std::shared_ptr<Window> RuntimeFrontmostWindow();

// The window's control of that name (the first one registered), or nil.
std::shared_ptr<RectControl> RuntimeWindowControlByName(const Window& window, const std::string& name);
// The window's control of that name and Index, or nil.
std::shared_ptr<RectControl> RuntimeWindowControlByNameIndex(const Window& window, const std::string& name,
                                                             int32_t index);
