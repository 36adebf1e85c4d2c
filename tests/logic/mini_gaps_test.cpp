// ミニ分析: counts, the last draw, ブランク and 最長ブランク on histories whose
// answers are known by construction (a gap at the start, in the middle, at
// the end; holes and incomplete draws that do not count), the χ² against
// Boost.Math, the chart and the JSON member.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <vector>

#include "analysis/mini_gaps.h"
#include "analysis/mini_window.h"
#include "app/cli/window_json.h"
#include "stats/distributions.h"
#include "test_history.h"

using namespace n3;

namespace {

// Counted draws 1..n (draw number = 10 × position, so every number between
// is a hole); at the positions listed the last two digits are 23, elsewhere
// 00. An incomplete draw with 23 follows each position and never counts.
DrawHistory WithMiniAt(int n, const std::vector<int>& positions) {
    DrawHistory h;
    for (int at = 1; at <= n; ++at) {
        const bool hit = std::find(positions.begin(), positions.end(), at) != positions.end();
        Draw d;
        d.drawNo = at * 10;
        d.digits = {5, hit ? 2 : 0, hit ? 3 : 0};
        h.push_back(d);
        Draw incomplete;
        incomplete.drawNo = at * 10 + 1;
        incomplete.digits = {std::nullopt, 2, 3};
        h.push_back(incomplete);
    }
    return h;
}

struct GapCase {
    const char* name;
    int draws;
    std::vector<int> positions;
    int since;
    int longestGap;
};
void PrintTo(const GapCase& c, std::ostream* out) { *out << c.name; }

class MiniLongestGap : public ::testing::TestWithParam<GapCase> {};

}  // namespace

TEST_P(MiniLongestGap, CountsTheRunsBeforeBetweenAndAfter) {
    const GapCase& c = GetParam();
    const MiniFigures f = TallyMini(WithMiniAt(c.draws, c.positions), {});
    EXPECT_EQ(f.draws, c.draws);
    const MiniValue& v = f.values[23];
    EXPECT_EQ(v.count, int(c.positions.size()));
    EXPECT_EQ(v.since, c.since);
    EXPECT_EQ(v.longestGap, c.longestGap);
    if (!c.positions.empty())
        EXPECT_EQ(v.last, c.positions.back() * 10);
    else
        EXPECT_FALSE(v.last);
    // 00 comes everywhere else.
    EXPECT_EQ(f.values[0].count, c.draws - int(c.positions.size()));
    EXPECT_EQ(f.coverage.incomplete, c.draws);
    EXPECT_FALSE(f.values[99].last);
    EXPECT_EQ(f.values[99].since, c.draws);
    EXPECT_EQ(f.values[99].longestGap, c.draws);
}

INSTANTIATE_TEST_SUITE_P(Gaps, MiniLongestGap,
                         ::testing::Values(GapCase{"AtTheStart", 10, {7, 8, 10}, 0, 6},  // runs 6, 0, 1, 0
                                           GapCase{"InTheMiddle", 10, {1, 2, 9}, 1, 6},  // runs 0, 0, 6, 1
                                           GapCase{"AtTheEnd", 10, {1, 3, 4}, 6, 6},     // runs 0, 1, 0, 6
                                           GapCase{"Never", 10, {}, 10, 10},
                                           GapCase{"EveryDraw", 4, {1, 2, 3, 4}, 0, 0},
                                           GapCase{"OnlyTheLast", 5, {5}, 0, 4}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(MiniGaps, RangeCountsOnlyItsDraws) {
    // Positions 3 and 8 of 10, range draws 40..90: positions 4..9.
    const MiniFigures f = TallyMini(WithMiniAt(10, {3, 8}), {40, 90});
    EXPECT_EQ(f.draws, 6);
    EXPECT_DOUBLE_EQ(f.expected, 0.06);
    const MiniValue& v = f.values[23];
    EXPECT_EQ(v.count, 1);
    EXPECT_EQ(v.last, 80);
    EXPECT_EQ(v.since, 1);
    EXPECT_EQ(v.longestGap, 4);  // positions 4..7
}

TEST(MiniGaps, ChiSquareAgainstBoost) {
    // 200 draws of 00: χ² = (200 − 2)² / 2 + 99 × 2² / 2 = 19,800.
    DrawHistory h;
    for (int n = 1; n <= 200; ++n) h.push_back(n3::testing::history({{n, 1, 0, 0}})[0]);
    const MiniFigures f = TallyMini(h, {});
    EXPECT_DOUBLE_EQ(*f.chi2, 19800.0);
    EXPECT_DOUBLE_EQ(*f.p, ChiSquareP(19800.0, 99));
    // Each value once: χ² = 0, p = 1.
    DrawHistory even;
    for (int n = 0; n < 100; ++n) even.push_back(n3::testing::history({{n + 1, 4, n / 10, n % 10}})[0]);
    const MiniFigures flat = TallyMini(even, {});
    EXPECT_DOUBLE_EQ(*flat.chi2, 0.0);
    EXPECT_DOUBLE_EQ(*flat.p, 1.0);
    EXPECT_TRUE(ミニ分析::Headline(flat).starts_with("ミニの出方の偏りは偶然と区別できません"));
    EXPECT_TRUE(ミニ分析::Headline(f).starts_with("ミニの出方には偶然とは言いにくい偏りがあります"));
}

TEST(MiniGaps, NoCompleteDrawLeavesTheTestNull) {
    const DrawHistory h = n3::testing::history({{1, 1, -1, 3}, {3, -1, 2, 2}});
    const WindowContent content = ミニ分析::Content(WindowInput{h, {}, {}, {}, {}, std::nullopt});
    const auto& f = *DetailsOf<MiniFigures>(content);
    EXPECT_EQ(f.draws, 0);
    EXPECT_FALSE(f.chi2);
    EXPECT_FALSE(f.p);
    EXPECT_EQ(content.headline, "数字のそろった回がないため、ミニを数えられません");
    EXPECT_NE(content.grid().text(1, 1).find("数字の欠けた回 2 回と欠番 1 回は数えていません"), std::string::npos);
    const std::string json = WindowJsonMembers(content);
    EXPECT_NE(json.find("{\"number\": \"00\", \"count\": 0, \"expected\": 0, \"last\": null, \"since\": 0, "
                        "\"longestGap\": 0}"),
              std::string::npos);
    EXPECT_NE(json.find("], \"chi2\": null, \"df\": 99, \"p\": null}"), std::string::npos);
}

TEST(MiniGaps, GridTableChartAndJsonShowTheSameFigures) {
    const DrawHistory h = WithMiniAt(10, {3, 8});
    const WindowContent content = ミニ分析::Content(WindowInput{h, {}, {}, {}, {}, std::nullopt});
    // Row of 23: header rows 1 and 2, then 00 at row 3.
    EXPECT_EQ(content.grid().text(1, 3 + 23), "23");
    EXPECT_EQ(content.grid().text(2, 3 + 23), "2");
    EXPECT_EQ(content.grid().text(3, 3 + 23), "0.10");
    EXPECT_EQ(content.grid().text(4, 3 + 23), "第80回");
    EXPECT_EQ(content.grid().text(5, 3 + 23), "2");
    EXPECT_EQ(content.grid().text(6, 3 + 23), "4");
    ASSERT_EQ(content.views.size(), 2u);
    const SortableTable& table = content.views[1].tables.at(0);
    EXPECT_EQ(table.rows[23][4].key, 2);
    ASSERT_EQ(content.charts().size(), 1u);
    ASSERT_EQ(content.charts()[0].series.size(), 2u);
    EXPECT_EQ(content.charts()[0].series[0].points[23].y, 2);
    EXPECT_EQ(content.charts()[0].series[1].kind, SeriesKind::DashedLine);
    EXPECT_DOUBLE_EQ(content.charts()[0].series[1].points[0].y, 0.1);
    EXPECT_TRUE(content.charts()[0].categories.empty());  // a value axis: 100 labels would not fit
    EXPECT_EQ(content.charts()[0].series[0].points[7].x, 7);
    const std::string json = WindowJsonMembers(content);
    EXPECT_EQ(json.rfind("\"mini\": {\"draws\": 10, \"items\": [{\"number\": \"00\", \"count\": 8, ", 0), 0u);
    EXPECT_NE(json.find("{\"number\": \"23\", \"count\": 2, \"expected\": 0.1, \"last\": 80, \"since\": 2, "
                        "\"longestGap\": 4}"),
              std::string::npos);
    // Three values with the longest ブランク lead the headline: 01, 02, 03 never came (10 draws).
    EXPECT_NE(content.headline.find("ブランクの長い順：01（10回）、02（10回）、03（10回）"), std::string::npos);
}

TEST(ChiSquareTail, MatchesBoostAndTheTables) {
    for (const auto& [chi2, df] : std::vector<std::pair<double, int>>{
             {0.5, 1}, {3.841, 1}, {99, 99}, {134.642, 99}, {36.0, 36}, {200, 99}, {0, 9}}) {
        const double boost =
            boost::math::cdf(boost::math::complement(boost::math::chi_squared_distribution<double>(df), chi2));
        EXPECT_NEAR(ChiSquareP(chi2, df), boost, 1e-14) << chi2 << " " << df;
    }
    // Critical values from the tables.
    EXPECT_NEAR(ChiSquareP(3.841459, 1), 0.05, 1e-6);
    EXPECT_NEAR(ChiSquareP(134.6416, 99), 0.01, 1e-5);
    EXPECT_NEAR(ChiSquareP(123.2252, 99), 0.05, 1e-5);
    EXPECT_DOUBLE_EQ(ChiSquareP(0, 9), 1.0);
}
