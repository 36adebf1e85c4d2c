// Work kept with a snapshot: the next-draw card reads the backtest that
// 予想の検証 left, or one it left itself, and shows what a card computed
// from nothing shows; a copied snapshot starts with nothing kept.
#include <gtest/gtest.h>

#include "lab/backtest.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

HistorySnapshot Snapshot() {
    HistorySnapshot s;
    s.history = n3::testing::generatedHistory(400, 11);
    s.stats = LoadStartupStatistics(s.history);
    return s;
}

void ExpectSameGrid(const GridModel& a, const GridModel& b) {
    ASSERT_EQ(a.rows(), b.rows());
    ASSERT_EQ(a.columns(), b.columns());
    for (int r = 1; r <= a.rows(); ++r)
        for (int c = 1; c <= a.columns(); ++c) ASSERT_EQ(a.text(c, r), b.text(c, r)) << c << "," << r;
}

}  // namespace

TEST(SnapshotMemo, TheCardReadsTheBacktestOfTheLabAndShowsTheSame) {
    const HistorySnapshot snapshot = Snapshot();
    const auto* card = FindAnalysisWindow("次回の抽せん");
    const auto* lab = FindAnalysisWindow("予想の検証");
    ASSERT_NE(card, nullptr);
    ASSERT_NE(lab, nullptr);
    WindowInput alone = InputOf(snapshot);
    alone.memo = nullptr;
    const GridModel fromNothing = BuildWindowContent(*card, alone).grid();

    EXPECT_EQ(snapshot.memo.find<BacktestRun>("backtest 0 0-0"), nullptr);
    BuildWindowContent(*lab, InputOf(snapshot));
    const auto kept = snapshot.memo.find<BacktestRun>("backtest 0 0-0");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(BacktestTotals(snapshot.history, snapshot.results, 0, &snapshot.memo), kept);
    ExpectSameGrid(BuildWindowContent(*card, InputOf(snapshot)).grid(), fromNothing);
}

TEST(SnapshotMemo, ACardWithoutTheLabKeepsTotalsOnlyAndACopyStartsEmpty) {
    const HistorySnapshot snapshot = Snapshot();
    const auto* card = FindAnalysisWindow("次回の抽せん");
    ASSERT_NE(card, nullptr);
    const GridModel first = BuildWindowContent(*card, InputOf(snapshot)).grid();
    const auto totals = snapshot.memo.find<BacktestRun>("backtest totals 0 0-0");
    ASSERT_NE(totals, nullptr);
    EXPECT_TRUE(totals->trace.targets.empty());
    EXPECT_EQ(totals->targets, 400);
    EXPECT_EQ(totals->firstTarget, 1);
    EXPECT_EQ(totals->lastTarget, 400);
    ExpectSameGrid(BuildWindowContent(*card, InputOf(snapshot)).grid(), first);

    const HistorySnapshot copy = snapshot;
    EXPECT_EQ(copy.memo.find<BacktestRun>("backtest totals 0 0-0"), nullptr);
}

TEST(GridModelNumbers, NumbersAreKeptAsNumbersAndReadAsTheirDigits) {
    GridModel g;
    g.setSize(3, 2);
    g.setNumber(1, 1, 32767);
    g.setNumber(2, 1, 0);
    g.setNumber(3, 1, -12);
    g.setText(1, 2, "12");
    EXPECT_EQ(g.number(1, 1), 32767);
    EXPECT_EQ(g.text(1, 1), "32767");
    EXPECT_EQ(g.number(2, 1), 0);
    EXPECT_FALSE(g.isEmpty(2, 1));
    EXPECT_EQ(g.number(3, 1), std::nullopt);  // kept as its text
    EXPECT_EQ(g.text(3, 1), "-12");
    EXPECT_EQ(g.number(1, 2), std::nullopt);  // text, even when it reads as a number
    EXPECT_EQ(g.number(9, 9), std::nullopt);
}

TEST(GridModelNumbers, AnOutlineCutByTheGridEdgeLinesTheCellsOnTheCut) {
    GridModel g;
    g.setSize(4, 4);
    g.outlineBlock({3, 2, 9, 3}, colours::Red);
    EXPECT_EQ(g.style(3, 2).borders[Left].style, LineStyle::Solid);
    EXPECT_EQ(g.style(4, 2).borders[Right].style, LineStyle::Solid);  // the cut edge
    EXPECT_EQ(g.style(4, 3).borders[Bottom].colour, colours::Red);
    EXPECT_EQ(g.style(2, 2).borders[Right].style, LineStyle::None);
    EXPECT_EQ(g.style(3, 4).borders[Top].style, LineStyle::None);
    EXPECT_EQ(g.style(3, 1).borders[Bottom].style, LineStyle::None);
}
