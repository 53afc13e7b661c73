// The computer player: win, else block, else the centre, else an even random choice of an empty cell.
#include "GameWindow.h"

#include <array>
#include <random>

namespace {

class ComputerTest : public GameWindowTest {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        game->isComputer = true;
    }

    // The computer's move on the given board; returns the cell it played, 0 when none.
    int32_t ComputerMove(std::initializer_list<int32_t> player1, std::initializer_list<int32_t> player2) {
        game->Pits = {};
        game->GameOver = false;
        Place(player1, player2);
        game->PlayersTurn = 4;
        const auto before = game->Pits;
        game->DoComputer();
        int32_t played = 0;
        for (int32_t cell = 1; cell <= 9; ++cell) {
            if (game->Pits[cell] == before[cell]) continue;
            EXPECT_EQ(before[cell], 0) << "the computer played on an occupied cell " << cell;
            EXPECT_EQ(played, 0) << "the computer played twice";
            EXPECT_EQ(game->Pits[cell], 4);
            played = cell;
        }
        EXPECT_EQ(game->PlayersTurn, 1);
        return played;
    }

    // The first cell that the random fallback would draw among those that are empty, for the current Rnd.
    static int32_t FirstEmptyDrawn(const std::array<int32_t, 11>& pits, int* draws) {
        for (*draws = 1;; ++*draws) {
            const double x = Rnd() * 9.0 + 1.0;
            if (x < 10.0 && pits[ToInt32(x)] == 0) return ToInt32(x);
        }
    }
};

TEST_F(ComputerTest, OpensInTheCentreAndAnswersAnyOtherFirstMoveThere) {
    EXPECT_EQ(ComputerMove({}, {}), 5);
    for (int32_t first : {1, 2, 3, 4, 6, 7, 8, 9})
        EXPECT_EQ(ComputerMove({first}, {}), 5) << first;
}

TEST_F(ComputerTest, AWinGoesBeforeABlock) {
    EXPECT_EQ(ComputerMove({1, 2, 9}, {4, 5}), 6);
    EXPECT_TRUE(game->GameOver);
}

TEST_F(ComputerTest, OfTwoWinningLinesTheLaterInScanOrderIsTaken) {
    EXPECT_EQ(ComputerMove({5, 6, 9}, {1, 2, 4}), 3); // the front row, not the left column's cell 7
}

TEST_F(ComputerTest, OfTwoThreatsTheLaterInScanOrderIsBlocked) {
    EXPECT_EQ(ComputerMove({1, 7, 9}, {3, 5}), 8); // the back row; the left column's cell 4 stays open
}

TEST_F(ComputerTest, TheRandomFallbackPlaysTheFirstEmptyCellDrawn) {
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        std::array<int32_t, 11> board{};
        board[5] = 1;
        RndSeed(seed);
        int draws = 0;
        const int32_t expected = FirstEmptyDrawn(board, &draws);

        RndSeed(seed);
        EXPECT_EQ(ComputerMove({5}, {}), expected) << "seed " << seed;
    }
}

TEST_F(ComputerTest, WithOneEmptyCellTheRandomLoopDrawsUntilItLandsThere) {
    std::array<int32_t, 11> board{};
    for (int32_t cell : {1, 3, 6, 8})
        board[cell] = 1;
    for (int32_t cell : {2, 4, 5, 9})
        board[cell] = 4;
    RndSeed(7);
    int draws = 0;
    ASSERT_EQ(FirstEmptyDrawn(board, &draws), 7);

    RndSeed(7);
    const int64_t yields = RuntimeBackgroundTaskCount();
    EXPECT_EQ(ComputerMove({1, 3, 6, 8}, {2, 4, 5, 9}), 7);
    // Six yields for each of the two line passes, one per draw, and fifteen for the end-of-game test.
    EXPECT_EQ(RuntimeBackgroundTaskCount(), yields + 12 + draws + 15);
    EXPECT_TRUE(game->GameOver); // the board is full
}

TEST_F(ComputerTest, TheRandomFallbackIsEvenOverTheEmptyCells) {
    RndSeed(20240601);
    constexpr int kRuns = 8000;
    std::array<int, 10> chosen{};
    for (int run = 0; run < kRuns; ++run) {
        const int32_t cell = ComputerMove({5}, {});
        ASSERT_GE(cell, 1);
        ASSERT_LE(cell, 9);
        ++chosen[cell];
    }
    EXPECT_EQ(chosen[5], 0);
    // Chi-square over the eight empty cells, seven degrees of freedom: 24.32 is the 0.1 % bound.
    const double expected = kRuns / 8.0;
    double chiSquare = 0;
    for (int32_t cell = 1; cell <= 9; ++cell) {
        if (cell == 5) continue;
        chiSquare += (chosen[cell] - expected) * (chosen[cell] - expected) / expected;
    }
    EXPECT_LT(chiSquare, 24.32);
}

TEST_F(ComputerTest, IsNeverStartedOnAFullBoard) {
    // Player 1's ninth piece fills the board without a line: the game ends and the computer has no move.
    game->GameStarted = true;
    Place({1, 2, 6, 7}, {3, 4, 5, 8});
    game->PlayersTurn = 1;
    const int64_t yields = RuntimeBackgroundTaskCount();
    Click(9);
    EXPECT_TRUE(game->GameOver);
    EXPECT_EQ(game->PlayersTurn, 4);
    EXPECT_EQ(RuntimeBackgroundTaskCount(), yields + 15); // the end-of-game test only: no computer passes
}

TEST_F(ComputerTest, OnAFullBoardItDoesNothingRatherThanDrawForever) {
    Place({1, 2, 6, 7, 9}, {3, 4, 5, 8});
    game->PlayersTurn = 4;
    const auto before = game->Pits;
    game->DoComputer();
    EXPECT_EQ(game->Pits, before);
    EXPECT_EQ(game->PlayersTurn, 4);
}

// Whole games with random clicks, also on occupied pits and after the end: the board only ever fills, and
// the game ends exactly when a line is complete or the board is full.
TEST_F(ComputerTest, RandomClicksNeverCorruptTheBoard) {
    std::mt19937 clicks(12345);
    RndSeed(99);
    for (int round = 0; round < 200; ++round) {
        game->Initialize();
        for (int n = 0; n < 15; ++n) {
            const auto before = game->Pits;
            const bool wasOver = game->GameOver;
            const int32_t cell = std::uniform_int_distribution<int32_t>(1, 9)(clicks);
            Click(cell);

            int changed = 0, player1 = 0, player2 = 0;
            for (int32_t c = 1; c <= 9; ++c) {
                ASSERT_TRUE(game->Pits[c] == 0 || game->Pits[c] == 1 || game->Pits[c] == 4);
                if (before[c] != game->Pits[c]) {
                    ASSERT_EQ(before[c], 0) << "an occupied cell changed";
                    ++changed;
                }
                player1 += game->Pits[c] == 1;
                player2 += game->Pits[c] == 4;
            }
            if (before[cell] != 0 || wasOver)
                EXPECT_EQ(changed, 0);
            else
                EXPECT_TRUE(changed == 1 || changed == 2);
            EXPECT_LE(player1 - player2, 1);
            EXPECT_GE(player1 - player2, -1);

            bool line = false;
            for (const auto& l : kEveryLine) {
                const int32_t sum = game->Pits[l[0]] + game->Pits[l[1]] + game->Pits[l[2]];
                line = line || sum == 3 || sum == 12;
            }
            EXPECT_EQ(game->GameOver, line || player1 + player2 == 9);
            EXPECT_EQ(BannerShown(), game->GameOver);
        }
    }
}

} // namespace
