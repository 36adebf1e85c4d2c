// The charts of the randomness window and of three analyses, and the
// window's grid and JSON member, read through the window table.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_charts.h"
#include "app/cli/window_json.h"
#include "core/startup_statistics.h"
#include "stats/chance_charts.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;
using n3::testing::generatedHistory;
using n3::testing::history;

namespace {

const ChartSeries& SeriesOf(const ChartData& chart, SeriesKind kind) {
    for (const auto& s : chart.series)
        if (s.kind == kind) return s;
    throw std::runtime_error("no such series");
}

// The smallest k with P(X <= k) >= level for X ~ Binomial(n, p), summed term by term.
int BinomialQuantileBySumming(int n, double p, double level) {
    double cumulative = 0;
    for (int k = 0; k <= n; ++k) {
        const double logTerm = std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) +
                               k * std::log(p) + (n - k) * std::log(1 - p);
        cumulative += std::exp(logTerm);
        if (cumulative >= level) return k;
    }
    return n;
}

WindowContent RandomnessContent(const DrawHistory& h, DrawRange range = {}) {
    const StartupStatistics stats = LoadStartupStatistics(h);
    const ResultHistory results;
    const AnalysisWindowInfo* row = FindAnalysisWindow("乱数性の検定");
    if (!row) throw std::runtime_error("no row");
    return BuildWindowContent(*row, WindowInput{h, stats, results, {}, range, std::nullopt});
}

}  // namespace

TEST(RandomnessCharts, DigitCountsWithExpectedLineAndBinomialBand) {
    std::array<int, 10> counts{};
    for (int d = 0; d < 10; ++d) counts[std::size_t(d)] = 280 + 5 * d;
    const ChartData chart = DigitCountChart("t", counts, 3000);
    EXPECT_EQ(chart.categories.size(), 10u);
    const auto& bars = SeriesOf(chart, SeriesKind::Bars);
    const auto& line = SeriesOf(chart, SeriesKind::Line);
    const auto& band = SeriesOf(chart, SeriesKind::Band);
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(bars.points[std::size_t(d)].y, counts[std::size_t(d)]);
        EXPECT_EQ(bars.points[std::size_t(d)].x, d);
        EXPECT_DOUBLE_EQ(line.points[std::size_t(d)].y, 300.0);
    }
    EXPECT_NE(bars.points[3].tip.find("数字3: 295回"), std::string::npos);
    // The band holds all ten digits at once: its edges are the 0.25% and
    // 99.75% points of Binomial(3000, 0.1) (0.05 shared by ten digits), and
    // its label says so; it is wider than one digit's own 95% band.
    const int low = BinomialQuantileBySumming(3000, 0.1, 0.0025);
    const int high = BinomialQuantileBySumming(3000, 0.1, 0.9975);
    EXPECT_NEAR(band.points[0].y, low, 1.0);
    EXPECT_NEAR(band.high[0], high, 1.0);
    const auto single = BinomialBand95(3000, 0.1);
    EXPECT_LT(band.points[0].y, single[0]);
    EXPECT_GT(band.high[0], single[1]);
    EXPECT_NE(band.name.find("10個の数字まとめて95%"), std::string::npos) << band.name;
    EXPECT_NE(bars.points[3].tip.find("10個まとめて95%の範囲"), std::string::npos);
}

TEST(RandomnessCharts, AnalysisChartsReadTheFiguresTheirGridsShow) {
    const DrawHistory h = history({{1, 1, 2, 3}, {2, 4, 5, 6}, {3, 1, 7, 8}, {4, 9, -1, 9}, {5, 2, 2, 1}});
    const StartupStatistics stats = LoadStartupStatistics(h);

    const auto frequency = AppearanceFrequencyCharts(h, stats);
    ASSERT_EQ(frequency.size(), 1u);
    const auto& digitBars = SeriesOf(frequency[0], SeriesKind::Bars);
    EXPECT_EQ(digitBars.points[1].y, 3);  // 1 in draws 1, 3 and 5
    EXPECT_EQ(digitBars.points[2].y, 3);  // 2 once in draw 1, twice in draw 5
    EXPECT_EQ(digitBars.points[9].y, 0);  // draw 4 is incomplete

    const auto sums = DigitSumCharts(h, stats);
    ASSERT_EQ(sums.size(), 1u);
    const auto& sumBars = SeriesOf(sums[0], SeriesKind::Bars);
    EXPECT_EQ(sumBars.points[6].y, 1);   // 1+2+3
    EXPECT_EQ(sumBars.points[15].y, 1);  // 4+5+6
    EXPECT_EQ(sumBars.points[16].y, 1);  // 1+7+8
    EXPECT_EQ(sumBars.points[5].y, 1);   // 2+2+1
    double expected = 0;
    for (const auto& p : SeriesOf(sums[0], SeriesKind::DashedLine).points) expected += p.y;
    EXPECT_NEAR(expected, 4.0, 1e-9);

    // Gaps: draw 3's 1 is 2回前; draw 5's 2s are 4回前 and its 1 is 2回前.
    const auto gaps = AppearanceIntervalCharts(h, stats);
    ASSERT_EQ(gaps.size(), 11u);
    const auto& pooled = SeriesOf(gaps[0], SeriesKind::Bars);
    ASSERT_EQ(pooled.points.size(), std::size_t(kGapChartBars));
    EXPECT_EQ(pooled.points[1].y, 2);  // two gaps of 2
    EXPECT_EQ(pooled.points[3].y, 2);  // two gaps of 4
    EXPECT_EQ(SeriesOf(gaps[1 + 2], SeriesKind::Bars).points[3].y, 2);
    EXPECT_EQ(SeriesOf(gaps[1 + 1], SeriesKind::Bars).points[1].y, 2);
    EXPECT_EQ(gaps[0].categories.back(), "20+");
    // The geometric expectation adds up to the four gaps drawn.
    double chance = 0;
    for (const auto& p : SeriesOf(gaps[0], SeriesKind::DashedLine).points) chance += p.y;
    EXPECT_NEAR(chance, 4.0, 1e-9);
    EXPECT_NEAR(SeriesOf(gaps[0], SeriesKind::DashedLine).points[0].y, 4 * 0.271, 1e-9);
}

// A chart from rows counts only the draws of the range asked and says which.
TEST(RandomnessCharts, RowChartsFollowTheRange) {
    const DrawHistory h = history({{1, 1, 2, 3}, {2, 4, 5, 6}, {3, 1, 7, 8}, {4, 9, -1, 9}, {5, 2, 2, 1}});
    const StartupStatistics stats = LoadStartupStatistics(h);
    const auto whole = ChartsInRange(&DigitSumCharts, h, stats, {});
    EXPECT_EQ(whole[0].title, DigitSumCharts(h, stats)[0].title);
    const auto last = ChartsInRange(&DigitSumCharts, h, stats, {3, 0});
    EXPECT_EQ(last[0].title, whole[0].title + "（第3回～第5回）");
    double bars = 0;
    for (const auto& p : SeriesOf(last[0], SeriesKind::Bars).points) bars += p.y;
    EXPECT_EQ(bars, 2);  // draws 3 and 5; 4 is incomplete
    HistorySnapshot snapshot;
    snapshot.history = h;
    snapshot.stats = stats;
    const WindowInput input = InputOf(snapshot, {}, {3, 0});
    EXPECT_EQ(BuildWindowContent(*FindAnalysisWindow("数字合計分析"), input).charts()[0].title, last[0].title);
}

TEST(RandomnessWindow, GridChartsAndJsonFollowTheRange) {
    const DrawHistory h = generatedHistory(700, 9);
    const WindowContent all = RandomnessContent(h);
    EXPECT_EQ(all.grid().rows(), 12);
    EXPECT_EQ(all.grid().text(1, 3), "数字の出現回数");
    EXPECT_EQ(all.grid().text(2, 3), "700");
    EXPECT_EQ(all.grid().text(2, 9), "699");  // 引っ張り: pairs
    EXPECT_EQ(all.grid().frozenRows, 2);
    ASSERT_EQ(all.charts().size(), 2u);
    double bars = 0;
    for (const auto& p : SeriesOf(all.charts()[0], SeriesKind::Bars).points) bars += p.y;
    EXPECT_EQ(bars, 2100);

    const WindowContent part = RandomnessContent(h, DrawRange{661, 700});
    EXPECT_EQ(part.grid().text(2, 3), "40");
    EXPECT_EQ(part.grid().text(7, 3), "データ不足");
    EXPECT_EQ(part.grid().text(5, 3), "—");
    const std::string json = WindowJsonMembers(part);
    EXPECT_EQ(json.rfind("\"tests\": [{\"name\": \"数字の出現回数\", \"n\": 40, ", 0), 0u) << json;
    EXPECT_NE(json.find("\"p\": null, \"pCorrected\": null, \"verdict\": \"データ不足\""), std::string::npos);
    EXPECT_NE(json.find("{\"name\": \"引っ張り\", \"n\": 39, "), std::string::npos);
    EXPECT_NE(json.find("\"df\": null"), std::string::npos);
    std::size_t last = 0;
    for (const char* name : {"第1数字の出現回数", "組合せの型", "数字の合計", "引っ張り", "位置の独立性（第1・第3）"}) {
        const std::size_t at = json.find(name);
        ASSERT_NE(at, std::string::npos) << name;
        EXPECT_GT(at, last) << name;
        last = at;
    }
}
