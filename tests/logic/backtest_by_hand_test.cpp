// The backtest on histories whose figures can be worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "app/cli/backtest_json.h"
#include "app/cli/window_json.h"
#include "core/startup_statistics.h"
#include "lab/backtest.h"
#include "lab/backtest_figures.h"
#include "lab/backtest_window.h"
#include "stats/verdict.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;

namespace {

// Draw 1 is 1 2 3, draws 2..7 are 444 .. 999 and draw 8 is 1 2 3 again:
// its digits come back after exactly 7 draws, so the 7-draw cycle holds
// 1 2 3 from then on. Draws 9..last are 1 2 3 too (interval 1: no other
// cycle ever forms), so from target 9 on the 7-draw cycle always hits.
DrawHistory SevenCycleHistory(int last) {
    DrawHistory h = history({{1, 1, 2, 3}});
    for (int n = 2; n <= 7; ++n) h.push_back(history({{n, n + 2, n + 2, n + 2}})[0]);
    for (int n = 8; n <= last; ++n) h.push_back(history({{n, 1, 2, 3}})[0]);
    return h;
}

}  // namespace

TEST(BacktestByHand, SevenDrawCycleThatAlwaysHits) {
    const int last = 58;  // targets 9..58: 50 bets, 50 hits
    const DrawHistory h = SevenCycleHistory(last);
    const BacktestFigures f = FiguresOf(RunBacktest(h, {}, 0, DrawRange{9, 0}));
    EXPECT_EQ(f.targets, 50);
    EXPECT_EQ(f.from, 9);
    EXPECT_EQ(f.to, last);
    const MethodFigures& seven = f.methods[0];
    EXPECT_EQ(seven.method, " 7回周期法");
    EXPECT_EQ(seven.tally.bets, 50);
    EXPECT_EQ(seven.tally.tickets, 50);
    EXPECT_EQ(seven.tally.hits, 50);
    EXPECT_DOUBLE_EQ(seven.tally.straightChanceHits(), 50 * 0.001);
    EXPECT_DOUBLE_EQ(*seven.ratio, 1000.0);
    const double z = (50 - 0.05) / std::sqrt(50 * 0.001 * 0.999);
    EXPECT_NEAR(*seven.z, z, 1e-9);
    EXPECT_NEAR(*seven.p, std::erfc(z / std::sqrt(2.0)), 1e-12);
    EXPECT_EQ(*seven.pCorrected, std::min(1.0, 7 * *seven.p));
    EXPECT_EQ(*seven.hitRate, 1.0);
    // Wilson at 50 of 50: low = n / (n + z^2), high = 1.
    const double z95 = 1.959963984540054;
    EXPECT_NEAR(*seven.wilsonLow, 50 / (50 + z95 * z95), 1e-9);
    EXPECT_NEAR(*seven.wilsonHigh, 1.0, 1e-12);
    EXPECT_EQ(seven.tally.digitHits, 150);
    EXPECT_NEAR(seven.tally.digitExpected(), 15.0, 1e-9);
    EXPECT_EQ(seven.verdict, kVerdictMore);
    // No money without results: the figures stay undefined and the grid says so.
    EXPECT_EQ(seven.tally.moneyBets, 0);
    EXPECT_FALSE(seven.spentYen);
    EXPECT_FALSE(f.moneyKnown);
    // The other cycles never form: no bets, nothing defined.
    for (int c = 1; c < 4; ++c) {
        const MethodFigures& other = f.methods[std::size_t(c)];
        EXPECT_EQ(other.tally.bets, 0);
        EXPECT_FALSE(other.ratio || other.z || other.p || other.hitRate || other.wilsonLow);
        EXPECT_EQ(other.verdict, kVerdictChance);
    }
}

TEST(BacktestByHand, TargetZeroStillBetsOnTheEliminationOffsets) {
    // Draw 1 has nothing before it: the cycles are empty, and the
    // elimination reads zeros: 1 8 9 2 8 4 3 1 4 7 6 0 4 1 9, all but 5.
    const DrawHistory h = history({{1, 5, 5, 5}, {2, 5, 1, 2}});
    const BacktestRun run = RunBacktest(h, {}, 0, DrawRange{1, 1});
    EXPECT_EQ(run.targets, 1);
    const MethodTally& e = run.tallies[4];
    EXPECT_EQ(e.bets, 1);
    EXPECT_EQ(e.tickets, 9 * 9 * 9);
    EXPECT_EQ(e.hits, 0);  // 555 holds the one digit left out
    EXPECT_EQ(e.digitHits, 0);
    EXPECT_NEAR(e.digitExpected(), 2.7, 1e-12);
    EXPECT_NEAR(e.straightChanceHits(), 0.729, 1e-12);
    for (int m : {0, 1, 2, 3, 5, 6}) EXPECT_EQ(run.tallies[std::size_t(m)].bets, 0) << m;
}

TEST(BacktestByHand, MoneyFromTheStraightPrizeOfDrawsWhereItIsKnown) {
    const DrawHistory h = SevenCycleHistory(20);  // targets 9..20 hit with the 7-draw cycle
    ResultHistory results;
    for (int n : {10, 12, 30}) {
        DrawResult r;
        r.drawNo = n;
        r.prize(PrizeKind::Straight).yen = 90000 + n;
        results.push_back(r);
    }
    DrawResult noPrize;
    noPrize.drawNo = 15;  // known date, unknown prize: not counted
    noPrize.date = "2026-01-01";
    results.insert(results.begin() + 2, noPrize);
    const BacktestFigures f = FiguresOf(RunBacktest(h, results, 0, DrawRange{9, 0}));
    const MethodFigures& seven = f.methods[0];
    EXPECT_TRUE(f.moneyKnown);
    EXPECT_EQ(seven.tally.moneyBets, 2);
    EXPECT_EQ(*seven.spentYen, 2 * 200);
    EXPECT_EQ(*seven.wonYen, 90010 + 90012);
    EXPECT_DOUBLE_EQ(*seven.returnRate, (90010.0 + 90012.0) / 400.0);
    const MethodFigures& elimination = f.methods[4];
    EXPECT_EQ(elimination.tally.moneyBets, 2);
    EXPECT_EQ(*elimination.spentYen, 200 * elimination.tally.moneyTickets);
}

TEST(BacktestByHand, RangeLimitsTheTargetsButNotThePredictions) {
    const DrawHistory h = SevenCycleHistory(40);
    const BacktestRun narrow = RunBacktest(h, {}, 0, DrawRange{30, 35});
    EXPECT_EQ(narrow.targets, 6);
    EXPECT_EQ(narrow.tallies[0].hits, 6);  // the cycle found at draw 8 still counts
    EXPECT_EQ(narrow.trace.targets.front(), 30);
    const BacktestFigures none = FiguresOf(RunBacktest(h, {}, 0, DrawRange{41, 50}));
    EXPECT_EQ(none.targets, 0);
    EXPECT_FALSE(none.from);
    EXPECT_NE(BacktestJsonMember(none).find("\"from\": null, \"to\": null"), std::string::npos);
}

TEST(BacktestByHand, WindowShowsTheSameFiguresInGridChartAndJson) {
    const DrawHistory h = SevenCycleHistory(58);
    const StartupStatistics stats = LoadStartupStatistics(h);
    const ResultHistory results;
    OptionFlags flags{};
    flags[2] = flags[7] = true;
    const WindowContent c = 予想の検証::Content(WindowInput{h, stats, results, flags, DrawRange{9, 0}, std::nullopt});
    EXPECT_EQ(c.grid().text(1, 3), " 7回周期法");
    EXPECT_EQ(c.grid().text(2, 3), "偶然より多い");  // 判定 right after the method
    EXPECT_EQ(c.grid().text(8, 2), "的中回数");
    EXPECT_EQ(c.grid().text(8, 3), "50");
    for (int money = 3; money <= 5; ++money)
        EXPECT_EQ(c.grid().text(money, 3), "") << money;  // money columns empty without results
    // The headline names the method that differs, and the draws looked at.
    EXPECT_EQ(c.headline.rfind("7回周期法の的中は偶然より多い", 0), 0u) << c.headline;
    EXPECT_NE(c.headline.find("（第9回〜第58回）"), std::string::npos) << c.headline;
    // Each figure's heading explains it in words when the pointer rests on it.
    for (const auto& [heading, says] :
         {std::pair{"偶然の期待値", "でたらめに選んで"}, std::pair{"z", "標準偏差"}, std::pair{"p値", "偶然に出る確率"},
          std::pair{"補正p値(×7)", "7倍"}, std::pair{"的中率の95%区間", "95%の確かさ"}}) {
        int column = 0;
        for (int col = 1; col <= c.grid().columns(); ++col)
            if (c.grid().text(col, 2) == heading) column = col;
        ASSERT_GT(column, 0) << heading;
        EXPECT_NE(c.grid().tip(column, 2).find(says), std::string_view::npos) << heading;
        EXPECT_EQ(c.grid().tip(column, 3), c.grid().tip(column, 2)) << heading;
    }
    EXPECT_TRUE(c.grid().tip(1, 3).empty());
    bool saysSo = false;
    for (int row = 1; row <= c.grid().rows(); ++row)
        saysSo = saysSo || c.grid().text(1, row).find("金額の欄は空") != std::string::npos;
    EXPECT_TRUE(saysSo);
    const std::string json = WindowJsonMembers(c);
    EXPECT_NE(
        json.find(
            "\"backtest\": {\"from\": 9, \"to\": 58, \"optionCount\": 2, \"methods\": [{\"method\": "
            "\" 7回周期法\", \"bets\": 50, \"tickets\": 50, \"hits\": 50, \"expectedHits\": 0.05, \"ratio\": 1000, "),
        std::string::npos)
        << json;
    EXPECT_NE(json.find("\"spent\": null, \"won\": null, \"returnRate\": null"), std::string::npos);
    ASSERT_EQ(c.charts().size(), 2u);  // the cycle methods, then the digit-set methods
    const ChartData& chart = c.charts()[0];
    ASSERT_EQ(chart.series.size(), 8u);
    ASSERT_EQ(c.charts()[1].series.size(), 6u);
    EXPECT_EQ(c.charts()[1].series[0].name, "消去法");
    EXPECT_EQ(chart.series[0].kind, SeriesKind::Line);
    EXPECT_EQ(chart.series[1].kind, SeriesKind::DashedLine);
    EXPECT_EQ(chart.series[0].points.back().y, 50);
    EXPECT_NEAR(chart.series[1].points.back().y, 0.05, 1e-12);
    EXPECT_EQ(chart.series[0].points.back().tip.rfind("第58回", 0), 0u);
}
