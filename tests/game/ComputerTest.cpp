// The computer player: win, else block, else the centre, else an even random choice of an empty cell.
#include "support/GameFixture.h"

#include <string>

namespace {

class ComputerTest : public GameFixture {
protected:
    // The computer's move on a board written cell by cell from 1 to 9, "." for an empty one: the first cell
    // that changed, 0 when none did.
    int32_t ComputerMove(const std::string& board) {
        for (int32_t cell = 1; cell <= 9; ++cell)
            game->Pits[cell] = board[cell - 1] == '.' ? 0 : board[cell - 1] - '0';
        const Pits before = game->Pits;
        game->GameOver = false;
        game->PlayersTurn = 4;
        game->DoComputer();
        int32_t cell = 1;
        while (cell <= 9 && game->Pits[cell] == before[cell])
            ++cell;
        return cell % 10;
    }
};

TEST_F(ComputerTest, WinsElseBlocksElseTakesTheCentreAndOfTwoLinesTheLastInScanOrder) {
    const std::pair<const char*, int32_t> cases[] = {
        {".........", 5},  // it opens in the centre
        {"11.44...1", 6},  // a win before a block
        {"44.411..1", 3},  // of two wins the front row, not the left column
        {"1.4.4.1.1", 8},  // of two threats the back row, not the left column
        {"..4141...", 7},  // a win on the last diagonal
        {"141441.14", 7},  // the one empty cell
    };
    for (auto [board, cell] : cases)
        EXPECT_EQ(ComputerMove(board), cell) << board;
    for (const char* board :
         {"1........", ".1.......", "..1......", "...1.....", ".....1...", "......1..", ".......1.", "........1"})
        EXPECT_EQ(ComputerMove(board), 5) << board;
}

TEST_F(ComputerTest, TheRandomFallbackIsEvenOverTheEmptyCells) {
    RndSeed(20240601);
    constexpr int kRuns = 8000;
    std::array<int, 10> chosen{};
    for (int run = 0; run < kRuns; ++run)
        ++chosen[ComputerMove("....1....")];
    EXPECT_EQ(chosen[0] + chosen[5], 0);
    // Chi-square over the eight empty cells, seven degrees of freedom: 24.32 is the 0.1 % bound.
    double chiSquare = 0;
    for (int32_t cell = 1; cell <= 9; ++cell)
        if (cell != 5) chiSquare += (chosen[cell] - kRuns / 8.0) * (chosen[cell] - kRuns / 8.0) / (kRuns / 8.0);
    EXPECT_LT(chiSquare, 24.32);
}

}  // namespace
