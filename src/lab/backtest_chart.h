#pragma once
// The chart of the window 予想の検証: each method's cumulative hits over the
// targets beside the hits chance would give (dashed), from the same walk as
// the grid.
#include <vector>

#include "core/chart_data.h"
#include "lab/backtest.h"

namespace n3 {

// At most this many points per line: a long history is sampled evenly,
// the last target always kept.
inline constexpr int kBacktestChartPoints = 400;

// Two charts: the four cycle methods, then the three digit-set methods.
std::vector<ChartData> BacktestCharts(const BacktestRun& run);

}  // namespace n3
