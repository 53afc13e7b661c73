// The menu commands, their enabling and check marks, and the window's opening and closing.
#include "GameWindow.h"
#include "dialogs/Dialog2.h"
#include "dialogs/Dialog3.h"
#include "dialogs/Dialog4.h"
#include "framework/Menu.h"
#include "framework/qt/Bridge.h"
#include "shell/MenuItems.h"

namespace {

class CommandsTest : public GameWindowTest {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        game->Show(); // the frontmost window decides what the menus say
    }

    // What the menus say right now, as the user would find them on opening a menu.
    struct Menus {
        bool newGame, humanVsHuman, humanVsComputer, switchTurns, shapes, about;
        bool humanVsHumanChecked, humanVsComputerChecked;
    };
    Menus Read() {
        RuntimeUpdateMenus();
        return {RuntimeMenuItemActive(*mnuReset()),
                RuntimeMenuItemActive(*mnuHvH()),
                RuntimeMenuItemActive(*mnuHvC()),
                RuntimeMenuItemActive(*mnuSwitch()),
                RuntimeMenuItemActive(*mnuShapes()),
                RuntimeMenuItemActive(*mnuAbout()),
                mnuHvH()->Checked(),
                mnuHvC()->Checked()};
    }

    void ExpectNewGameMenus() {
        const Menus menus = Read();
        EXPECT_FALSE(menus.newGame);
        EXPECT_TRUE(menus.humanVsHuman);
        EXPECT_TRUE(menus.humanVsComputer);
        EXPECT_TRUE(menus.switchTurns && menus.shapes && menus.about);
    }

    void ExpectStartedGameMenus() {
        const Menus menus = Read();
        EXPECT_TRUE(menus.newGame);
        EXPECT_FALSE(menus.humanVsHuman);
        EXPECT_FALSE(menus.humanVsComputer);
        EXPECT_TRUE(menus.switchTurns && menus.shapes && menus.about);
    }

    void FinishAGame() {
        for (int32_t cell : {1, 4, 2, 5, 3})
            Click(cell);
        ASSERT_TRUE(game->GameOver);
    }
};

TEST_F(CommandsTest, SixCommandsAreBoundToTheWindow) {
    for (const char* item : {"mnuSwitch", "mnuHvH", "mnuHvC", "mnuReset", "mnuAbout", "mnuShapes"})
        EXPECT_TRUE(game->HandlesMenuItem(item)) << item;
}

TEST_F(CommandsTest, MenusFollowThePhasesOfAGame) {
    ExpectNewGameMenus();
    Click(1);
    ExpectStartedGameMenus();
    for (int32_t cell : {4, 2, 5, 3})
        Click(cell);
    ASSERT_TRUE(game->GameOver);
    ExpectStartedGameMenus();
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+N"));
    ExpectNewGameMenus();
}

TEST_F(CommandsTest, ExactlyOneOpponentCarriesTheCheckMark) {
    Menus menus = Read();
    EXPECT_TRUE(menus.humanVsHumanChecked);
    EXPECT_FALSE(menus.humanVsComputerChecked);

    EXPECT_TRUE(RuntimeChooseMenuItem(*mnuHvC()));
    menus = Read();
    EXPECT_FALSE(menus.humanVsHumanChecked);
    EXPECT_TRUE(menus.humanVsComputerChecked);

    EXPECT_TRUE(RuntimeChooseMenuItem(*mnuHvH()));
    menus = Read();
    EXPECT_TRUE(menus.humanVsHumanChecked);
    EXPECT_FALSE(menus.humanVsComputerChecked);
}

TEST_F(CommandsTest, TheOpponentCannotChangeDuringAGame) {
    Click(1);
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+1"));
    EXPECT_FALSE(game->isComputer);
    EXPECT_FALSE(RuntimeChooseMenuItem(*mnuHvC()));
    EXPECT_FALSE(game->isComputer);
}

TEST_F(CommandsTest, ChoosingTheOpponentChangesTheFlagOnly) {
    game->PlayersTurn = 4;
    const int32_t repaints = game->RefreshRequests();
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+1"));
    EXPECT_TRUE(game->isComputer);
    for (int32_t cell = 1; cell <= 9; ++cell)
        EXPECT_EQ(game->Pits[cell], 0); // nothing moves until a click
    EXPECT_EQ(game->RefreshRequests(), repaints);
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+2"));
    EXPECT_FALSE(game->isComputer);
}

TEST_F(CommandsTest, SwitchTurnsPassesTheTurnAndRepaintsBothIndicators) {
    const int32_t left = game->leftturn()->RefreshRequests();
    const int32_t right = game->RIghtTurn()->RefreshRequests();
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+T"));
    EXPECT_EQ(game->PlayersTurn, 4);
    EXPECT_EQ(game->leftturn()->RefreshRequests(), left + 1);
    EXPECT_EQ(game->RIghtTurn()->RefreshRequests(), right + 1);
    EXPECT_FALSE(game->GameStarted);
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+T"));
    EXPECT_EQ(game->PlayersTurn, 1);
}

TEST_F(CommandsTest, SwitchingToTheComputerBeforeTheFirstMoveMakesItOpenAtTheNextClick) {
    EXPECT_TRUE(RuntimeChooseMenuItem(*mnuHvC()));
    EXPECT_TRUE(RuntimeChooseMenuItem(*mnuSwitch()));
    for (int32_t cell = 1; cell <= 9; ++cell)
        EXPECT_EQ(game->Pits[cell], 0); // not by the switch itself
    Click(3);
    EXPECT_EQ(game->Pits[5], 4);
    EXPECT_EQ(game->Pits[3], 0);
    EXPECT_EQ(game->PlayersTurn, 1);
}

TEST_F(CommandsTest, AfterTheGameIsOverSwitchTurnsDecidesWhoOpensTheNextGame) {
    FinishAGame();
    ASSERT_EQ(game->PlayersTurn, 4);
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+T"));
    EXPECT_EQ(game->PlayersTurn, 1);
    EXPECT_TRUE(game->GameOver);
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+N"));
    EXPECT_EQ(game->PlayersTurn, 1);
}

TEST_F(CommandsTest, NewGameAfterTheGameIsOverStartsAtOnce) {
    FinishAGame();
    const int32_t repaints = game->RefreshRequests();
    EXPECT_TRUE(RuntimeChooseMenuItem(*mnuReset()));
    for (int32_t cell = 1; cell <= 9; ++cell)
        EXPECT_EQ(game->Pits[cell], 0);
    EXPECT_FALSE(game->GameOver);
    EXPECT_FALSE(game->GameStarted);
    EXPECT_FALSE(BannerShown());
    EXPECT_EQ(game->RefreshRequests(), repaints + 1);
    EXPECT_EQ(game->PlayersTurn, 4); // the player who did not make the last move opens
    EXPECT_EQ(GetImplicitWindow("Dialog2.Dialog2"), nullptr); // no question asked
}

TEST_F(CommandsTest, NewGameDuringAGameAsksFirstAndChangesNothing) {
    Click(1);
    Click(5);
    const auto before = game->Pits;
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+N"));
    EXPECT_TRUE(NotNil(Dialog2::Shared()).Visible());
    EXPECT_EQ(game->Pits, before);
    EXPECT_TRUE(game->GameStarted);
    EXPECT_EQ(game->PlayersTurn, 1);
}

TEST_F(CommandsTest, AboutAndShapesShowTheirDialogsInEveryPhase) {
    EXPECT_FALSE(game->mnuAbout_Action());
    EXPECT_TRUE(NotNil(Dialog3::Shared()).Visible());
    Dialog3::Shared()->Hide();
    FinishAGame();
    const Menus menus = Read();
    EXPECT_TRUE(menus.about && menus.shapes);
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+S"));
    EXPECT_TRUE(NotNil(Dialog4::Shared()).Visible());
}

TEST_F(CommandsTest, OpeningCentresTheWindowAtAThirdOfTheScreen) {
    const auto screen = Screen::At(0);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(game->Left(), (screen->Width() - 454) / 2);
    EXPECT_EQ(game->Top(), (screen->Height() - 215) / 3);
    if (screen->Width() == 1024 && screen->Height() == 768) {
        EXPECT_EQ(game->Left(), 285);
        EXPECT_EQ(game->Top(), 184);
    }
}

TEST_F(CommandsTest, ClosingTheWindowQuitsWithStatusZero) {
    ASSERT_FALSE(RuntimeQuitRequested());
    TopLevelOf(*game)->close(); // as the close box does
    EXPECT_TRUE(RuntimeQuitRequested());
    EXPECT_EQ(RuntimeExitStatus(), 0);
    RuntimeCancelQuit();
}

} // namespace
