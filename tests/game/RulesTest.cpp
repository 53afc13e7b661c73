// The rules: a new game, moves and turns, and the end-of-game test.
#include "GameWindow.h"

namespace {

using RulesTest = GameWindowTest;

TEST_F(RulesTest, AFreshWindowHoldsANewGameForTwoPeople) {
    for (int32_t cell = 0; cell <= 10; ++cell)
        EXPECT_EQ(game->Pits[cell], 0) << cell;
    EXPECT_EQ(game->PlayersTurn, 1);
    EXPECT_FALSE(game->isComputer);
    EXPECT_FALSE(game->GameStarted);
    EXPECT_FALSE(game->GameOver);
    EXPECT_FALSE(BannerShown());
    EXPECT_EQ(game->P1Num, 129);
    EXPECT_EQ(game->P2Num, 128);
    EXPECT_NE(game->RFork, nullptr);
    EXPECT_NE(game->Player1Shape, nullptr);
    EXPECT_NE(game->Player2Shape, nullptr);
}

TEST_F(RulesTest, PlayersAlternateAndTheFrontRowEndsTheGame) {
    const int32_t repaints = game->RefreshRequests();
    for (int32_t cell : {1, 4, 2, 5})
        Click(cell);
    EXPECT_EQ(game->Pits[1], 1);
    EXPECT_EQ(game->Pits[4], 4);
    EXPECT_EQ(game->Pits[2], 1);
    EXPECT_EQ(game->Pits[5], 4);
    EXPECT_EQ(game->PlayersTurn, 1);
    EXPECT_TRUE(game->GameStarted);
    EXPECT_FALSE(game->GameOver);
    EXPECT_EQ(game->RefreshRequests(), repaints);

    Click(3);
    EXPECT_TRUE(game->GameOver);
    EXPECT_EQ(game->RefreshRequests(), repaints + 1);
    EXPECT_TRUE(BannerShown());
    EXPECT_EQ(game->PlayersTurn, 4); // player 2 opens the next game
}

TEST_F(RulesTest, EachMoveRepaintsItsPieceAndBothIndicators) {
    const int32_t piece = NotNil(game->Canvas2At(6)).RefreshRequests();
    const int32_t left = NotNil(game->leftturn()).RefreshRequests();
    const int32_t right = NotNil(game->RIghtTurn()).RefreshRequests();
    game->DoPlay(6);
    EXPECT_EQ(game->Canvas2At(6)->RefreshRequests(), piece + 1);
    EXPECT_EQ(game->leftturn()->RefreshRequests(), left + 1);
    EXPECT_EQ(game->RIghtTurn()->RefreshRequests(), right + 1);
    EXPECT_FALSE(game->GameOver);
    EXPECT_FALSE(BannerShown());
}

TEST_F(RulesTest, EveryLineOfEitherPlayerEndsTheGameWithOneRepaint) {
    for (int32_t player : {1, 4}) {
        for (const auto& line : kEveryLine) {
            game->Initialize();
            game->Pits[line[0]] = player;
            game->Pits[line[1]] = player;
            game->PlayersTurn = player;
            const int32_t repaints = game->RefreshRequests();
            game->DoPlay(line[2]);
            EXPECT_TRUE(game->GameOver) << "player " << player << " line " << line[0] << line[1] << line[2];
            EXPECT_EQ(game->RefreshRequests(), repaints + 1);
            EXPECT_TRUE(BannerShown());
        }
    }
}

TEST_F(RulesTest, ALineOfMixedPiecesDoesNotEndTheGame) {
    for (const auto& line : kEveryLine) {
        game->Initialize();
        game->Pits[line[0]] = 1;
        game->Pits[line[1]] = 4;
        game->PlayersTurn = 1;
        game->DoPlay(line[2]);
        EXPECT_FALSE(game->GameOver);
    }
}

TEST_F(RulesTest, TheNinthPieceCompletingOneLineAlsoFillsTheBoard) {
    Place({2, 3, 4, 8}, {5, 6, 7, 9});
    const int32_t repaints = game->RefreshRequests();
    game->DoPlay(1);
    EXPECT_TRUE(game->GameOver);
    EXPECT_EQ(game->RefreshRequests(), repaints + 2);
}

TEST_F(RulesTest, TheNinthPieceCompletingTwoLinesAsksForThreeRepaints) {
    Place({2, 3, 4, 7}, {5, 6, 8, 9});
    const int32_t repaints = game->RefreshRequests();
    game->DoPlay(1);
    EXPECT_TRUE(game->GameOver);
    EXPECT_EQ(game->RefreshRequests(), repaints + 3);
    EXPECT_TRUE(BannerShown());
}

TEST_F(RulesTest, AFullBoardWithoutALineEndsTheGame) {
    Place({1, 2, 6, 7}, {3, 4, 5, 8});
    const int32_t repaints = game->RefreshRequests();
    game->DoPlay(9);
    EXPECT_TRUE(game->GameOver);
    EXPECT_EQ(game->RefreshRequests(), repaints + 1);
    EXPECT_TRUE(BannerShown());
}

TEST_F(RulesTest, TheEndOfGameTestYieldsFifteenTimes) {
    const int64_t yields = RuntimeBackgroundTaskCount();
    game->check4win();
    EXPECT_EQ(RuntimeBackgroundTaskCount(), yields + 15);
}

TEST_F(RulesTest, ANewGameKeepsTurnOpponentAndShapes) {
    for (int32_t cell : {1, 4, 2, 5, 3})
        Click(cell);
    ASSERT_TRUE(game->GameOver);
    game->isComputer = true;
    const auto shape1 = game->Player1Shape;
    const auto shape2 = game->Player2Shape;
    const int32_t repaints = game->RefreshRequests();
    const int64_t yields = RuntimeBackgroundTaskCount();

    game->Initialize();

    for (int32_t cell = 1; cell <= 9; ++cell)
        EXPECT_EQ(game->Pits[cell], 0);
    EXPECT_FALSE(game->GameStarted);
    EXPECT_FALSE(game->GameOver);
    EXPECT_FALSE(BannerShown());
    EXPECT_EQ(game->PlayersTurn, 4);
    EXPECT_TRUE(game->isComputer);
    EXPECT_EQ(game->Player1Shape, shape1);
    EXPECT_EQ(game->Player2Shape, shape2);
    EXPECT_EQ(game->P1Num, 129);
    EXPECT_EQ(game->RefreshRequests(), repaints); // the callers ask for the repaint
    EXPECT_EQ(RuntimeBackgroundTaskCount(), yields + 9);
}

TEST_F(RulesTest, MovesOutsideTheRulesChangeNothing) {
    Place({1}, {2});
    game->PlayersTurn = 1;
    const auto before = game->Pits;
    for (int32_t cell : {0, 10, -1, 11, 1000, -2147483647 - 1, 1, 2})
        game->DoPlay(cell);
    EXPECT_EQ(game->Pits, before);
    EXPECT_EQ(game->PlayersTurn, 1);

    game->GameOver = true;
    game->DoPlay(5);
    EXPECT_EQ(game->Pits, before);
}

// Against the computer: its answer comes within the click of player 1.

TEST_F(RulesTest, TheComputerAnswersWithinTheSameClick) {
    game->isComputer = true;
    Click(1);
    EXPECT_EQ(game->Pits[1], 1);
    EXPECT_EQ(game->Pits[5], 4);
    EXPECT_EQ(game->PlayersTurn, 1);
    EXPECT_TRUE(game->GameStarted);
}

TEST_F(RulesTest, PlayerOnesLineEndsTheGameBeforeTheComputerMoves) {
    game->isComputer = true;
    game->GameStarted = true;
    Place({1, 2}, {4, 5});
    game->PlayersTurn = 1;
    Click(3);
    EXPECT_TRUE(game->GameOver);
    EXPECT_EQ(game->Pits[6], 0); // the computer's winning cell stays empty
    EXPECT_EQ(game->PlayersTurn, 4);
}

TEST_F(RulesTest, TheComputerCompletingItsLineEndsTheGame) {
    game->isComputer = true;
    game->GameStarted = true;
    Place({1, 2}, {4, 5});
    game->PlayersTurn = 1;
    Click(9); // player 1 neither wins nor blocks
    EXPECT_EQ(game->Pits[6], 4);
    EXPECT_TRUE(game->GameOver);
    EXPECT_TRUE(BannerShown());
    EXPECT_EQ(game->PlayersTurn, 1);
}

TEST_F(RulesTest, AMoveOfPlayerTwoByAPersonNeverStartsTheComputer) {
    game->isComputer = true;
    game->GameStarted = true;
    Place({1}, {5});
    game->PlayersTurn = 4;
    Click(9);
    EXPECT_EQ(game->Pits[9], 4);
    EXPECT_EQ(game->PlayersTurn, 1);
    int32_t pieces = 0;
    for (int32_t cell = 1; cell <= 9; ++cell)
        pieces += game->Pits[cell] != 0;
    EXPECT_EQ(pieces, 3);
}

} // namespace
