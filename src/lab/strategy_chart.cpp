#include "lab/strategy_chart.h"

#include <array>
#include <cstdio>

#include "lab/strategy_rules.h"

namespace n3 {

namespace {

constexpr std::array<Colour, 6> kColours = {{
    {0, 90, 220},
    {220, 30, 30},
    {0, 150, 60},
    {150, 0, 180},
    {230, 120, 0},
    {0, 160, 170},
}};

std::string Label(const Strategy& s) { return s.name.empty() ? DescribeRule(s) : s.name; }

std::string HitTip(int drawNo, const std::string& name, int hits, double expected) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "第%d回 %s 的中 %d 回（偶然なら %.1f 回）", drawNo, name.c_str(), hits,
                  expected);
    return buffer;
}

std::string BalanceTip(int drawNo, const std::string& name, long long balance) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "第%d回 %s 収支 %+lld 円", drawNo, name.c_str(), balance);
    return buffer;
}

}  // namespace

std::vector<ChartData> StrategyCharts(const StrategyRun& run) {
    // A strategy that buys one number a draw hits a few times in thousands,
    // one that buys thirty hits every seventh draw: on one scale the first
    // would lie flat, so each strategy's hits have a chart of their own.
    // The balances share one chart, in yen.
    const std::size_t strategies = run.strategies.size();
    std::vector<ChartData> charts(strategies + 1);
    for (std::size_t s = 0; s < strategies; ++s) {
        charts[s].title = "的中回数の累計と偶然の期待値：" + Label(run.strategies[s]);
        charts[s].xTitle = "回";
        charts[s].yTitle = "的中回数（累計）";
    }
    ChartData& money = charts.back();
    money.title = "収支の累計（当せん金－購入額）";
    money.xTitle = "回";
    money.yTitle = "円";
    const auto& trace = run.trace;
    const std::vector<std::size_t> kept = SpreadIndices(trace.targets.size(), kStrategyChartPoints);

    for (std::size_t s = 0; s < strategies; ++s) {
        const std::string name = Label(run.strategies[s]);
        const Colour colour = kColours[s % kColours.size()];
        ChartSeries hits{name, SeriesKind::Line, colour, {}, {}};
        ChartSeries chance{name + "（偶然）", SeriesKind::DashedLine, colour, {}, {}};
        ChartSeries balance{name, SeriesKind::Line, colour, {}, {}};
        for (const std::size_t i : kept) {
            const int drawNo = trace.targets[i];
            const int h = trace.hits[s][i];
            const double e = trace.expected[s][i];
            const std::string tip = HitTip(drawNo, name, h, e);
            hits.points.push_back({double(drawNo), double(h), tip});
            chance.points.push_back({double(drawNo), e, tip});
            const long long b = trace.balance[s][i];
            balance.points.push_back({double(drawNo), double(b), BalanceTip(drawNo, name, b)});
        }
        charts[s].series.push_back(std::move(hits));
        charts[s].series.push_back(std::move(chance));
        money.series.push_back(std::move(balance));
    }
    return charts;
}

}  // namespace n3
