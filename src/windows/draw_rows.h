#pragma once
// The analysis windows whose grid has one row a draw, oldest first: they
// open scrolled to the newest draws, where the player looks first.
#include <string_view>

namespace n3 {

bool RowsAreDrawsOldestFirst(std::string_view className);

// Every window whose grid has one row a draw, its 回数 in the first cell:
// those above, and 当選結果一覧 (newest first). Their print can be narrowed
// to a range of draws.
bool RowsAreDraws(std::string_view className);

// The windows that open scrolled to their last rows: the grids of draws,
// oldest first, and 出現頻度分析, whose last rows are the highest counts,
// the ones the newest draws reached.
bool OpensAtLastRows(std::string_view className);

}  // namespace n3
