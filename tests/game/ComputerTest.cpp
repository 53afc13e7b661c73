// The computer player: win, else block, else the centre, else an even random choice of an empty cell.
#include "support/GameFixture.h"

#include <array>
#include <vector>

namespace {

class ComputerTest : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        game->isComputer = true;
    }

    // The computer's move on the given board; returns the cell it played, 0 when none.
    int32_t ComputerMove(const std::array<int32_t, 11>& board) {
        game->Pits = board;
        game->GameOver = false;
        game->PlayersTurn = 4;
        game->DoComputer();
        int32_t played = 0;
        for (int32_t cell = 1; cell <= 9; ++cell) {
            if (game->Pits[cell] == board[cell]) continue;
            EXPECT_EQ(board[cell], 0) << "the computer played on an occupied cell " << cell;
            EXPECT_EQ(played, 0) << "the computer played twice";
            EXPECT_EQ(game->Pits[cell], 4);
            played = cell;
        }
        EXPECT_EQ(game->PlayersTurn, 1);
        return played;
    }

    // The first empty cell that the random fallback would draw with the current Rnd.
    static int32_t FirstEmptyDrawn(const std::array<int32_t, 11>& pits) {
        for (;;) {
            const double x = Rnd() * 9.0 + 1.0;
            if (x < 10.0 && pits[ToInt32(x)] == 0) return ToInt32(x);
        }
    }
};

TEST_F(ComputerTest, WinsElseBlocksElseTakesTheCentreAndOfTwoLinesTheLastInScanOrder) {
    const struct {
        const char* what;
        std::vector<int32_t> player1, player2;
        int32_t expected;
        bool wins;
    } cases[] = {
        {"opening", {}, {}, 5, false},
        {"a win before a block", {1, 2, 9}, {4, 5}, 6, true},
        {"of two wins the front row, not the left column", {5, 6, 9}, {1, 2, 4}, 3, true},
        {"of two threats the back row, not the left column", {1, 7, 9}, {3, 5}, 8, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComputerMove(Board(c.player1, c.player2)), c.expected) << c.what;
        EXPECT_EQ(game->GameOver, c.wins) << c.what;
    }
    for (int32_t first : {1, 2, 3, 4, 6, 7, 8, 9})
        EXPECT_EQ(ComputerMove(Board({first}, {})), 5) << "answering " << first;
}

TEST_F(ComputerTest, TheRandomFallbackPlaysTheFirstEmptyCellDrawn) {
    const std::array<int32_t, 11> boards[] = {Board({5}, {}), Board({1, 3, 6, 8}, {2, 4, 5, 9})};
    for (const auto& board : boards) {
        for (uint64_t seed = 1; seed <= 40; ++seed) {
            RndSeed(seed);
            const int32_t expected = FirstEmptyDrawn(board);
            RndSeed(seed);
            EXPECT_EQ(ComputerMove(board), expected) << "seed " << seed;
        }
    }
}

TEST_F(ComputerTest, TheRandomFallbackIsEvenOverTheEmptyCells) {
    RndSeed(20240601);
    constexpr int kRuns = 8000;
    std::array<int, 10> chosen{};
    for (int run = 0; run < kRuns; ++run) {
        const int32_t cell = ComputerMove(Board({5}, {}));
        ASSERT_GE(cell, 1);
        ASSERT_LE(cell, 9);
        ++chosen[cell];
    }
    EXPECT_EQ(chosen[5], 0);
    // Chi-square over the eight empty cells, seven degrees of freedom: 24.32 is the 0.1 % bound.
    const double expected = kRuns / 8.0;
    double chiSquare = 0;
    for (int32_t cell = 1; cell <= 9; ++cell)
        if (cell != 5) chiSquare += (chosen[cell] - expected) * (chosen[cell] - expected) / expected;
    EXPECT_LT(chiSquare, 24.32);
}

TEST_F(ComputerTest, IsNotStartedOnAFullBoardAndWouldDoNothingThere) {
    game->GameStarted = true;
    Place({1, 2, 6, 7}, {3, 4, 5, 8});
    game->PlayersTurn = 1;
    const int64_t yields = RuntimeBackgroundTaskCount();
    ClickPit(9); // fills the board without a line
    EXPECT_TRUE(game->GameOver);
    EXPECT_EQ(game->PlayersTurn, 4);
    EXPECT_EQ(RuntimeBackgroundTaskCount(), yields + 15) << "the end-of-game test's yields only: no computer's";

    game->GameOver = false;
    const auto before = game->Pits;
    game->DoComputer();
    EXPECT_EQ(game->Pits, before);
    EXPECT_EQ(game->PlayersTurn, 4);
}

} // namespace
