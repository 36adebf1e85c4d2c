#include <gtest/gtest.h>

#include "analysis/digit_sum.h"
#include "draw_list_checks.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing;

namespace {
constexpr Colour kCyan{200, 255, 255};

GridModel build(const DrawHistory& h) { return 数字合計分析::Build(h, LoadStartupStatistics(h)); }
}  // namespace

TEST(DigitSum, SumsTheThreeDigits) {
    const auto g = build(history({{1, 0, 0, 0}, {2, 9, 9, 9}, {3, 1, -1, 3}, {4, 1, 2, 3}}));
    ASSERT_EQ(g.rows(), 5);
    EXPECT_EQ(g.text(5, 2), "0");
    EXPECT_EQ(g.text(5, 3), "27");
    EXPECT_EQ(g.text(1, 4), "4");  // the incomplete draw 3 takes no row
    EXPECT_EQ(g.text(2, 4), "1");
    EXPECT_EQ(g.text(3, 4), "2");
    EXPECT_EQ(g.text(4, 4), "3");
    EXPECT_EQ(g.text(5, 4), "6");
    EXPECT_TRUE(g.isEmpty(1, 5));
    EXPECT_TRUE(g.isEmpty(5, 5));
}

TEST(DigitSum, ColoursOfHeaderLabelAndSumColumns) {
    const auto g = build(history({{1, 4, 5, 6}, {2, 7, 8, 9}}));
    EXPECT_EQ(g.text(1, 1), "回数");
    EXPECT_EQ(g.text(5, 1), "合計");
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(shownForeground(g, c, 1), colours::Black);
        EXPECT_EQ(shownBackground(g, c, 1), colours::HeaderPink);
    }
    // Row 3 holds a draw; the free rows below keep the same column colours.
    for (int r = 2; r <= 3; ++r) {
        EXPECT_EQ(g.style(5, r).foreground, colours::Blue);
        EXPECT_EQ(g.style(5, r).background, kCyan);
        EXPECT_EQ(g.style(1, r).foreground, colours::Red);
        EXPECT_EQ(g.style(1, r).background, colours::HeaderYellow);
        for (int c = 2; c <= 4; ++c) {
            EXPECT_EQ(shownForeground(g, c, r), colours::Black);
            EXPECT_EQ(shownBackground(g, c, r), colours::White);
        }
    }
}

TEST(DigitSum, HeaderRowAndLayout) {
    const auto g = build({});
    ASSERT_EQ(g.columns(), 5);
    ASSERT_EQ(g.rows(), 1);
    EXPECT_EQ(g.text(2, 1), "　      当 選 数 字");
    EXPECT_EQ(g.style(2, 1).hAlign, HAlign::Left);
    EXPECT_EQ(g.style(5, 1).hAlign, HAlign::Center);
    EXPECT_TRUE(g.textOverflow);
    EXPECT_EQ(g.rowHeight(1), 20);
    const double widths[] = {7, 5, 5, 5, 7};
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(g.columnWidth(c), widths[c - 1]) << c;
    // No lines between columns 2 to 4; the outline of 2..5 keeps the line before 合計.
    EXPECT_TRUE(noLinesInside(g, 1, 2, 4));
    EXPECT_TRUE(outlined(g, 1, 2, 5));
    EXPECT_TRUE(hasLine(g, 4, 1, Right) && hasLine(g, 5, 1, Left));
}

TEST(DigitSum, GeneratedHistoryWithIncompleteDrawsAndGaps) {
    const DrawHistory h = withoutEvery(generatedHistory(400, 5, 4), 9);
    const auto g = build(h);
    const auto draws = completeDraws(h);
    ASSERT_EQ(g.rows(), 1 + draws.back().drawNo);  // 400 itself is incomplete
    for (std::size_t k = 0; k < draws.size(); ++k) {
        const int r = int(k) + 2;
        ASSERT_EQ(g.text(1, r), str(draws[k].drawNo));
        EXPECT_EQ(g.text(5, r), str(draws[k].digit(0) + draws[k].digit(1) + draws[k].digit(2)));
        for (int c = 1; c <= 5; ++c)
            for (Side s : {Left, Right, Top, Bottom}) ASSERT_TRUE(hasLine(g, c, r, s));
    }
    for (int r = int(draws.size()) + 2; r <= g.rows(); ++r) EXPECT_TRUE(g.isEmpty(5, r));
}
