#pragma once
// The charts of the window 買い方の検証, from the same walk as the grid:
// one chart per strategy of its cumulative hits beside the hits chance
// gives (dashed), then one of every strategy's cumulative balance (won
// minus spent) on the draws with a known prize.
#include <vector>

#include "core/chart_data.h"
#include "lab/strategy_walk.h"

namespace n3 {

inline constexpr int kStrategyChartPoints = 400;  // at most this many points a line

std::vector<ChartData> StrategyCharts(const StrategyRun& run);

}  // namespace n3
