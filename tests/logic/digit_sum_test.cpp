#include <gtest/gtest.h>

#include "analysis/digit_sum.h"
#include "draw_list_checks.h"
#include "each_game.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing;

namespace {
constexpr Colour kCyan{200, 255, 255};

GridModel build(const DrawHistory& h, const Game& game = kNumbers3) {
    return 数字合計分析::Build(h, LoadStartupStatistics(h, game), game);
}
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

class DigitSumByGame : public ::testing::TestWithParam<const Game*> {};

TEST_P(DigitSumByGame, HeaderRowAndLayout) {
    const Game& game = *GetParam();
    const int sum = game.digits + 2;
    const auto g = build({}, game);
    ASSERT_EQ(g.columns(), sum);
    ASSERT_EQ(g.rows(), 1);
    EXPECT_EQ(g.text(2, 1), "　      当 選 数 字");
    EXPECT_EQ(g.text(sum, 1), "合計");
    EXPECT_EQ(g.style(2, 1).hAlign, HAlign::Left);
    EXPECT_EQ(g.style(sum, 1).hAlign, HAlign::Center);
    EXPECT_TRUE(g.textOverflow);
    EXPECT_EQ(g.rowHeight(1), 20);
    for (int c = 1; c <= sum; ++c) EXPECT_EQ(g.columnWidth(c), c == 1 || c == sum ? 7 : 5) << c;
    // No lines between the digit columns; the outline keeps the line before 合計.
    EXPECT_TRUE(noLinesInside(g, 1, 2, sum - 1));
    EXPECT_TRUE(outlined(g, 1, 2, sum));
    EXPECT_TRUE(hasLine(g, sum - 1, 1, Right) && hasLine(g, sum, 1, Left));
}

TEST_P(DigitSumByGame, GeneratedHistoryWithIncompleteDrawsAndGaps) {
    const Game& game = *GetParam();
    const int sumColumn = game.digits + 2;
    const DrawHistory h = withoutEvery(generatedHistory(400, 5, 4, game), 9);
    const auto g = build(h, game);
    const auto draws = completeDraws(h, game);
    ASSERT_EQ(g.rows(), 1 + draws.back().drawNo);  // 400 itself is incomplete
    for (std::size_t k = 0; k < draws.size(); ++k) {
        const int r = int(k) + 2;
        ASSERT_EQ(g.text(1, r), str(draws[k].drawNo));
        int sum = 0;
        for (int i = 0; i < game.digits; ++i) sum += draws[k].digit(i);
        EXPECT_EQ(g.text(sumColumn, r), str(sum));
        for (int c = 1; c <= sumColumn; ++c)
            for (Side s : {Left, Right, Top, Bottom}) ASSERT_TRUE(hasLine(g, c, r, s));
    }
    for (int r = int(draws.size()) + 2; r <= g.rows(); ++r) EXPECT_TRUE(g.isEmpty(sumColumn, r));
}

INSTANTIATE_TEST_SUITE_P(Games, DigitSumByGame, ::testing::ValuesIn(kGames), EachGameName);
