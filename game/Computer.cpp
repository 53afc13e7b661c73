// The computer, always player 2: win, else block, else the centre, else a random empty cell.
#include "framework/Application.h"
#include "game/Dialog1.h"
#include "game/Lines.h"

#include <algorithm>

namespace {
// The empty cell of the last line, in scan order, whose sum is the target; 0 when no line has it.
int32_t EmptyCellOfLastLine(const std::array<int32_t, 11>& pits, int32_t target) {
    int32_t chosen = 0;
    for (std::size_t line = 0; line < kLines.size(); ++line) {
        if (LineSum(pits, kLines[line]) == target)
            for (int32_t cell : kLines[line])
                if (pits[cell] == 0) chosen = cell;
        if (YieldsAfterLine(line)) RuntimeBackgroundTask();
    }
    return chosen;
}
} // namespace

void Dialog1::DoComputer() {
    // On a full board the random draw below would never end.
    if (std::none_of(Pits.begin() + 1, Pits.begin() + 10, [](int32_t cell) { return cell == 0; })) return;

    int32_t chosen = EmptyCellOfLastLine(Pits, 8);          // two of its own beside an empty cell: win
    if (chosen == 0) chosen = EmptyCellOfLastLine(Pits, 2); // two of player 1's: block
    if (chosen == 0 && Pits[5] == 0) chosen = 5;
    // Truncating a draw from [1, 10) gives each cell the same chance, so the choice is even over the empty
    // cells.
    while (chosen < 1) {
        const double x = Rnd() * 9.0 + 1.0;
        if (x < 10.0) {
            const int32_t cell = ToInt32(x);
            if (Pits[cell] == 0) chosen = cell;
        }
        RuntimeBackgroundTask();
    }
    DoPlay(chosen);
}
