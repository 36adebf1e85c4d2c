#include "analysis/analysis_charts.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "analysis/appearance_interval.h"
#include "analysis/digit_sum.h"
#include "stats/chance_charts.h"

namespace n3 {

std::vector<ChartData> AppearanceFrequencyCharts(const DrawHistory&, const StartupStatistics& stats, const Game&) {
    const int trials = std::accumulate(stats.DigitCount.begin(), stats.DigitCount.end(), 0);
    return {DigitCountChart("数字別の出現回数と偶然の範囲", stats.DigitCount, trials)};
}

std::vector<ChartData> DigitSumCharts(const DrawHistory& history, const StartupStatistics&, const Game& game) {
    std::vector<int> sums(std::size_t(9 * game.digits + 1), 0);
    for (const Draw& draw : history)
        if (draw.complete(game)) ++sums[std::size_t(数字合計分析::DigitSum(draw, game))];
    return {SumHistogramChart("数字の合計の分布", sums, game)};
}

std::vector<ChartData> AppearanceIntervalCharts(const DrawHistory& history, const StartupStatistics&,
                                                const Game& game) {
    const auto intervals = 出現間隔分析::Intervals(history, game);
    std::vector<int> pooled(kGapChartBars, 0);
    std::vector<std::vector<int>> byDigit(10, std::vector<int>(kGapChartBars, 0));
    for (std::size_t r = 0; r < history.size(); ++r) {
        for (int i = 0; i < game.digits; ++i) {
            const int gap = intervals[r][std::size_t(i)];
            if (gap <= 0) continue;  // 初回, or a record the grid passes over
            const auto bar = std::size_t(std::min(gap, kGapChartBars) - 1);
            ++pooled[bar];
            ++byDigit[std::size_t(history[r].digit(i))][bar];
        }
    }
    // The chance that a given digit is among a draw's digits.
    double absent = 1.0;
    for (int i = 0; i < game.digits; ++i) absent *= 0.9;
    const double p = 1.0 - absent;
    std::vector<ChartData> charts{GapHistogramChart("出現間隔の分布（全数字）", pooled, p)};
    for (int d = 0; d < 10; ++d)
        charts.push_back(
            GapHistogramChart("出現間隔の分布（数字" + std::to_string(d) + "）", byDigit[std::size_t(d)], p));
    return charts;
}

std::vector<ChartData> ChartsInRange(RowCharts charts, const DrawHistory& history, const StartupStatistics& stats,
                                     DrawRange range, const Game& game) {
    if (range.from == 0 && range.to == 0) return charts(history, stats, game);
    DrawHistory inRange;
    int first = 0, last = 0;
    for (const Draw& d : history) {
        if (!range.contains(d.drawNo)) continue;
        inRange.push_back(d);
        if (!d.complete(game)) continue;
        if (first == 0) first = d.drawNo;
        last = d.drawNo;
    }
    std::vector<ChartData> out = charts(inRange, LoadStartupStatistics(inRange, game), game);
    const std::string named = "（第" + std::to_string(first) + "回～第" + std::to_string(last) + "回）";
    for (ChartData& chart : out) chart.title += named;
    return out;
}

}  // namespace n3
