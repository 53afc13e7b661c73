// The concrete controls and the widgets that show them.
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "framework/Controls.h"
#include "framework/Picture.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"
#include "framework/qt/Runtime.h"
#include "framework/qt/Widgets.h"

namespace {
QString ToQt(const std::string& text) { return QString::fromStdString(text); }

QFont FontFor(const TextStyle& style, const QFont& base) {
    QFont font = base;
    if (style.font != "System" && !style.font.empty()) font.setFamily(ToQt(style.font));
    // Sizes are pixels, as the layouts were drawn at 72 dots per inch.
    if (style.size > 0) font.setPixelSize(style.size);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

QColor ToQt(Color color) { return QColor(color.red, color.green, color.blue); }

class CanvasWidget : public QWidget {
public:
    CanvasWidget(Canvas& owner, QWidget& parent) : QWidget(&parent), owner_(owner) {
        // Presses are routed by the window, which knows which canvases take the mouse.
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        auto backdrop = owner_.Backdrop();
        if (!backdrop && !owner_.HandlesEvent("Paint")) return;  // nothing to draw: not even a painter
        QPainter painter(this);
        if (backdrop) DrawBackdrop(painter, ImageOf(*backdrop), event->region());
        Graphics graphics(painter, owner_.Width(), owner_.Height());
        Guarded([&] { owner_.RaiseVoidEvent<Graphics&>("Paint", graphics); });
    }

private:
    Canvas& owner_;
};

class LabelWidget : public QLabel {
public:
    LabelWidget(StaticText& owner, QWidget& parent) : QLabel(&parent), owner_(owner) {
        setTextFormat(Qt::PlainText);
    }

protected:
    // Presses are not taken here: QLabel leaves them to its parent, the window's content.
    // The window's content keeps the one hover state, so that enter and leave come once each.
    void enterEvent(QEnterEvent* event) override {
        QLabel::enterEvent(event);
        Content().SetHovered(std::static_pointer_cast<StaticText>(owner_.shared_from_this()));
    }
    void leaveEvent(QEvent* event) override {
        QLabel::leaveEvent(event);
        if (Content().Hovered().get() == &owner_) Content().SetHovered(nullptr);
    }
    ContentWidget& Content() const { return *static_cast<ContentWidget*>(parentWidget()); }

private:
    StaticText& owner_;
};
}  // namespace

// ---- TextControl ------------------------------------------------------------------------------------------

const ClassInfo& TextControl::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(
        ClassInfo("TextControl", &RectControl::Lookup())
            .Text<TextControl>("TextFont", &TextControl::SetTextFont)
            .Int<TextControl>("TextSize", &TextControl::SetTextSize)
            .Int<TextControl>("TextUnit", &TextControl::SetTextUnit)
            .Bool<TextControl>("Bold", &TextControl::SetBold)
            .Bool<TextControl>("Italic", &TextControl::SetItalic)
            .Bool<TextControl>("Underline", &TextControl::SetUnderline));
    return record;
}

void TextControl::ApplyStyle() {
    if (QWidget* widget = Widget()) widget->setFont(FontFor(style_, widget->parentWidget()->font()));
}

void TextControl::SetTextFont(const std::string& font) {
    style_.font = font;
    ApplyStyle();
}
void TextControl::SetTextSize(int32_t size) {
    style_.size = size;
    ApplyStyle();
}
void TextControl::SetTextUnit(int32_t unit) { style_.unit = unit; }
void TextControl::SetBold(bool value) {
    style_.bold = value;
    ApplyStyle();
}
void TextControl::SetItalic(bool value) {
    style_.italic = value;
    ApplyStyle();
}
void TextControl::SetUnderline(bool value) {
    style_.underline = value;
    ApplyStyle();
}

// ---- Canvas -----------------------------------------------------------------------------------------------

const ClassInfo& Canvas::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(
        ClassInfo("Canvas", &RectControl::Lookup())
            .Event("Paint", SignatureText<void, Graphics&>())
            .Event("MouseDown", SignatureText<bool, int32_t, int32_t>())
            .Event("MouseUp", SignatureText<void, int32_t, int32_t>())
            // A canvas draws only what its backdrop and Paint handler draw; what lies behind shows through.
            .Accepted("AcceptFocus", PropertyType::Boolean)
            .Accepted("AcceptTabs", PropertyType::Boolean)
            .Accepted("DoubleBuffer", PropertyType::Boolean)
            .Accepted("EraseBackground", PropertyType::Boolean));
    return record;
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    if (QWidget* widget = Widget()) widget->update();
}

QWidget* Canvas::CreateWidget(QWidget& parent) { return new CanvasWidget(*this, parent); }

// ---- PushButton -------------------------------------------------------------------------------------------

const ClassInfo& PushButton::Lookup() {
    static const ClassInfo& record =
        ClassRegistry::Register(ClassInfo("PushButton", &TextControl::Lookup())
                                    .Event("Action", SignatureText<void>())
                                    .Text<PushButton>("Caption", &PushButton::SetCaption)
                                    .Bool<PushButton>("Default", &PushButton::SetDefault)
                                    .Bool<PushButton>("Cancel", &PushButton::SetCancel));
    return record;
}

QWidget* PushButton::CreateWidget(QWidget& parent) {
    auto* button = new QPushButton(ToQt(caption_), &parent);
    button->setAutoDefault(false);
    button->setDefault(default_);
    QObject::connect(button, &QPushButton::clicked, button, [this] { Guarded([this] { RaiseVoidEvent("Action"); }); });
    return button;
}

void PushButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (auto* button = static_cast<QPushButton*>(Widget())) button->setText(ToQt(caption));
}

void PushButton::SetDefault(bool value) {
    default_ = value;
    if (auto* button = static_cast<QPushButton*>(Widget())) button->setDefault(value);
}

void PushButton::Push() {
    if (auto* button = static_cast<QPushButton*>(Widget())) button->click();
}

// ---- StaticText -------------------------------------------------------------------------------------------

const ClassInfo& StaticText::Lookup() {
    static const ClassInfo& record =
        ClassRegistry::Register(ClassInfo("StaticText", &TextControl::Lookup())
                                    .Event("MouseEnter", SignatureText<void>())
                                    .Event("MouseExit", SignatureText<void>())
                                    .Text<StaticText>("Text", &StaticText::SetText)
                                    .Text<StaticText>("Caption", &StaticText::SetCaption)
                                    .Int<StaticText>("TextAlign", &StaticText::SetTextAlign)
                                    .Colour<StaticText>("TextColor", &StaticText::SetTextColor)
                                    .Bool<StaticText>("Multiline", &StaticText::SetMultiline)
                                    .Accepted("DataSource", PropertyType::String)
                                    .Accepted("DataField", PropertyType::String));
    return record;
}

QWidget* StaticText::CreateWidget(QWidget& parent) { return new LabelWidget(*this, parent); }

void StaticText::SyncWidget() {
    TextControl::SyncWidget();
    Apply();
}

void StaticText::Apply() {
    auto* label = static_cast<QLabel*>(Widget());
    if (!label) return;
    label->setText(ToQt(text_));
    const Qt::Alignment horizontal = align_ == 1 ? Qt::AlignHCenter : align_ == 2 ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setWordWrap(multiline_);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQt(color_));
    label->setPalette(palette);
}

void StaticText::SetText(const std::string& text) {
    text_ = text;
    Apply();
}
void StaticText::SetTextAlign(int32_t align) {
    align_ = align;
    Apply();
}
void StaticText::SetTextColor(Color color) {
    color_ = color;
    Apply();
}
void StaticText::SetMultiline(bool value) {
    multiline_ = value;
    Apply();
}

// ---- TabPanel ---------------------------------------------------------------------------------------------

const ClassInfo& TabPanel::Lookup() {
    static const ClassInfo& record =
        ClassRegistry::Register(ClassInfo("TabPanel", &TextControl::Lookup())
                                    .Text<TabPanel>("TabDefinition", &TabPanel::SetTabDefinition)
                                    .Int<TabPanel>("Value", &TabPanel::SetValue)
                                    .Accepted("SmallTabs", PropertyType::Boolean));
    return record;
}

QWidget* TabPanel::CreateWidget(QWidget& parent) {
    auto* tabs = new QTabWidget(&parent);
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this](int page) {
        Guarded([&] {
            if (page >= 0) SetValue(page);
        });
    });
    return tabs;
}

void TabPanel::SetTabDefinition(const std::string& definition) {
    pages_.clear();
    std::string page;
    for (char c : definition) {
        if (c == '\r' || c == '\0') {
            pages_.push_back(page);
            page.clear();
        } else {
            page += c;
        }
    }
    pages_.push_back(page);
    SyncWidget();
}

void TabPanel::SyncWidget() {
    TextControl::SyncWidget();
    if (auto* tabs = static_cast<QTabWidget*>(Widget())) {
        QSignalBlocker quiet(tabs);
        while (tabs->count() > 0) delete tabs->widget(0);
        // The pages stay empty: their controls stand on the window and show while their page does.
        for (const auto& name : pages_) tabs->addTab(new QWidget, ToQt(name));
    }
    SetValue(value_);
}

void TabPanel::SetValue(int32_t page) {
    if (page < 0 || page >= static_cast<int32_t>(pages_.size())) page = 0;
    value_ = page;
    if (auto* tabs = static_cast<QTabWidget*>(Widget()); tabs && tabs->currentIndex() != page) {
        QSignalBlocker quiet(tabs);
        tabs->setCurrentIndex(page);
    }
    if (auto window = Window()) window->UpdateControlVisibility();
}

// ---- TextArea ---------------------------------------------------------------------------------------------

const ClassInfo& TextArea::Lookup() {
    static const ClassInfo& record =
        ClassRegistry::Register(ClassInfo("TextArea", &TextControl::Lookup())
                                    .Text<TextArea>("Text", &TextArea::SetText)
                                    .Bool<TextArea>("ReadOnly", &TextArea::SetReadOnly)
                                    .Bool<TextArea>("Border", &TextArea::SetBorder)
                                    .Colour<TextArea>("TextColor", &TextArea::SetTextColor)
                                    .Colour<TextArea>("BackColor", &TextArea::SetBackColor)
                                    .Accepted("Multiline", PropertyType::Boolean)
                                    .Bool<TextArea>("ScrollbarHorizontal", &TextArea::SetScrollbarHorizontal)
                                    .Bool<TextArea>("ScrollbarVertical", &TextArea::SetScrollbarVertical)
                                    .Accepted("Styled", PropertyType::Boolean)
                                    .Accepted("HideSelection", PropertyType::Boolean)
                                    .Accepted("AcceptTabs", PropertyType::Boolean)
                                    .Accepted("LimitText", PropertyType::Int32)
                                    .Accepted("Alignment", PropertyType::Int32)
                                    .Accepted("Format", PropertyType::String)
                                    .Accepted("Mask", PropertyType::String)
                                    .Accepted("DataSource", PropertyType::String)
                                    .Accepted("DataField", PropertyType::String));
    return record;
}

QWidget* TextArea::CreateWidget(QWidget& parent) {
    auto* area = new QPlainTextEdit(&parent);
    area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return area;
}

void TextArea::SyncWidget() {
    TextControl::SyncWidget();
    Apply();
}

void TextArea::Apply() {
    auto* area = static_cast<QPlainTextEdit*>(Widget());
    if (!area) return;
    QString text = ToQt(text_);
    text.replace("\r\n", "\n").replace('\r', '\n');  // lines may end in carriage returns
    if (area->toPlainText() != text) area->setPlainText(text);
    area->setReadOnly(readOnly_);
    area->setFrameShape(border_ ? QFrame::StyledPanel : QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(scrollbarHorizontal_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(scrollbarVertical_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    QPalette palette = area->palette();
    palette.setColor(QPalette::Text, ToQt(textColor_));
    palette.setColor(QPalette::Base, ToQt(backColor_));
    area->setPalette(palette);
}

void TextArea::SetText(const std::string& text) {
    text_ = text;
    Apply();
}
void TextArea::SetReadOnly(bool value) {
    readOnly_ = value;
    Apply();
}
void TextArea::SetBorder(bool value) {
    border_ = value;
    Apply();
}
void TextArea::SetScrollbarHorizontal(bool value) {
    scrollbarHorizontal_ = value;
    Apply();
}
void TextArea::SetScrollbarVertical(bool value) {
    scrollbarVertical_ = value;
    Apply();
}
void TextArea::SetTextColor(Color color) {
    textColor_ = color;
    Apply();
}
void TextArea::SetBackColor(Color color) {
    backColor_ = color;
    Apply();
}
