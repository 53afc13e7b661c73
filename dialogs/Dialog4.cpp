// Lets each player pick the shape of their pieces among the 24 colour icons, never the other player's.
#include "dialogs/Dialog4.h"

#include "dialogs/DialogControls.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/Picture.h"
#include "framework/ResourceFork.h"
#include "game/Dialog1.h"

using namespace std::string_literals;

namespace {

constexpr int32_t kFirstShape = 128;
constexpr int32_t kLastShape = 151;

// clang-format off
const PropertyRecord kWindow =
    WindowRecord({.width = 303, .height = 230, .frame = 1, .title = "Choose a shape", .closeButton = false});

const PropertyRecord kTabPanel1 = TabPanelRecord({
    {"Left", 20}, {"Top", 14}, {"Width", 263}, {"Height", 164}, {"TabIndex", 0},
    {"TabDefinition", std::string("Player #1\0Player #2", 19)},
});
// Each page: the preview, "<<" on the left and ">>" on the right under it; ">>" comes first in tab order.
const PropertyRecord kCanvas2 = CanvasRecord(OnPage(2, {
    {"Left", 121}, {"Top", 53}, {"Width", 64}, {"Height", 64}, {"TabIndex", 0},
}));
const PropertyRecord kCanvas1 = CanvasRecord(OnPage(1, {
    {"Left", 121}, {"Top", 53}, {"Width", 64}, {"Height", 64}, {"TabIndex", 0},
}));
const PropertyRecord kPushButton3 = ButtonRecord(OnPage(2, {
    {"Left", 159}, {"Top", 137}, {"Width", 60}, {"Height", 20}, {"TabIndex", 1}, {"Caption", ">>"s},
}));
const PropertyRecord kPushButton4 = ButtonRecord(OnPage(2, {
    {"Left", 92}, {"Top", 137}, {"Width", 60}, {"Height", 20}, {"TabIndex", 2}, {"Caption", "<<"s},
}));
const PropertyRecord kPushButton1 = ButtonRecord(OnPage(1, {
    {"Left", 159}, {"Top", 137}, {"Width", 60}, {"Height", 20}, {"TabIndex", 1}, {"Caption", ">>"s},
}));
const PropertyRecord kPushButton2 = ButtonRecord(OnPage(1, {
    {"Left", 92}, {"Top", 137}, {"Width", 60}, {"Height", 20}, {"TabIndex", 2}, {"Caption", "<<"s},
}));
const PropertyRecord kPushButton5 = ButtonRecord({
    {"Left", 221}, {"Top", 194}, {"Width", 60}, {"Height", 20}, {"TabIndex", 7}, {"Caption", "OK"s},
    {"Default", true},
});
const PropertyRecord kPushButton6 = ButtonRecord({
    {"Left", 20}, {"Top", 194}, {"Width", 60}, {"Height", 20}, {"TabIndex", 8}, {"Caption", "Cancel"s},
    {"Cancel", true},
});
// clang-format on

// One arrow press moves the shape a step towards the end; onto the other player's number it moves one
// more, and where that passes the end it comes back to where it was; it never passes the end.
int32_t ArrowStep(int32_t shape, int32_t other, int32_t step) {
    const int32_t end = step > 0 ? kLastShape : kFirstShape;
    auto beyond = [&](int32_t value) { return step > 0 ? value > end : value < end; };
    shape += step;
    if (shape == other) {
        shape += step;
        if (beyond(shape)) shape = end - step;
    }
    if (beyond(shape)) shape = end;
    return shape;
}

} // namespace

const ClassInfo& Dialog4::Lookup() {
    // The class lists its controls by name beside its own methods, for lookups by name.
    // clang-format off
    static const ClassInfo& record = ClassRegistry::Register(
        ClassInfo("Dialog4.Dialog4", &Window::Lookup()).Members({
            "Layout", "CreateControls", "CreateControls0",
            "TabPanel1", "Canvas2", "Canvas1", "PushButton3", "PushButton4", "PushButton1", "PushButton2",
            "PushButton5", "PushButton6",
            "Canvas2_Paint", "Canvas1_Paint", "PushButton3_Action", "PushButton4_Action",
            "PushButton1_Action", "PushButton2_Action", "PushButton5_Action", "PushButton6_Action",
            "Event_Open", "p1", "p2"
        }));
    // clang-format on
    return record;
}

std::shared_ptr<Dialog4> Dialog4::Shared() {
    return ImplicitWindow<Dialog4>();
}

void Dialog4::Layout() {
    SetProperties(*this, kWindow);
}

void Dialog4::CreateControls() {
    CreateControls0();
}

void Dialog4::CreateControls0() {
    MakeControl<TabPanel>(*this, "TabPanel1", kTabPanel1);
    auto canvas2 = MakeControl<Canvas>(*this, "Canvas2", kCanvas2);
    InstallInstanceEventHandler(*canvas2, "Paint",
                                RuntimeCreateDelegate(this, &Dialog4::Canvas2_Paint, "( Graphics )"));
    auto canvas1 = MakeControl<Canvas>(*this, "Canvas1", kCanvas1);
    InstallInstanceEventHandler(*canvas1, "Paint",
                                RuntimeCreateDelegate(this, &Dialog4::Canvas1_Paint, "( Graphics )"));

    const struct {
        const char* name;
        const PropertyRecord& record;
        void (Dialog4::*action)();
    } buttons[] = {
        {"PushButton3", kPushButton3, &Dialog4::PushButton3_Action},
        {"PushButton4", kPushButton4, &Dialog4::PushButton4_Action},
        {"PushButton1", kPushButton1, &Dialog4::PushButton1_Action},
        {"PushButton2", kPushButton2, &Dialog4::PushButton2_Action},
        {"PushButton5", kPushButton5, &Dialog4::PushButton5_Action},
        {"PushButton6", kPushButton6, &Dialog4::PushButton6_Action},
    };
    for (const auto& button : buttons) {
        auto control = MakeControl<PushButton>(*this, button.name, button.record);
        InstallInstanceEventHandler(*control, "Action", RuntimeCreateDelegate(this, button.action, "(  )"));
    }
}

void Dialog4::Event_Open() {
    auto& game = NotNil(Dialog1::Shared());
    p1 = game.P1Num;
    p2 = game.P2Num;
}

void Dialog4::Canvas2_Paint(Graphics& g) {
    DrawPreview(g, p2);
}

void Dialog4::Canvas1_Paint(Graphics& g) {
    DrawPreview(g, p1);
}

// The icon is fetched afresh at every paint and drawn whole, unscaled, at the top left.
void Dialog4::DrawPreview(Graphics& g, int32_t shape) {
    const auto own = Graphics::kOwnSize;
    g.DrawPicture(NotNil(NotNil(Dialog1::Shared()).RFork).Getcicn(shape), 0, 0, own, own, 0, 0, own, own);
}

void Dialog4::PushButton3_Action() {
    Arrow(p2, p1, +1, "Canvas2");
}
void Dialog4::PushButton4_Action() {
    Arrow(p2, p1, -1, "Canvas2");
}
void Dialog4::PushButton1_Action() {
    Arrow(p1, p2, +1, "Canvas1");
}
void Dialog4::PushButton2_Action() {
    Arrow(p1, p2, -1, "Canvas1");
}

// The preview repaints on every press, whether the shape moved or not.
void Dialog4::Arrow(int32_t& shape, int32_t other, int32_t step, const std::string& preview) {
    shape = ArrowStep(shape, other, step);
    NotNil(RuntimeWindowControlByName(*this, preview)).Refresh(true);
}

void Dialog4::PushButton5_Action() {
    // Both pictures are fetched again and the whole board repainted even when nothing changed.
    auto& game = NotNil(Dialog1::Shared());
    game.P1Num = p1;
    game.P2Num = p2;
    game.Player1Shape = NotNil(game.RFork).Getcicn(p1);
    game.Player2Shape = NotNil(game.RFork).Getcicn(p2);
    game.Refresh(true);
    Hide();
}

void Dialog4::PushButton6_Action() {
    Hide();
}
