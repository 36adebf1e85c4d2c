#include <gtest/gtest.h>

#include <string>

#include "analysis/last_digit_trend.h"
#include "each_game.h"
#include "make_draw.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;
using n3::testing::EachGameName;
using n3::testing::generatedHistory;
using n3::testing::history;
using n3::testing::MakeDraw;

namespace {
constexpr Colour kPair{200, 255, 255}, kTriple{200, 255, 200}, kUnset{};

GridModel BuildTrend(const DrawHistory& h, const Game& game = kNumbers3) {
    return 下一桁出現傾向分析::Build(h, LoadStartupStatistics(h, game), game);
}

bool AllSides(const CellStyle& s) {
    for (const auto& b : s.borders)
        if (b.style != LineStyle::Solid || b.colour.isSet()) return false;
    return true;
}

void ExpectTitleRow(const GridModel& g, int row) {
    const std::string title =
        std::string(43, ' ') + "下一桁数字" + std::string(27, ' ') + "\u3000\u3000\u3000" + std::string(18, ' ');
    EXPECT_EQ(g.text(1, row), "回数");
    EXPECT_EQ(g.text(2, row), title);
    EXPECT_EQ(g.style(2, row).hAlign, HAlign::Left);
    EXPECT_EQ(g.rowHeight(row), 20);
    // Column 1 boxed alone; columns 2 to 11 boxed together, nothing inside.
    EXPECT_TRUE(AllSides(g.style(1, row)));
    EXPECT_EQ(g.style(2, row).borders[Left].style, LineStyle::Solid);
    EXPECT_EQ(g.style(2, row).borders[Right].style, LineStyle::None);
    for (int c = 3; c <= 10; ++c) {
        EXPECT_EQ(g.style(c, row).borders[Left].style, LineStyle::None) << row << "," << c;
        EXPECT_EQ(g.style(c, row).borders[Right].style, LineStyle::None) << row << "," << c;
        EXPECT_EQ(g.style(c, row).borders[Top].style, LineStyle::Solid);
        EXPECT_EQ(g.style(c, row).borders[Bottom].style, LineStyle::Solid);
    }
    EXPECT_EQ(g.style(11, row).borders[Right].style, LineStyle::Solid);
    EXPECT_EQ(g.style(11, row).borders[Left].style, LineStyle::None);
}

void ExpectLabelRow(const GridModel& g, int row) {
    EXPECT_TRUE(g.isEmpty(1, row));
    for (int k = 0; k <= 9; ++k) {
        EXPECT_EQ(g.text(2 + k, row), std::to_string(k));
        EXPECT_TRUE(AllSides(g.style(2 + k, row)));
    }
    EXPECT_EQ(g.rowHeight(row), 10);
}

void ExpectHeaderColours(const GridModel& g, int row) {
    for (int c = 2; c <= 11; ++c) {
        EXPECT_EQ(g.style(c, row).foreground, colours::Blue) << row;
        EXPECT_EQ(g.style(c, row).background, colours::HeaderPink) << row;
    }
}
}  // namespace

TEST(LastDigitTrend, HeaderAndFooterMirrorEachOther) {
    const auto g = BuildTrend(history({{1, 1, 2, 3}, {2, 4, 5, 6}, {3, 7, 8, 9}}));
    ASSERT_EQ(g.columns(), 11);
    ASSERT_EQ(g.rows(), 7);
    for (int c = 1; c <= 11; ++c) EXPECT_EQ(g.columnWidth(c), 5);
    EXPECT_EQ(g.rowHeight(3), 10);
    EXPECT_TRUE(g.textOverflow);
    ExpectTitleRow(g, 1);
    ExpectLabelRow(g, 2);
    ExpectLabelRow(g, 6);
    ExpectTitleRow(g, 7);
    for (int r : {1, 2, 6, 7}) ExpectHeaderColours(g, r);
    for (int r = 1; r <= 7; ++r) {
        EXPECT_EQ(g.style(1, r).foreground, colours::Red);
        EXPECT_EQ(g.style(1, r).background, colours::HeaderYellow);
    }
    // Row 1 only carries the two boxes: no line under the title from row 1's
    // own set-up, but row 2 is lined all round.
    EXPECT_TRUE(AllSides(g.style(5, 4)));
    EXPECT_EQ(g.activeRow, 1);
}

TEST(LastDigitTrend, RepeatedLastDigitsAreWrittenOncePerOccurrenceAndTinted) {
    const auto g = BuildTrend(history({{1, 3, 3, 3}, {2, 1, 5, 1}, {3, 0, 1, 2}, {4, 0, 0, 0}, {5, 0, 9, 0}}));
    // 3, 3, 3
    EXPECT_EQ(g.text(5, 3), "333");
    EXPECT_EQ(g.style(5, 3).background, kTriple);
    for (int k : {0, 1, 2, 4, 5, 6, 7, 8, 9}) {
        EXPECT_TRUE(g.isEmpty(2 + k, 3));
        EXPECT_EQ(g.style(2 + k, 3).background, colours::White);
    }
    // 1, 5, 1
    EXPECT_EQ(g.text(3, 4), "11");
    EXPECT_EQ(g.style(3, 4).background, kPair);
    EXPECT_EQ(g.text(7, 4), "5");
    EXPECT_EQ(g.style(7, 4).background, colours::White);
    // 0, 1, 2
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(g.text(2 + k, 5), std::to_string(k));
        EXPECT_EQ(g.style(2 + k, 5).background, colours::White);
    }
    // 0 repeated must stay "000" and "00", not a number.
    EXPECT_EQ(g.text(2, 6), "000");
    EXPECT_EQ(g.style(2, 6).background, kTriple);
    EXPECT_EQ(g.text(2, 7), "00");
    EXPECT_EQ(g.style(2, 7).background, kPair);
    EXPECT_EQ(g.text(11, 7), "9");
    for (int r = 3; r <= 7; ++r)
        for (int c = 2; c <= 11; ++c) EXPECT_EQ(g.style(c, r).foreground, kUnset);
}

TEST(LastDigitTrend, BackgroundFollowsTextLength) {
    EXPECT_EQ(下一桁出現傾向分析::BackgroundForLength(0), colours::White);
    EXPECT_EQ(下一桁出現傾向分析::BackgroundForLength(1), colours::White);
    EXPECT_EQ(下一桁出現傾向分析::BackgroundForLength(2), kPair);
    EXPECT_EQ(下一桁出現傾向分析::BackgroundForLength(3), kTriple);
    EXPECT_EQ(下一桁出現傾向分析::BackgroundForLength(4), colours::HeaderPink);
}

TEST(LastDigitTrend, MissingAndIncompleteDrawsLeaveEmptyRowsAboveTheFooter) {
    // Draw 2 incomplete, draw 4 missing: two draw rows fewer than LatestDrawNo.
    const auto g = BuildTrend(history({{1, 1, 2, 3}, {2, 4, -1, 6}, {3, 7, 8, 9}, {5, 5, 5, 1}}));
    ASSERT_EQ(g.rows(), 9);
    EXPECT_EQ(g.text(1, 3), "1");
    EXPECT_EQ(g.text(1, 4), "3");
    EXPECT_EQ(g.text(1, 5), "5");
    EXPECT_EQ(g.text(7, 5), "55");
    for (int r : {6, 7}) {
        for (int c = 1; c <= 11; ++c) EXPECT_TRUE(g.isEmpty(c, r)) << r << "," << c;
        EXPECT_EQ(g.style(4, r).background, kUnset);
        EXPECT_TRUE(AllSides(g.style(4, r)));
    }
    ExpectLabelRow(g, 8);
    ExpectTitleRow(g, 9);
}

TEST(LastDigitTrend, RepeatedDrawNumbersNeverRunIntoTheFooter) {
    // Three complete draws, but LatestDrawNo is 2: the third has no row.
    const auto g = BuildTrend(history({{1, 1, 1, 1}, {1, 2, 2, 2}, {2, 3, 3, 3}}));
    ASSERT_EQ(g.rows(), 6);
    EXPECT_EQ(g.text(3, 3), "111");
    EXPECT_EQ(g.text(4, 4), "222");
    ExpectLabelRow(g, 5);
    ExpectHeaderColours(g, 5);
    ExpectTitleRow(g, 6);
}

TEST(LastDigitTrend, NoCompleteDrawShowsHeaderAndFooterOnly) {
    for (const auto& h : {DrawHistory{}, history({{1, 1, -1, 2}})}) {
        const auto g = BuildTrend(h);
        ASSERT_EQ(g.rows(), 4);
        ExpectTitleRow(g, 1);
        ExpectLabelRow(g, 2);
        ExpectLabelRow(g, 3);
        ExpectTitleRow(g, 4);
        for (int r = 1; r <= 4; ++r) ExpectHeaderColours(g, r);
    }
}

class LastDigitTrendByGame : public ::testing::TestWithParam<const Game*> {};

TEST_P(LastDigitTrendByGame, GeneratedHistoryWithGapsMatchesEachDraw) {
    const Game& game = *GetParam();
    const auto h = generatedHistory(3000, 5, 11, game);
    const auto stats = LoadStartupStatistics(h, game);
    const auto g = BuildAnalysisGrid(*FindAnalysisWindow("下一桁出現傾向分析"), h, stats, game);
    EXPECT_EQ(g.frozenRows, 2);
    EXPECT_EQ(g.scrollBars, ScrollBars::Vertical);
    ASSERT_EQ(g.columns(), 11);
    ASSERT_EQ(g.rows(), stats.LatestDrawNo + 4);
    int r = 3;
    for (const Draw& d : h) {
        if (!d.complete(game)) continue;
        ASSERT_EQ(g.text(1, r), std::to_string(d.drawNo));
        for (int k = 0; k <= 9; ++k) {
            int n = 0;
            for (int i = 0; i < game.digits; ++i) n += d.digit(i) == k;
            ASSERT_EQ(g.text(2 + k, r), std::string(std::size_t(n), char('0' + k))) << d.drawNo;
            ASSERT_EQ(g.style(2 + k, r).background, 下一桁出現傾向分析::BackgroundForLength(std::size_t(n)));
        }
        ++r;
    }
    EXPECT_EQ(r, stats.LatestDrawNo + 3 - 3000 / 11);
}

INSTANTIATE_TEST_SUITE_P(Games, LastDigitTrendByGame, ::testing::ValuesIn(kGames), EachGameName);

TEST(LastDigitTrend, FourAlikeAreWrittenFourTimesOnPink) {
    const auto g = BuildTrend({MakeDraw(1, "7777"), MakeDraw(2, "1151")}, kNumbers4);
    ASSERT_EQ(g.rows(), 6);
    EXPECT_EQ(g.text(9, 3), "7777");
    EXPECT_EQ(g.style(9, 3).background, colours::HeaderPink);
    EXPECT_EQ(g.text(3, 4), "111");
    EXPECT_EQ(g.style(3, 4).background, kTriple);
    EXPECT_EQ(g.text(7, 4), "5");
    ExpectLabelRow(g, 5);
    ExpectTitleRow(g, 6);
}
