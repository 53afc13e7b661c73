#pragma once
// Controls: rectangles on a window, with properties set from layouts and events bound to window methods.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Delegate.h"
#include "framework/Object.h"

class Picture;
class QWidget;
class Window;

class Control : public Object {
public:
    // The Index of a control outside any control array.
    static constexpr int32_t kNoIndex = INT32_MIN;

    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int32_t Index() const { return index_; }
    void SetIndex(int32_t index) { index_ = index; }
    // The window the control belongs to; nil once that window is gone.
    std::shared_ptr<::Window> Window() const { return window_.lock(); }

private:
    friend class ::Window;
    std::string name_;
    int32_t index_ = kNoIndex;
    std::weak_ptr<::Window> window_;
};

class RectControl : public Control {
public:
    RectControl();
    ~RectControl() override;
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    // Makes the control's widget on its window; run once, after Window::New.
    virtual void Constructor();

    // Window coordinates, also for controls on a tab panel's page.
    int32_t Left() const { return left_; }
    void SetLeft(int32_t value);
    int32_t Top() const { return top_; }
    void SetTop(int32_t value);
    int32_t Width() const { return width_; }
    void SetWidth(int32_t value);
    int32_t Height() const { return height_; }
    void SetHeight(int32_t value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // The page of a tab panel the control stands on, counted from 1; 0 on the window itself.
    int32_t TabPanelIndex() const { return tabPanelIndex_; }
    void SetTabPanelIndex(int32_t value);
    // The tab panel holding the control's page, by name.
    const std::string& InitialParent() const { return initialParent_; }
    void SetInitialParent(const std::string& name);
    int32_t TabIndex() const { return tabIndex_; }
    void SetTabIndex(int32_t value) { tabIndex_ = value; }
    const std::string& HelpTag() const { return helpTag_; }
    void SetHelpTag(const std::string& text);

    // Asks for a repaint; it happens on a later pass of the event loop.
    void Refresh(bool eraseBackground = true);
    int32_t RefreshRequests() const { return refreshRequests_; }

    // Shown now: its own Visible, its page showing, its window's content.
    bool ShownOnWindow() const;
    bool Contains(int32_t windowX, int32_t windowY) const;
    bool HandlesEvent(const std::string& eventName) const { return HandlerFor(eventName) != nullptr; }

    // Raises a bound event with the control known to the handler; nothing when none is bound.
    template <class R, class... A> std::optional<R> RaiseEvent(const std::string& eventName, A... args);
    template <class... A> void RaiseVoidEvent(const std::string& eventName, A... args);

    // Framework internals.
    QWidget* Widget() const { return widget_; }

protected:
    virtual QWidget* CreateWidget(QWidget& parent) = 0;
    // Brings a new widget up to the properties set so far.
    virtual void SyncWidget() {}
    void ApplyGeometry();

private:
    friend class ::Window;  // a window takes its controls' widgets with it when it goes
    friend void InstallInstanceEventHandler(RectControl&, const std::string&, std::shared_ptr<Delegate>);
    struct FiringScope;
    std::shared_ptr<Delegate> HandlerFor(const std::string& eventName) const {
        auto found = handlers_.find(eventName);
        return found == handlers_.end() ? nullptr : found->second;
    }

    QWidget* widget_ = nullptr;
    int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true, enabled_ = true;
    int32_t tabPanelIndex_ = 0, tabIndex_ = 0;
    std::string initialParent_, helpTag_;
    int32_t refreshRequests_ = 0;
    std::map<std::string, std::shared_ptr<Delegate>> handlers_;
};

// The handler's view of the firing control, kept for the length of one event.
struct RectControl::FiringScope {
    explicit FiringScope(RectControl& control);
    ~FiringScope();
};

template <class R, class... A> std::optional<R> RectControl::RaiseEvent(const std::string& eventName, A... args) {
    auto handler = HandlerFor(eventName);  // held: the handler may rebind while it runs
    if (!handler) return std::nullopt;
    FiringScope scope(*this);
    return handler->Invoke<R, A...>(args...);
}

template <class... A> void RectControl::RaiseVoidEvent(const std::string& eventName, A... args) {
    auto handler = HandlerFor(eventName);
    if (!handler) return;
    FiringScope scope(*this);
    handler->Invoke<void, A...>(args...);
}

// Font settings shared by the controls that show text.
struct TextStyle {
    std::string font = "System";
    int32_t size = 0;  // 0: the platform's size
    int32_t unit = 0;
    bool bold = false, italic = false, underline = false;
};

class TextControl : public RectControl {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    const TextStyle& Style() const { return style_; }
    void SetTextFont(const std::string& font);
    void SetTextSize(int32_t size);
    void SetTextUnit(int32_t unit);
    void SetBold(bool value);
    void SetItalic(bool value);
    void SetUnderline(bool value);

protected:
    void ApplyStyle();
    void SyncWidget() override { ApplyStyle(); }

private:
    TextStyle style_;
};

// A surface that the window's Paint handler draws on, over an optional backdrop picture.
// Events: Paint "( Graphics )", MouseDown "( Int32, Int32 ) as Boolean", MouseUp "( Int32, Int32 )".
class Canvas : public RectControl {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    void SetBackdrop(std::shared_ptr<Picture> picture);
    // A canvas that binds no mouse event lets presses through to whatever lies under it.
    bool TakesMouse() const { return HandlesEvent("MouseDown") || HandlesEvent("MouseUp"); }

protected:
    QWidget* CreateWidget(QWidget& parent) override;

private:
    std::shared_ptr<Picture> backdrop_;
};

// Event: Action "(  )".
class PushButton : public TextControl {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The default button answers Return, the cancel button Escape.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // Presses the button as a click does.
    void Push();

protected:
    QWidget* CreateWidget(QWidget& parent) override;

private:
    std::string caption_;
    bool default_ = false, cancel_ = false;
};

// A label. Presses on it go to its window. Events: MouseEnter "(  )", MouseExit "(  )".
class StaticText : public TextControl {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& text) { SetText(text); }
    // 0 left, 1 centred, 2 right.
    int32_t TextAlign() const { return align_; }
    void SetTextAlign(int32_t align);
    Color TextColor() const { return color_; }
    void SetTextColor(Color color);
    void SetMultiline(bool value);

protected:
    QWidget* CreateWidget(QWidget& parent) override;
    void SyncWidget() override;

private:
    void Apply();
    std::string text_;
    int32_t align_ = 0;
    Color color_;
    bool multiline_ = false;
};

// Pages named by TabDefinition, split on carriage return or NUL. Controls stand on a page by TabPanelIndex.
class TabPanel : public TextControl {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    const std::vector<std::string>& Pages() const { return pages_; }
    void SetTabDefinition(const std::string& definition);
    // The page showing, counted from 0.
    int32_t Value() const { return value_; }
    void SetValue(int32_t page);

protected:
    QWidget* CreateWidget(QWidget& parent) override;
    void SyncWidget() override;

private:
    std::vector<std::string> pages_;
    int32_t value_ = 0;
};

// Multi-line text; read-only when ReadOnly is set.
class TextArea : public TextControl {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    void SetTextColor(Color color);
    void SetBackColor(Color color);
    void SetBorder(bool value);
    void SetScrollbarHorizontal(bool value);
    void SetScrollbarVertical(bool value);

protected:
    QWidget* CreateWidget(QWidget& parent) override;
    void SyncWidget() override;

private:
    void Apply();
    std::string text_;
    bool readOnly_ = false, border_ = true;
    bool scrollbarHorizontal_ = true, scrollbarVertical_ = true;
    Color textColor_;
    Color backColor_{255, 255, 255};
};
