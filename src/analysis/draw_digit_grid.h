#pragma once
// The grid shape shared by 出現間隔分析 and 数字間隔分析: a draw number
// column, then each digit of the draw followed by one result column, with
// two header rows at the top and the same two again below the last draw.
// The game says how many digits, so how many pairs of columns.
#include <string_view>

#include "core/draw.h"
#include "core/grid_model.h"

namespace n3::draw_digit_grid {

inline constexpr int kFirstDrawRow = 3;

// The draw number column and a digit and result column per digit.
constexpr int Columns(const Game& game) { return 1 + 2 * game.digits; }

// Column of digit i (0..game.digits-1) of a draw, and of its result.
constexpr int DigitColumn(int i) { return 2 * i + 2; }
constexpr int ResultColumn(int i) { return 2 * i + 3; }

// Sizes, lines and colours for a history whose latest draw is `latestDrawNo`:
// latestDrawNo + 4 rows, the bottom title row last.
void SetUp(GridModel& grid, int latestDrawNo, const Game& game);

// The heading row: 回数, then 第n数字 and `resultLabel` for each digit.
void WriteLabelRow(GridModel& grid, int row, std::string_view resultLabel, const Game& game);

// The draw number and the digits of a complete draw.
void WriteDraw(GridModel& grid, int row, const Draw& draw, const Game& game);

}  // namespace n3::draw_digit_grid
