#pragma once
// The grid of the window 買い方の検証: one row per strategy with its figures
// beside chance, under a line naming the targets and above notes that say
// how to read them.
#include "core/grid_model.h"
#include "lab/figures_grid.h"
#include "lab/strategy_figures.h"

namespace n3 {

inline constexpr int kStrategyGridColumns = 17;
inline constexpr int kStrategyFirstRow = kFiguresFirstRow;

GridModel StrategyGrid(const StrategyTestFigures& figures);

}  // namespace n3
