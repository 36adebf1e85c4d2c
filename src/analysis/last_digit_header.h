#pragma once
// The grid shared by the two last-digit windows (下一桁出現傾向分析 and
// 下一桁連続出現回数分析): eleven columns (draw number, last digits 0 to 9),
// a title row and a digit-label row above the draw rows, and the same two
// rows mirrored below them.
#include "core/grid_model.h"

namespace n3 {

namespace last_digit_grid {
inline constexpr int kColumns = 11;
inline constexpr int kFirstDrawRow = 3;
// Column of last digit k (0..9).
constexpr int DigitColumn(int k) { return 2 + k; }
// Rows: 2 header rows, latestDrawNo draw rows, 2 footer rows.
constexpr int RowCount(int latestDrawNo) { return latestDrawNo + 4; }
constexpr int LastDrawRow(int latestDrawNo) { return latestDrawNo + 2; }
constexpr int FooterRow(int latestDrawNo) { return latestDrawNo + 3; }
}  // namespace last_digit_grid

// Size, widths, heights, the draw-number column's colours and the lines of
// rows 2 and below; leaves the top-left cell active.
void SetUpLastDigitGrid(GridModel& grid, int latestDrawNo);

// The two-row title block starting at `startRow`: title row then digit-label
// row, or in footer order digit-label row then title row.
void WriteLastDigitHeader(GridModel& grid, int startRow, bool footerOrder);

}  // namespace n3
