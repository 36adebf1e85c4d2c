#pragma once
// The charts beside three analysis grids, from the same figures the grids
// show: 出現頻度分析 (digit counts), 数字合計分析 (sums) and 出現間隔分析 (gaps).
#include <vector>

#include "core/chart_data.h"
#include "core/startup_statistics.h"
#include "core/window_content.h"

namespace n3 {

// The digit counts against the binomial band.
std::vector<ChartData> AppearanceFrequencyCharts(const DrawHistory& history, const StartupStatistics& stats,
                                                 const Game& game = kNumbers3);
// The sums of the complete draws against their exact distribution.
std::vector<ChartData> DigitSumCharts(const DrawHistory& history, const StartupStatistics& stats,
                                      const Game& game = kNumbers3);
// The gaps the grid shows ("n回前"), pooled and then digit by digit, against
// the geometric distribution of a digit that each draw holds with chance 0.271.
std::vector<ChartData> AppearanceIntervalCharts(const DrawHistory& history, const StartupStatistics& stats,
                                                const Game& game = kNumbers3);

inline constexpr int kGapChartBars = 20;  // the last bar holds gaps of 20 and more

// The charts `charts` draws, over the draws of `range` only when it is not
// the whole history, their titles then naming it ("（第6964回～第7063回）"):
// the charts follow the range the grid is shown and printed for.
using RowCharts = std::vector<ChartData> (*)(const DrawHistory&, const StartupStatistics&, const Game&);
std::vector<ChartData> ChartsInRange(RowCharts charts, const DrawHistory& history, const StartupStatistics& stats,
                                     DrawRange range, const Game& game = kNumbers3);

}  // namespace n3
