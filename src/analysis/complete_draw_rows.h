#pragma once
// The complete draws of a history as the grids of one row a draw write
// them: in order, one a row, their digits packed beside the draw number.
// Gathered once, they let a grid be written a column at a time, top to
// bottom, the order in which the grid keeps its cells.
#include <array>
#include <cstdint>
#include <vector>

#include "core/draw.h"

namespace n3 {

struct CompleteDrawRow {
    int drawNo = 0;
    std::array<std::uint8_t, kMaxGameDigits> digits{};  // the game's digits; the rest 0
    int digit(int i) const { return digits[std::size_t(i)]; }
};

// The draws of `history` complete for the game, in the history's order.
std::vector<CompleteDrawRow> CompleteDrawRows(const DrawHistory& history, const Game& game);

}  // namespace n3
