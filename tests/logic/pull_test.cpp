#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/pull.h"
#include "draw_list_checks.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing;

namespace {
constexpr Colour kPulled{200, 255, 255};

GridModel build(const DrawHistory& h) { return 引っ張り分析::Build(h, LoadStartupStatistics(h)); }

// Which of the three digit cells of a row are marked.
std::array<bool, 3> marks(const GridModel& g, int row) {
    return {shownBackground(g, 2, row) == kPulled, shownBackground(g, 3, row) == kPulled,
            shownBackground(g, 4, row) == kPulled};
}
using M = std::array<bool, 3>;
}  // namespace

TEST(PullAnalysis, FirstCompleteDrawHasNothingToPullFrom) {
    // Zeros in the first draw are not pulled from a draw 0, 0, 0 that never was.
    const auto g = build(history({{1, 0, 0, 0}, {2, 0, 5, 0}}));
    EXPECT_EQ(marks(g, 2), (M{false, false, false}));
    EXPECT_EQ(marks(g, 3), (M{true, false, true}));
    // An incomplete row before it changes nothing.
    const auto g2 = build(history({{1, 0, -1, 0}, {2, 0, 0, 3}}));
    EXPECT_EQ(g2.text(1, 2), "2");
    EXPECT_EQ(marks(g2, 2), (M{false, false, false}));
}

TEST(PullAnalysis, MarksDigitsOfThePreviousDrawInAnyPosition) {
    const auto g = build(history({{1, 1, 2, 3}, {2, 5, 1, 8}, {3, 4, 0, 0}, {4, 4, 4, 9}, {5, 4, 4, 9}, {6, 9, 4, 4}}));
    EXPECT_EQ(marks(g, 3), (M{false, true, false}));   // 5 1 8 after 1 2 3
    EXPECT_EQ(marks(g, 4), (M{false, false, false}));  // 4 0 0 after 5 1 8
    EXPECT_EQ(marks(g, 5), (M{true, true, false}));    // 4 4 9 after 4 0 0
    EXPECT_EQ(marks(g, 6), (M{true, true, true}));     // the same draw again
    EXPECT_EQ(marks(g, 7), (M{true, true, true}));     // same digits, other places
    // A mark changes the background only.
    EXPECT_EQ(shownForeground(g, 2, 5), colours::Black);
    EXPECT_EQ(g.text(3, 5), "4");
}

TEST(PullAnalysis, IncompleteDrawTakesNoRowAndIsNotThePreviousDraw) {
    const auto g = build(history({{1, 1, 2, 3}, {2, 7, -1, 7}, {3, 7, 9, 3}}));
    ASSERT_EQ(g.rows(), 4);
    EXPECT_EQ(g.text(1, 3), "3");
    EXPECT_EQ(g.text(2, 3), "7");
    EXPECT_EQ(marks(g, 3), (M{false, false, true}));  // only the 3 of draw 1
    EXPECT_TRUE(g.isEmpty(1, 4));
}

TEST(PullAnalysis, EmptyHistoryIsTheHeaderRowAlone) {
    const auto g = build({});
    ASSERT_EQ(g.columns(), 4);
    ASSERT_EQ(g.rows(), 1);
    EXPECT_EQ(g.text(1, 1), "回数");
    EXPECT_EQ(g.text(3, 1), "当 選 数 字");
}

TEST(PullAnalysis, GridLayout) {
    const auto g = build(history({{1, 1, 2, 3}, {2, 4, 5, 6}}));
    EXPECT_EQ(g.rows(), 3);
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(g.columnWidth(c), 6);
    EXPECT_EQ(g.rowHeight(1), 15);
    EXPECT_EQ(g.rowHeight(2), 10);
    EXPECT_TRUE(g.textOverflow);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(shownForeground(g, c, 1), colours::Black);
        EXPECT_EQ(shownBackground(g, c, 1), colours::HeaderPink);
    }
    EXPECT_EQ(g.style(3, 1).hAlign, HAlign::Left);
    EXPECT_EQ(g.style(2, 2).hAlign, HAlign::Center);
    EXPECT_EQ(g.style(2, 2).vAlign, VAlign::Center);
    for (int r = 2; r <= 3; ++r) {
        EXPECT_EQ(g.style(1, r).foreground, colours::Red);
        EXPECT_EQ(g.style(1, r).background, colours::HeaderYellow);
        EXPECT_EQ(shownBackground(g, 2, r), colours::White);
    }
    // Lines everywhere but inside the title band, which keeps its bottom.
    EXPECT_TRUE(noLinesInside(g, 1, 2, 4));
    EXPECT_TRUE(outlined(g, 1, 2, 4));
    EXPECT_TRUE(hasLine(g, 1, 1, Right));
    for (int c = 1; c <= 4; ++c)
        for (Side s : {Left, Right, Top, Bottom}) EXPECT_TRUE(hasLine(g, c, 3, s));
}

TEST(PullAnalysis, GeneratedHistoryWithIncompleteDrawsAndGaps) {
    const DrawHistory h = withoutEvery(generatedHistory(600, 11, 7), 13);
    const auto g = build(h);
    const auto draws = completeDraws(h);
    ASSERT_EQ(g.rows(), 1 + 600);
    for (std::size_t k = 0; k < draws.size(); ++k) {
        const int row = int(k) + 2;
        ASSERT_EQ(g.text(1, row), str(draws[k].drawNo));
        for (int i = 0; i < 3; ++i) {
            const int d = draws[k].digit(i);
            bool pulled = false;
            if (k > 0)
                for (int j = 0; j < 3; ++j) pulled = pulled || draws[k - 1].digit(j) == d;
            EXPECT_EQ(g.text(i + 2, row), str(d));
            EXPECT_EQ(shownBackground(g, i + 2, row) == kPulled, pulled) << "draw " << draws[k].drawNo;
        }
    }
    // The rows that gaps and incomplete draws leave free stay empty at the bottom.
    for (int row = int(draws.size()) + 2; row <= g.rows(); ++row)
        for (int c = 1; c <= 4; ++c) EXPECT_TRUE(g.isEmpty(c, row));
}
