// The game window's layout: a fixed 454 by 215 board with 21 canvases over it.
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "game/Dialog1.h"
#include "shell/Pictures.h"

#include <string>

namespace {

// Built hidden: the splash window shows it.
const PropertyRecord kWindowRecord = WindowRecord({.width = 454,
                                                   .height = 215,
                                                   .frame = 0,
                                                   .backColor = {0x00, 0x00, 0x00},
                                                   .title = "Quillomar",
                                                   .visible = false,
                                                   .closeButton = true});

struct ControlRow {
    const char* name;
    int32_t index;
    int32_t left, top, width, height;
    int32_t tabIndex;
    bool lockLeft, lockTop, tabStop, visible;
};

constexpr int32_t kNone = Control::kNoIndex;

// In creation order: a control made later lies over the earlier ones, so the nearer rows' pieces cover the
// farther rows'. Canvas2 are the piece views, Canvas1 the pit strips (the clickable part of each cell).
// clang-format off
constexpr ControlRow kControls[] = {
    // name       index  left  top  width height tab  lockLeft lockTop tabStop visible
    {"Canvas2",   9,     285,  52,  50,   50,    0,   false,   false,  true,   true},
    {"Canvas2",   8,     201,  52,  50,   50,    1,   false,   false,  true,   true},
    {"Canvas2",   7,     116,  52,  50,   50,    2,   false,   false,  true,   true},
    {"Canvas1",   9,     279,  93,  61,   16,    3,   false,   false,  true,   true},
    {"Canvas1",   8,     193,  93,  72,   16,    4,   false,   false,  true,   true},
    {"Canvas1",   7,     116,  93,  67,   16,    5,   false,   false,  true,   true},
    {"leftturn",  kNone, 8,    6,   30,   30,    6,   false,   false,  true,   true},
    {"RIghtTurn", kNone, 416,  6,   30,   30,    7,   false,   false,  true,   true},
    {"Canvas1",   4,     86,   117, 71,   22,    8,   false,   false,  true,   true},
    {"Canvas1",   5,     188,  117, 82,   22,    9,   false,   false,  true,   true},
    {"Canvas1",   6,     290,  117, 80,   22,    10,  false,   false,  true,   true},
    {"Canvas1",   1,     46,   145, 95,   24,    11,  false,   false,  true,   true},
    {"Canvas1",   2,     171,  145, 120,  24,    12,  false,   false,  true,   true},
    {"Canvas1",   3,     317,  145, 92,   24,    13,  false,   false,  true,   true},
    {"Canvas2",   4,     86,   68,  64,   64,    14,  false,   false,  true,   true},
    {"Canvas2",   5,     193,  68,  64,   64,    15,  false,   false,  true,   true},
    {"Canvas2",   6,     306,  68,  64,   64,    16,  false,   false,  true,   true},
    {"Canvas2",   1,     46,   82,  80,   80,    17,  false,   false,  true,   true},
    {"Canvas2",   2,     185,  82,  80,   80,    18,  false,   false,  true,   true},
    {"Canvas2",   3,     322,  82,  80,   80,    19,  false,   false,  true,   true},
    {"Canvas3",   kNone, 77,   1,   297,  46,    21,  true,    true,   false,  false},  // the game-over banner
};
// clang-format on

// The row's full property record; what the rows do not list is the same for every control.
PropertyRecord RecordOf(const ControlRow& row) {
    return {
        {"Name", std::string(row.name)},
        {"Index", row.index},
        {"Left", row.left},
        {"Top", row.top},
        {"Width", row.width},
        {"Height", row.height},
        {"LockLeft", row.lockLeft},
        {"LockTop", row.lockTop},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", row.tabIndex},
        {"TabStop", row.tabStop},
        {"Visible", row.visible},
        {"HelpTag", std::string()},
        {"AutoDeactivate", true},
        {"Enabled", true},
        {"UseFocusRing", true},
        {"AcceptFocus", false},
        {"AcceptTabs", false},
        {"DoubleBuffer", false},
        {"EraseBackground", true},
        {"InitialParent", std::string()},
    };
}

const ControlRow& RowOf(const std::string& name, int32_t index) {
    for (const ControlRow& row : kControls)
        if (row.name == name && row.index == index) return row;
    RaiseNilObjectException();
}

std::shared_ptr<RectControl> Find(const Window& window, const ControlRow& row) {
    return row.index == kNone ? RuntimeWindowControlByName(window, row.name)
                              : RuntimeWindowControlByNameIndex(window, row.name, row.index);
}

// The part common to both arrays' extra members: a copy of member 9 of the array, with Index 0.
template <class Member>
void ConstructExtraMember(Member& member, const std::string& arrayName, void (Dialog1::*bind)(RectControl&)) {
    const auto window = Cast<Dialog1>(member.Window());
    Dialog1& game = NotNil(window);
    SetProperties(member, RecordOf(RowOf(arrayName, 9)));
    (game.*bind)(member);
    member.SetIndex(0);
    game.AddControl(arrayName, std::static_pointer_cast<RectControl>(member.shared_from_this()));
    member.RectControl::Constructor();
}

} // namespace

void Dialog1::Layout() {
    SetBackdrop(Board());
    SetProperties(*this, kWindowRecord);
}

void Dialog1::CreateControls() {
    CreateControls0();
}

void Dialog1::CreateControls0() {
    for (const ControlRow& row : kControls) {
        const std::string name = row.name;
        if (name == "Canvas2") {
            auto view = New<Canvas2>();
            view->Constructor(row.index);
            AddControl(name, view);
        } else if (name == "Canvas1") {
            auto pit = New<Canvas1>();
            pit->Constructor(row.index);
            AddControl(name, pit);
        } else {
            auto canvas = New<Canvas>();
            canvas->Constructor();
            AddControl(name, canvas);
        }
        // The banner's picture goes on before its record hides it.
        if (name == "Canvas3") NotNil(Canvas3()).SetBackdrop(pGameOver());
        const auto control = Find(*this, row);
        SetProperties(NotNil(control), RecordOf(row));
        if (name == "Canvas2") BindPieceViewEvents(*control);
        if (name == "Canvas1") BindPitEvents(*control);
        if (name == "leftturn")
            InstallInstanceEventHandler(
                *control, "Paint", RuntimeCreateDelegate(this, &Dialog1::leftturn_Paint, "( Graphics )"));
        if (name == "RIghtTurn")
            InstallInstanceEventHandler(
                *control, "Paint", RuntimeCreateDelegate(this, &Dialog1::RIghtTurn_Paint, "( Graphics )"));
    }
}

void Dialog1::BindPitEvents(RectControl& pit) {
    InstallInstanceEventHandler(pit, "MouseUp",
                                RuntimeCreateDelegate(this, &Dialog1::Canvas1_MouseUp, "( Int32, Int32 )"));
    InstallInstanceEventHandler(
        pit, "MouseDown",
        RuntimeCreateDelegate(this, &Dialog1::Canvas1_MouseDown, "( Int32, Int32 ) as Boolean"));
}

void Dialog1::BindPieceViewEvents(RectControl& view) {
    InstallInstanceEventHandler(view, "Paint",
                                RuntimeCreateDelegate(this, &Dialog1::Canvas2_Paint, "( Graphics )"));
}

void Dialog1::Canvas1::Constructor(int32_t index) {
    SetIndex(index);
    RectControl::Constructor();
}

void Dialog1::Canvas1::Constructor() {
    ConstructExtraMember(*this, "Canvas1", &Dialog1::BindPitEvents);
}

void Dialog1::Canvas2::Constructor(int32_t index) {
    SetIndex(index);
    RectControl::Constructor();
}

void Dialog1::Canvas2::Constructor() {
    ConstructExtraMember(*this, "Canvas2", &Dialog1::BindPieceViewEvents);
}
