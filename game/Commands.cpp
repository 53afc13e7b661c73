// The menu commands and their enabling, and the window's opening and closing.
#include "dialogs/Dialog2.h"
#include "dialogs/Dialog3.h"
#include "dialogs/Dialog4.h"
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/Menu.h"
#include "framework/ResourceFork.h"
#include "game/Dialog1.h"
#include "shell/App.h"
#include "shell/MenuItems.h"

#include <utility>

namespace {
// The menu items that the game window serves, by item name, in binding order.
// clang-format off
const std::pair<const char*, bool (Dialog1::*)()> kCommands[] = {
    {"mnuSwitch", &Dialog1::mnuSwitch_Action},
    {"mnuHvH",    &Dialog1::mnuHvH_Action},
    {"mnuHvC",    &Dialog1::mnuHvC_Action},
    {"mnuReset",  &Dialog1::mnuReset_Action},
    {"mnuAbout",  &Dialog1::mnuAbout_Action},
    {"mnuShapes", &Dialog1::mnuShapes_Action},
};
// clang-format on

constexpr int32_t kPlayer1Shape = 129;
constexpr int32_t kPlayer2Shape = 128;
} // namespace

void Dialog1::AddMenuHandlers(Window& w) {
    const auto game = Cast<Dialog1>(w.shared_from_this());
    for (const auto& [item, action] : kCommands)
        w.AddMenuHandler(item, RuntimeCreateDelegate(game.get(), action, "(  ) as Boolean"));
}

// Sets every item each time, so what the menus show depends only on the game's state.
void Dialog1::Event_EnableMenuItems() {
    NotNil(mnuSwitch()).SetEnabled(true);
    NotNil(mnuShapes()).SetEnabled(true);
    NotNil(mnuAbout()).SetEnabled(true);
    // The opponent can be chosen only before the first move; New Game once there is a game to replace.
    NotNil(mnuReset()).SetEnabled(GameStarted || GameOver);
    NotNil(mnuHvH()).SetEnabled(!GameStarted);
    NotNil(mnuHvC()).SetEnabled(!GameStarted);
    NotNil(mnuHvH()).SetChecked(!isComputer);
    NotNil(mnuHvC()).SetChecked(isComputer);
}

void Dialog1::Event_Close() {
    Quit(0);
}

void Dialog1::Event_Open() {
    // Centred across the main screen, a third of the free height down.
    const auto screen = Screen::At(0);
    SetLeft(ToInt32(static_cast<double>(NotNil(screen).Width() - Width()) / 2.0));
    SetTop(ToInt32(static_cast<double>(screen->Height() - Height()) / 3.0));
    RFork = NotNil(App::Shared()).ResourceFork();
    PlayersTurn = 1;
    Player1Shape = NotNil(RFork).Getcicn(kPlayer1Shape);
    Player2Shape = RFork->Getcicn(kPlayer2Shape);
    P1Num = kPlayer1Shape;
    P2Num = kPlayer2Shape;
    Initialize();
    isComputer = false;
}

// Only the turn changes: the computer does not move until the next click.
bool Dialog1::mnuSwitch_Action() {
    PassTurn();
    return false;
}

bool Dialog1::mnuHvH_Action() {
    isComputer = false;
    return false;
}

bool Dialog1::mnuHvC_Action() {
    isComputer = true;
    return false;
}

// A finished game is replaced at once; an unfinished one only after the confirmation's Yes.
bool Dialog1::mnuReset_Action() {
    if (GameOver) {
        Initialize();
        NotNil(Shared()).Refresh(true);
    } else {
        NotNil(Dialog2::Shared()).Show();
    }
    return false;
}

bool Dialog1::mnuAbout_Action() {
    NotNil(Dialog3::Shared()).Show();
    return false;
}

bool Dialog1::mnuShapes_Action() {
    NotNil(Dialog4::Shared()).Show();
    return false;
}
