#pragma once
// The eight lines of the board, in the order in which the rules and the computer scan them.

#include <array>
#include <cstddef>
#include <cstdint>

using Line = std::array<int32_t, 3>;

// The three columns, the three rows from the front, then the two diagonals.
// clang-format off
inline constexpr std::array<Line, 8> kLines{{
    {1, 4, 7}, {2, 5, 8}, {3, 6, 9},
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9},
    {1, 5, 9}, {3, 5, 7},
}};
// clang-format on

// The columns and rows are scanned in loops that yield after each line; the diagonals are single tests.
constexpr bool YieldsAfterLine(std::size_t line) {
    return line < 6;
}

// A cell holds 0, 1 or 4, so a line's sum tells its content: 3 or 12 three of a kind, 2 or 8 two of a kind
// beside an empty cell.
inline int32_t LineSum(const std::array<int32_t, 11>& pits, const Line& line) {
    return pits[line[0]] + pits[line[1]] + pits[line[2]];
}
