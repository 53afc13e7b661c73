// The click rule: what a release on a pit does in each state of the game.
#include "GameWindow.h"

namespace {

class ClickRuleTest : public GameWindowTest {
  protected:
    int32_t PiecesOnBoard() const {
        int32_t pieces = 0;
        for (int32_t cell = 1; cell <= 9; ++cell)
            pieces += game->Pits[cell] != 0;
        return pieces;
    }
};

TEST_F(ClickRuleTest, BetweenPeopleAClickPlaysForThePlayerToMove) {
    game->PlayersTurn = 4;
    Click(7);
    EXPECT_EQ(game->Pits[7], 4);
    EXPECT_EQ(game->PlayersTurn, 1);
    EXPECT_TRUE(game->GameStarted);
    EXPECT_EQ(PiecesOnBoard(), 1);
}

TEST_F(ClickRuleTest, WhenTheComputerIsToOpenTheFirstClickLetsItOpenInTheCentre) {
    for (int32_t clicked : {1, 5, 9}) {
        game->Initialize();
        game->isComputer = true;
        game->PlayersTurn = 4;
        Click(clicked);
        SCOPED_TRACE(clicked);
        EXPECT_EQ(game->Pits[5], 4);
        EXPECT_EQ(PiecesOnBoard(), 1); // the clicked pit is not played
        EXPECT_EQ(game->PlayersTurn, 1);
        EXPECT_TRUE(game->GameStarted);
    }
}

TEST_F(ClickRuleTest, InAStartedGameAClickOnPlayerTwosTurnPlacesPlayerTwosPiece) {
    game->isComputer = true;
    Click(1); // the computer answers in 5
    game->mnuSwitch_Action();
    ASSERT_EQ(game->PlayersTurn, 4);
    Click(9);
    EXPECT_EQ(game->Pits[9], 4);
    EXPECT_EQ(game->PlayersTurn, 1);
    EXPECT_EQ(PiecesOnBoard(), 3); // and the computer has not moved
}

TEST_F(ClickRuleTest, AnOccupiedPitIgnoresTheClick) {
    Click(1);
    Click(2);
    const auto before = game->Pits;
    const int32_t turn = game->PlayersTurn;
    const int32_t repaints = game->RefreshRequests();
    const int32_t pieceRepaints = game->Canvas2At(1)->RefreshRequests();
    const int32_t indicatorRepaints = game->leftturn()->RefreshRequests();
    for (int32_t cell : {1, 2}) {
        EXPECT_TRUE(game->Canvas1At(cell)->RaiseEvent<bool>("MouseDown", 1, 1).value_or(false));
        Click(cell);
    }
    EXPECT_EQ(game->Pits, before);
    EXPECT_EQ(game->PlayersTurn, turn);
    EXPECT_EQ(game->RefreshRequests(), repaints);
    EXPECT_EQ(game->Canvas2At(1)->RefreshRequests(), pieceRepaints);
    EXPECT_EQ(game->leftturn()->RefreshRequests(), indicatorRepaints);
}

TEST_F(ClickRuleTest, AnOccupiedPitLeavesANewGameUnstarted) {
    game->Pits[3] = 4; // as a dialog could leave it; the rule must not count this as a move
    Click(3);
    EXPECT_FALSE(game->GameStarted);
    EXPECT_EQ(game->PlayersTurn, 1);
}

TEST_F(ClickRuleTest, AfterTheGameIsOverClicksDoNothing) {
    for (int32_t cell : {1, 4, 2, 5, 3})
        Click(cell);
    ASSERT_TRUE(game->GameOver);
    const auto before = game->Pits;
    const int32_t repaints = game->RefreshRequests();
    for (int32_t cell = 1; cell <= 9; ++cell) {
        EXPECT_TRUE(game->Canvas1At(cell)->RaiseEvent<bool>("MouseDown", 1, 1).value_or(false));
        Click(cell);
    }
    EXPECT_EQ(game->Pits, before);
    EXPECT_EQ(game->PlayersTurn, 4);
    EXPECT_TRUE(game->GameOver);
    EXPECT_TRUE(BannerShown());
    EXPECT_EQ(game->RefreshRequests(), repaints);
}

} // namespace
