#include "lab/backtest_chart.h"

#include <cstdio>

namespace n3 {

namespace {

constexpr int kCycleMethodCount = 4;  // " 7回周期法" .. "12回周期法" come first

constexpr std::array<Colour, kBacktestMethodCount> kMethodColours = {{
    {0, 90, 220},
    {0, 150, 60},
    {150, 0, 180},
    {0, 160, 170},
    {220, 30, 30},
    {230, 120, 0},
    {120, 80, 40},
}};

std::string Tip(int drawNo, std::string_view method, int hits, double expected) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "第%d回 %.*s 的中 %d 回（偶然なら %.1f 回）", drawNo, int(method.size()),
                  method.data(), hits, expected);
    return buffer;
}

}  // namespace

std::vector<ChartData> BacktestCharts(const BacktestRun& run) {
    // The cycle methods buy one number a draw and hit a few times in
    // thousands; the digit-set methods buy hundreds and hit every other
    // draw. On one scale the first would lie flat at 0, so each group has
    // a chart of its own.
    std::vector<ChartData> charts(2);
    charts[0].title = "周期法の的中回数の累計と偶然の期待値（1回1口）";
    charts[1].title = "消去法・連発予想・１発予想の的中回数の累計と偶然の期待値";
    for (ChartData& chart : charts) {
        chart.xTitle = "回";
        chart.yTitle = "的中回数（累計）";
    }
    const auto& trace = run.trace;
    const std::vector<std::size_t> kept = SpreadIndices(trace.targets.size(), kBacktestChartPoints);

    for (int m = 0; m < kBacktestMethodCount; ++m) {
        const std::string_view name = kBacktestMethodNames[std::size_t(m)];
        ChartSeries hits{std::string(name), SeriesKind::Line, kMethodColours[std::size_t(m)], {}, {}};
        ChartSeries chance{
            std::string(name) + "（偶然）", SeriesKind::DashedLine, kMethodColours[std::size_t(m)], {}, {}};
        for (const std::size_t i : kept) {
            const int drawNo = trace.targets[i];
            const int h = trace.hits[std::size_t(m)][i];
            const double e = trace.expected[std::size_t(m)][i];
            const std::string tip = Tip(drawNo, name, h, e);
            hits.points.push_back({double(drawNo), double(h), tip});
            chance.points.push_back({double(drawNo), e, tip});
        }
        ChartData& chart = charts[m < kCycleMethodCount ? 0 : 1];
        chart.series.push_back(std::move(hits));
        chart.series.push_back(std::move(chance));
    }
    return charts;
}

}  // namespace n3
