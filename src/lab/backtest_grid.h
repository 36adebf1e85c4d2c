#pragma once
// The grid of the window 予想の検証: one row per method with its figures
// beside chance, under a line naming the targets and above notes that say
// how to read them.
#include <string>

#include "core/grid_model.h"
#include "lab/backtest_figures.h"
#include "lab/figures_grid.h"

namespace n3 {

inline constexpr int kBacktestGridColumns = 18;
inline constexpr int kBacktestFirstMethodRow = kFiguresFirstRow;
inline constexpr std::string_view kNoMoneyNote =
    "当選結果（ストレートの当せん金額）が登録されていないため、金額の欄は空です。";

GridModel BacktestGrid(const BacktestFigures& figures);

}  // namespace n3
