#include "framework/Controls.h"

#include <QWidget>

#include "framework/Window.h"
#include "framework/qt/Bridge.h"

const ClassInfo& Control::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("Control", &Object::Lookup())
                                                                 .Text<Control>("Name", &Control::SetName)
                                                                 .Int<Control>("Index", &Control::SetIndex));
    return record;
}

const ClassInfo& RectControl::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(
        ClassInfo("RectControl", &Control::Lookup())
            .Int<RectControl>("Left", &RectControl::SetLeft)
            .Int<RectControl>("Top", &RectControl::SetTop)
            .Int<RectControl>("Width", &RectControl::SetWidth)
            .Int<RectControl>("Height", &RectControl::SetHeight)
            .Bool<RectControl>("Visible", &RectControl::SetVisible)
            .Bool<RectControl>("Enabled", &RectControl::SetEnabled)
            .Int<RectControl>("TabPanelIndex", &RectControl::SetTabPanelIndex)
            .Text<RectControl>("InitialParent", &RectControl::SetInitialParent)
            .Int<RectControl>("TabIndex", &RectControl::SetTabIndex)
            .Text<RectControl>("HelpTag", &RectControl::SetHelpTag)
            // Windows never resize here and focus follows the platform: these change nothing.
            .Accepted("LockLeft", PropertyType::Boolean)
            .Accepted("LockTop", PropertyType::Boolean)
            .Accepted("LockRight", PropertyType::Boolean)
            .Accepted("LockBottom", PropertyType::Boolean)
            .Accepted("TabStop", PropertyType::Boolean)
            .Accepted("AutoDeactivate", PropertyType::Boolean)
            .Accepted("UseFocusRing", PropertyType::Boolean));
    return record;
}

RectControl::RectControl() = default;

RectControl::~RectControl() { delete widget_; }

void RectControl::Constructor() {
    if (widget_) return;
    auto window = Window();
    widget_ = CreateWidget(*ContentOf(NotNil(window)));
    ApplyGeometry();
    widget_->setEnabled(enabled_);
    widget_->setToolTip(QString::fromStdString(helpTag_));
    SyncWidget();
    widget_->show();
}

void RectControl::ApplyGeometry() {
    if (widget_) widget_->setGeometry(left_, top_, width_, height_);
}

void RectControl::SetLeft(int32_t value) {
    left_ = value;
    ApplyGeometry();
}

void RectControl::SetTop(int32_t value) {
    top_ = value;
    ApplyGeometry();
}

void RectControl::SetWidth(int32_t value) {
    width_ = std::max(value, 0);
    ApplyGeometry();
}

void RectControl::SetHeight(int32_t value) {
    height_ = std::max(value, 0);
    ApplyGeometry();
}

namespace {
void UpdateVisibility(const RectControl& control) {
    if (auto window = control.Window()) window->UpdateControlVisibility();
}
}  // namespace

void RectControl::SetVisible(bool value) {
    visible_ = value;
    UpdateVisibility(*this);
}

void RectControl::SetEnabled(bool value) {
    enabled_ = value;
    if (widget_) widget_->setEnabled(value);
}

void RectControl::SetTabPanelIndex(int32_t value) {
    tabPanelIndex_ = value;
    UpdateVisibility(*this);
}

void RectControl::SetInitialParent(const std::string& name) {
    initialParent_ = name;
    UpdateVisibility(*this);
}

void RectControl::SetHelpTag(const std::string& text) {
    helpTag_ = text;
    if (widget_) widget_->setToolTip(QString::fromStdString(text));
}

void RectControl::Refresh(bool) {
    ++refreshRequests_;
    if (widget_) widget_->update();
}

bool RectControl::Contains(int32_t windowX, int32_t windowY) const {
    return windowX >= left_ && windowX < left_ + width_ && windowY >= top_ && windowY < top_ + height_;
}

bool RectControl::ShownOnWindow() const {
    if (!visible_) return false;
    if (tabPanelIndex_ <= 0) return true;
    auto window = Window();
    if (!window) return false;
    // The page's panel: the one named as the control's parent, else the panel that holds the control.
    std::shared_ptr<TabPanel> panel;
    for (const auto& control : window->Controls()) {
        auto candidate = std::dynamic_pointer_cast<TabPanel>(control);
        if (!candidate || candidate.get() == this) continue;
        bool named = !initialParent_.empty() && candidate->Name() == initialParent_;
        bool holds = initialParent_.empty() && candidate->Contains(left_, top_);
        if (named || holds) {
            panel = candidate;
            break;
        }
    }
    return panel && panel->ShownOnWindow() && panel->Value() == tabPanelIndex_ - 1;
}
