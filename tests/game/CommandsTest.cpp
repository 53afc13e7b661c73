// The menu commands, their enabling and check marks, and the window's opening and closing.
#include "dialogs/Dialog2.h"
#include "dialogs/Dialog3.h"
#include "dialogs/Dialog4.h"
#include "framework/Menu.h"
#include "support/GameFixture.h"

#include <functional>
#include <utility>

namespace {

class CommandsTest : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        game->Show(); // the frontmost window decides what the menus say
    }

    // The six commands as a user finds them in the menus: "-" marks a disabled one, "*" a checked one.
    static std::string Menus() {
        RuntimeUpdateMenus();
        std::string shown;
        for (const char* name : {"Reset", "HvH", "HvC", "Switch", "Shapes", "About"}) {
            const MenuItem& item = NotNil(Menu::Shared()->Lookup(std::string("mnu") + name));
            shown += std::string(shown.empty() ? "" : " ") + (RuntimeMenuItemActive(item) ? "" : "-") + name +
                     (item.Checked() ? "*" : "");
        }
        return shown;
    }
    static void Key(const char* shortcut, bool served = true) {
        EXPECT_EQ(RuntimeDispatchShortcut(shortcut), served) << shortcut;
    }
};

TEST_F(CommandsTest, MenusFollowThePhasesOfAGameAndTheCommands) {
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "-Reset HvH* HvC Switch Shapes About"},
        {[] { Key("Cmd+1"); }, "-Reset HvH HvC* Switch Shapes About"},
        {[] { Key("Cmd+2"); }, "-Reset HvH* HvC Switch Shapes About"},
        {[] { Key("Cmd+T"); }, "-Reset HvH* HvC Switch Shapes About"},
        {[this] { ClickPit(1); }, "Reset -HvH* -HvC Switch Shapes About"},
        {[] { Key("Cmd+1", false); }, "Reset -HvH* -HvC Switch Shapes About"}, // the opponent is fixed now
        {[this] { ClickPits({4, 2, 5, 3}); }, "Reset -HvH* -HvC Switch Shapes About"}, // player 2 has won
        {[] { Key("Cmd+N"); }, "-Reset HvH* HvC Switch Shapes About"},
    };
    for (size_t step = 0; step < std::size(steps); ++step) {
        steps[step].first();
        EXPECT_EQ(Menus(), steps[step].second) << "after step " << step;
    }
    EXPECT_FALSE(game->isComputer);
}

TEST_F(CommandsTest, AWindowInFrontLeavesTheGameWindowsMenusTrue) {
    Key("Cmd+A");  // the About box opens before the first move, while the opponent may still change
    ClickPit(1);
    Dialog3::Shared()->Show();  // back in front, it serves no command of its own
    Key("Cmd+2", false);
    EXPECT_FALSE(game->isComputer);
    EXPECT_EQ(Menus(), "Reset -HvH* -HvC Switch Shapes About");
}

TEST_F(CommandsTest, OpponentAndSwitchTurnsMoveNoPieceAndSwitchTurnsRepaintsBothIndicators) {
    const int32_t repaints = game->RefreshRequests();
    const int32_t left = game->leftturn()->RefreshRequests(), right = game->RIghtTurn()->RefreshRequests();
    for (const char* key : {"Cmd+T", "Cmd+1", "Cmd+T", "Cmd+T"}) // the computer to move, twice
        Key(key);
    EXPECT_EQ(game->PlayersTurn, 4);
    EXPECT_TRUE(game->isComputer);
    EXPECT_EQ(PiecesOnBoard(), 0);
    EXPECT_FALSE(game->GameStarted);
    EXPECT_EQ(game->leftturn()->RefreshRequests(), left + 3);
    EXPECT_EQ(game->RIghtTurn()->RefreshRequests(), right + 3);
    EXPECT_EQ(game->RefreshRequests(), repaints);
}

TEST_F(CommandsTest, NewGameReplacesAFinishedGameAtOnceAndAsksDuringOne) {
    FinishAGame();
    Key("Cmd+T"); // after the end it picks who opens the next game
    EXPECT_EQ(game->PlayersTurn, 1);
    Key("Cmd+T");
    EXPECT_TRUE(game->GameOver);
    const int32_t repaints = game->RefreshRequests();
    Key("Cmd+N");
    EXPECT_EQ(PiecesOnBoard(), 0);
    EXPECT_FALSE(game->GameOver);
    EXPECT_FALSE(game->GameStarted);
    EXPECT_FALSE(BannerShown());
    EXPECT_EQ(game->RefreshRequests(), repaints + 1);
    EXPECT_EQ(game->PlayersTurn, 4);
    EXPECT_EQ(GetImplicitWindow("Dialog2.Dialog2"), nullptr);

    ClickPits({1, 5});
    const auto before = game->Pits;
    Key("Cmd+N");
    EXPECT_TRUE(NotNil(Dialog2::Shared()).Visible());
    EXPECT_EQ(game->Pits, before);
    EXPECT_TRUE(game->GameStarted);
    EXPECT_EQ(game->PlayersTurn, 4);
}

TEST_F(CommandsTest, AboutAndShapesShowTheirDialogsInEveryPhase) {
    Key("Cmd+A");
    EXPECT_TRUE(NotNil(Dialog3::Shared()).Visible());
    Dialog3::Shared()->Hide();
    FinishAGame();
    Key("Cmd+S");
    EXPECT_TRUE(NotNil(Dialog4::Shared()).Visible());
}

TEST_F(CommandsTest, OpeningCentresANewGameForTwoPeopleAThirdDownTheScreen) {
    const auto screen = Screen::At(0);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(game->Left(), (screen->Width() - 454) / 2);
    EXPECT_EQ(game->Top(), (screen->Height() - 215) / 3);
    EXPECT_EQ(game->Pits, (std::array<int32_t, 11>{}));
    EXPECT_EQ(game->PlayersTurn, 1);
    EXPECT_FALSE(game->isComputer || game->GameStarted || game->GameOver || BannerShown());
    EXPECT_EQ(game->P1Num, 129);
    EXPECT_EQ(game->P2Num, 128);
    EXPECT_EQ(ImageOf(NotNil(game->Player1Shape)), ImageOf(NotNil(NotNil(game->RFork).Getcicn(129))));
    EXPECT_EQ(ImageOf(NotNil(game->Player2Shape)), ImageOf(NotNil(game->RFork->Getcicn(128))));
}

TEST_F(CommandsTest, ClosingTheWindowQuitsWithStatusZero) {
    TopLevelOf(*game)->close(); // as the close box does
    EXPECT_TRUE(RuntimeQuitRequested());
    EXPECT_EQ(RuntimeExitStatus(), 0);
    RuntimeCancelQuit();
}

} // namespace
