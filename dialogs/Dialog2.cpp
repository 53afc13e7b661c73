// Asks before a running game is thrown away. It keeps no state: every showing looks the same, and the
// answer is only hidden, never closed.
#include "dialogs/Dialog2.h"

#include "dialogs/DialogControls.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "game/Dialog1.h"

using namespace std::string_literals;

namespace {

// clang-format off
const PropertyRecord kWindow =
    WindowRecord({.width = 403, .height = 100, .frame = 1, .title = "New Game?", .closeButton = false});

const PropertyRecord kStaticText1 = LabelRecord({
    {"Left", 13}, {"Top", 13}, {"Width", 377}, {"Height", 16}, {"TabIndex", 0},
    {"Text", "Are you sure that you want to end the game that is"s}, {"TextAlign", 1},
});
const PropertyRecord kStaticText2 = LabelRecord({
    {"Left", 13}, {"Top", 31}, {"Width", 377}, {"Height", 21}, {"TabIndex", 1},
    {"Text", "currently in progress?"s}, {"TextAlign", 1},
});
const PropertyRecord kPushButton1 = ButtonRecord({
    {"Left", 13}, {"Top", 60}, {"Width", 60}, {"Height", 20}, {"TabIndex", 2},
    {"Caption", "No"s}, {"Default", true},
});
const PropertyRecord kPushButton2 = ButtonRecord({
    {"Left", 330}, {"Top", 60}, {"Width", 60}, {"Height", 20}, {"TabIndex", 3},
    {"Caption", "Yes"s},
});
// clang-format on

} // namespace

const ClassInfo& Dialog2::Lookup() {
    // The class lists its controls by name beside its own methods, for lookups by name.
    // clang-format off
    static const ClassInfo& record = ClassRegistry::Register(
        ClassInfo("Dialog2.Dialog2", &Window::Lookup()).Members({
            "Layout", "CreateControls", "CreateControls0",
            "StaticText1", "StaticText2", "PushButton1", "PushButton2",
            "PushButton1_Action", "PushButton2_Action"
        }));
    // clang-format on
    return record;
}

std::shared_ptr<Dialog2> Dialog2::Shared() {
    return ImplicitWindow<Dialog2>();
}

void Dialog2::Layout() {
    SetProperties(*this, kWindow);
}

void Dialog2::CreateControls() {
    CreateControls0();
}

void Dialog2::CreateControls0() {
    MakeControl<StaticText>(*this, "StaticText1", kStaticText1);
    MakeControl<StaticText>(*this, "StaticText2", kStaticText2);
    auto no = MakeControl<PushButton>(*this, "PushButton1", kPushButton1);
    InstallInstanceEventHandler(*no, "Action",
                                RuntimeCreateDelegate(this, &Dialog2::PushButton1_Action, "(  )"));
    auto yes = MakeControl<PushButton>(*this, "PushButton2", kPushButton2);
    InstallInstanceEventHandler(*yes, "Action",
                                RuntimeCreateDelegate(this, &Dialog2::PushButton2_Action, "(  )"));
}

void Dialog2::PushButton1_Action() {
    Hide();
}

void Dialog2::PushButton2_Action() {
    // The board and flags go through Initialize alone; turn, opponent and shapes stay.
    auto& game = NotNil(Dialog1::Shared());
    game.Initialize();
    game.Refresh(true);
    Hide();
}
