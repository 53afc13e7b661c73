// The About box: the program and its makers on three pages. The web address on "Contact Info" is a link:
// presses on a label reach the window, and the hover flag tells whether the release was over the address.
#include "dialogs/Dialog3.h"

#include "dialogs/DialogControls.h"
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "shell/Pictures.h"

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

constexpr int32_t kCentred = 1;
const Color kLinkBlue{0x18, 0x22, 0xCD};

// clang-format off
const PropertyRecord kWindow =
    WindowRecord({.width = 526, .height = 240, .frame = 0, .title = "About Quillomar", .closeButton = true});

const PropertyRecord kTabPanel1 = TabPanelRecord({
    {"Left", 20}, {"Top", 14}, {"Width", 486}, {"Height", 206}, {"TabIndex", 0},
    {"TabDefinition", "About\rContact Info\rHow to Play"s},
});

struct Label {
    std::string name;
    int32_t textSize;
    PropertyRecord record;
};

// Page by page, in creation order; positions in window coordinates.
const std::vector<Label> kLabels = {
    // "About"
    {"StaticText1", 14, LabelRecord(OnPage(1, {{"Left", 32}, {"Top", 48}, {"Width", 462}, {"Height", 16},
        {"TabIndex", 0}, {"Text", "Quillomar"s}, {"TextAlign", kCentred}}))},
    {"StaticText2", 12, LabelRecord(OnPage(1, {{"Left", 32}, {"Top", 70}, {"Width", 98}, {"Height", 16},
        {"TabIndex", 1}, {"Text", "Programming:"s}}))},
    {"StaticText3", 12, LabelRecord(OnPage(1, {{"Left", 56}, {"Top", 91}, {"Width", 122}, {"Height", 16},
        {"TabIndex", 2}, {"Text", "Elias Morv"s}}))},
    {"StaticText4", 12, LabelRecord(OnPage(1, {{"Left", 32}, {"Top", 141}, {"Width", 106}, {"Height", 16},
        {"TabIndex", 3}, {"Text", "Graphic Design:"s}}))},
    {"StaticText5", 12, LabelRecord(OnPage(1, {{"Left", 56}, {"Top", 160}, {"Width", 122}, {"Height", 16},
        {"TabIndex", 4}, {"Text", "Elias Morv"s}}))},
    {"StaticText6", 12, LabelRecord(OnPage(1, {{"Left", 56}, {"Top", 180}, {"Width", 122}, {"Height", 16},
        {"TabIndex", 5}, {"Text", "Hanna Quist"s}}))},
    {"StaticText7", 9, LabelRecord(OnPage(1, {{"Left", 462}, {"Top", 202}, {"Width", 35}, {"Height", 11},
        {"TabIndex", 6}, {"Text", "v1.3.1"s}}))},
    {"StaticText8", 12, LabelRecord(OnPage(1, {{"Left", 31}, {"Top", 199}, {"Width", 463}, {"Height", 15},
        {"TabIndex", 7}, {"Text", "\u00A9 2003-2005 Morv Software"s}, {"TextAlign", kCentred}}))},
    // "Contact Info"
    {"StaticText9", 12, LabelRecord(OnPage(2, {{"Left", 32}, {"Top", 54}, {"Width", 60}, {"Height", 16},
        {"TabIndex", 0}, {"Text", "E-Mail:"s}}))},
    {"StaticText10", 12, LabelRecord(OnPage(2, {{"Left", 47}, {"Top", 76}, {"Width", 181}, {"Height", 16},
        {"TabIndex", 1}, {"Text", "support@morvsoft.example"s}}))},
    {"StaticText11", 12, LabelRecord(OnPage(2, {{"Left", 32}, {"Top", 138}, {"Width", 76}, {"Height", 16},
        {"TabIndex", 2}, {"Text", "Web Site:"s}}))},
    // The link: what it shows is what opens.
    {"StaticText12", 12, LabelRecord(OnPage(2, {{"Left", 47}, {"Top", 160}, {"Width", 201}, {"Height", 16},
        {"TabIndex", 3}, {"Text", "https://morvsoft.example/"s}, {"TextColor", kLinkBlue}, {"Underline", true}}))},
    {"StaticText13", 12, LabelRecord(OnPage(2, {{"Left", 315}, {"Top", 54}, {"Width", 60}, {"Height", 16},
        {"TabIndex", 4}, {"Text", "U.S. Mail:"s}}))},
    {"StaticText14", 12, LabelRecord(OnPage(2, {{"Left", 332}, {"Top", 76}, {"Width", 160}, {"Height", 16},
        {"TabIndex", 5}, {"Text", "Morv Software"s}}))},
    {"StaticText15", 12, LabelRecord(OnPage(2, {{"Left", 332}, {"Top", 94}, {"Width", 76}, {"Height", 16},
        {"TabIndex", 6}, {"Text", "PO Box 417"s}}))},
    {"StaticText16", 12, LabelRecord(OnPage(2, {{"Left", 332}, {"Top", 113}, {"Width", 147}, {"Height", 16},
        {"TabIndex", 7}, {"Text", "Eugene, OR 97440"s}}))},
    // "How to Play"
    {"StaticText17", 12, LabelRecord(OnPage(3, {{"Left", 32}, {"Top", 49}, {"Width", 462}, {"Height", 16},
        {"TabIndex", 0}, {"Text", "How to Play Quillomar"s}, {"TextAlign", kCentred}}))},
};

// Lines end in carriage returns; the text has no scroll bar, so it must fit the box.
const PropertyRecord kEditField1 = TextAreaRecord(OnPage(3, {
    {"Left", 32}, {"Top", 78}, {"Width", 462}, {"Height", 118}, {"TabIndex", 1},
    {"Text", "Players take turns filling the empty pits. Three in a row in any direction wins; a full "
             "board ends the game too.\r"
             "File > New Game starts again (during a game you are asked first).\r"
             "Options: Switch Turns hands the move over; Human Vs Human or Human Vs Computer picks the "
             "opponent before the first move; Shapes picks each player's piece."s},
}));

const PropertyRecord kCanvas1 = CanvasRecord(OnPage(2, {
    {"Left", 340}, {"Top", 160}, {"Width", 145}, {"Height", 39}, {"TabIndex", 8},
    {"LockLeft", true}, {"LockTop", true},
}));
// clang-format on

} // namespace

const ClassInfo& Dialog3::Lookup() {
    // The class lists its controls by name beside its own methods, for lookups by name.
    // clang-format off
    static const ClassInfo& record = ClassRegistry::Register(
        ClassInfo("Dialog3.Dialog3", &Window::Lookup()).Members({
            "Layout", "CreateControls", "CreateControls0",
            "TabPanel1", "StaticText1", "StaticText2", "StaticText3", "StaticText4", "StaticText5",
            "StaticText6", "StaticText7", "StaticText8", "StaticText9", "StaticText10", "StaticText11",
            "StaticText12", "StaticText13", "StaticText14", "StaticText15", "StaticText16", "StaticText17",
            "EditField1", "Canvas1",
            "StaticText12_MouseExit", "StaticText12_MouseEnter", "Event_MouseUp", "Event_MouseDown",
            "Event_Open", "InHTTP"
        }));
    // clang-format on
    return record;
}

std::shared_ptr<Dialog3> Dialog3::Shared() {
    return ImplicitWindow<Dialog3>();
}

void Dialog3::Layout() {
    SetProperties(*this, kWindow);
}

void Dialog3::CreateControls() {
    CreateControls0();
}

void Dialog3::CreateControls0() {
    MakeControl<TabPanel>(*this, "TabPanel1", kTabPanel1);
    for (const auto& label : kLabels)
        MakeControl<StaticText>(*this, label.name, label.record, label.textSize);
    auto& link = NotNil(RuntimeWindowControlByName(*this, "StaticText12"));
    InstallInstanceEventHandler(link, "MouseExit",
                                RuntimeCreateDelegate(this, &Dialog3::StaticText12_MouseExit, "(  )"));
    InstallInstanceEventHandler(link, "MouseEnter",
                                RuntimeCreateDelegate(this, &Dialog3::StaticText12_MouseEnter, "(  )"));
    MakeControl<TextArea>(*this, "EditField1", kEditField1);
    auto logo = AddNewControl<Canvas>(*this, "Canvas1");
    logo->SetBackdrop(MorvLogo2x1());
    SetProperties(*logo, kCanvas1);
}

// The link looks the same either way: only the flag changes.
void Dialog3::StaticText12_MouseExit() {
    InHTTP = false;
}
void Dialog3::StaticText12_MouseEnter() {
    InHTTP = true;
}

// Every press asks for its release, so that a release over the link is seen.
bool Dialog3::Event_MouseDown(int32_t, int32_t) {
    return true;
}

void Dialog3::Event_MouseUp(int32_t, int32_t) {
    if (!InHTTP) return;
    ShowURL(NotNil(Cast<StaticText>(RuntimeWindowControlByName(*this, "StaticText12"))).Caption());
}

void Dialog3::Event_Open() {
    InHTTP = false;
}
