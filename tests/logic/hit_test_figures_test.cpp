// The hit-test figures both 予想の検証 and 買い方の検証 show, on counts whose
// answer is known by construction, and the grid columns the two windows
// write from them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lab/backtest_grid.h"
#include "lab/figures_grid.h"
#include "lab/hit_test_figures.h"
#include "lab/strategy_grid.h"
#include "stats/verdict.h"

namespace n3 {
namespace {

// Ten hits where chance gives four with a variance of four: z = 3.
HitCounts ThreeDeviations(int tested) {
    return {.hits = 10,
            .expected = 4,
            .variance = 4,
            .trials = 20,
            .tested = tested,
            .controlHits = 3,
            .moneyCounted = true,
            .spentYen = 2000,
            .wonYen = 900};
}

TEST(HitTestFigures, ZPAndTheCorrectedP) {
    const HitTestFigures f = HitTestOf(ThreeDeviations(7));
    EXPECT_EQ(f.hits, 10);
    EXPECT_DOUBLE_EQ(f.expected, 4);
    EXPECT_EQ(f.controlHits, 3);
    EXPECT_DOUBLE_EQ(*f.ratio, 2.5);
    EXPECT_DOUBLE_EQ(*f.z, 3);
    // Two-sided: both tails of the normal beyond 3 = erfc(3 / sqrt 2).
    const double p = std::erfc(3 / std::sqrt(2.0));
    EXPECT_NEAR(*f.p, p, 1e-12);
    EXPECT_NEAR(*f.pCorrected, 7 * p, 1e-12);
    // 7 p = 0.0189 is above the verdict's level; alone, p = 0.0027 is below.
    EXPECT_EQ(f.verdict, kVerdictChance);
    const HitTestFigures alone = HitTestOf(ThreeDeviations(1));
    EXPECT_NEAR(*alone.pCorrected, p, 1e-12);
    EXPECT_EQ(alone.verdict, kVerdictMore);
}

TEST(HitTestFigures, TheCorrectedPStopsAtOne) {
    HitCounts c = ThreeDeviations(1000);
    EXPECT_DOUBLE_EQ(*HitTestOf(c).pCorrected, 1.0);
    c.hits = 0;  // z = -2: fewer than chance, p = 0.0455, not told apart
    EXPECT_DOUBLE_EQ(*HitTestOf(c).z, -2);
    EXPECT_EQ(HitTestOf(c).verdict, kVerdictChance);
}

TEST(HitTestFigures, HitRateWithTheWilsonInterval) {
    const HitTestFigures f = HitTestOf(ThreeDeviations(7));
    EXPECT_DOUBLE_EQ(*f.hitRate, 0.5);
    // The Wilson score interval of 10 in 20 at 95%, written out.
    const double z = 1.959963984540054, n = 20, share = 0.5;
    const double centre = (share + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z / (1 + z * z / n) * std::sqrt(share * (1 - share) / n + z * z / (4 * n * n));
    EXPECT_NEAR(*f.wilsonLow, centre - half, 1e-9);
    EXPECT_NEAR(*f.wilsonHigh, centre + half, 1e-9);
}

TEST(HitTestFigures, MoneyOnlyWhenAPrizeWasKnown) {
    const HitTestFigures known = HitTestOf(ThreeDeviations(7));
    EXPECT_EQ(known.spentYen, 2000);
    EXPECT_EQ(known.wonYen, 900);
    EXPECT_DOUBLE_EQ(*known.returnRate, 0.45);
    HitCounts c = ThreeDeviations(7);
    c.moneyCounted = false;
    const HitTestFigures unknown = HitTestOf(c);
    EXPECT_FALSE(unknown.spentYen);
    EXPECT_FALSE(unknown.wonYen);
    EXPECT_FALSE(unknown.returnRate);
}

TEST(HitTestFigures, NothingBoughtLeavesTheFiguresUndefined) {
    const HitTestFigures f = HitTestOf({});
    EXPECT_FALSE(f.ratio);
    EXPECT_FALSE(f.z);
    EXPECT_FALSE(f.p);
    EXPECT_FALSE(f.pCorrected);
    EXPECT_FALSE(f.hitRate);
    EXPECT_FALSE(f.wilsonLow);
    EXPECT_EQ(f.verdict, kVerdictChance);
}

// The same figures in a method's row and a strategy's row read the same in
// every shared column.
TEST(HitTestFigures, BothWindowsWriteTheSharedColumnsAlike) {
    const HitTestFigures f = HitTestOf(ThreeDeviations(1));
    BacktestFigures backtest;
    backtest.moneyKnown = true;
    for (MethodFigures& m : backtest.methods) static_cast<HitTestFigures&>(m) = f;
    StrategyTestFigures strategies;
    strategies.moneyKnown = true;
    StrategyFigures s;
    static_cast<HitTestFigures&>(s) = f;
    strategies.strategies.push_back(s);
    const GridModel a = BacktestGrid(backtest), b = StrategyGrid(strategies);
    const int row = kFiguresFirstRow;
    for (int c = 2; c <= kFiguresSharedColumns; ++c) {
        if (c == 6 || c == 7) continue;  // each window's own counts of purchases
        EXPECT_EQ(a.text(c, row), b.text(c, row)) << c;
        EXPECT_FALSE(a.text(c, row).empty()) << c;
        if (c != 13) {  // 補正p値 names its factor in 予想の検証
            EXPECT_EQ(a.text(c, 2), b.text(c, 2)) << c;
        }
    }
    EXPECT_EQ(a.text(kFiguresVerdictColumn, row), kVerdictMore);
    EXPECT_EQ(a.text(kFiguresHitsColumn, row), "10");
    EXPECT_EQ(a.text(kFiguresExpectedColumn, row), "4.00");
    EXPECT_EQ(a.text(kFiguresControlColumn, row), "3");
    EXPECT_EQ(a.text(kFiguresReturnColumn, row), b.text(kFiguresReturnColumn, row));
}

}  // namespace
}  // namespace n3
