#include <gtest/gtest.h>

#include <string>

#include "analysis/group_division_windows.h"
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
constexpr Colour kCyan{200, 255, 255}, kGreen{200, 255, 200}, kMagenta{255, 200, 255}, kLavender{200, 200, 255},
    kUnset{};
const std::string kIdeo = "\u3000";

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

GridModel Build3(const DrawHistory& h, const Game& game = kNumbers3) {
    return 分割3データ分析::Build(h, LoadStartupStatistics(h, game), game);
}
GridModel Build5(const DrawHistory& h, const Game& game = kNumbers3) {
    return 分割5データ分析::Build(h, LoadStartupStatistics(h, game), game);
}
GridModel Build10(const DrawHistory& h, const Game& game = kNumbers3) {
    return 分割10データ分析::Build(h, LoadStartupStatistics(h, game), game);
}

// Column of digit d in block b.
int Col(int b, int d) { return 2 + 10 * b + d; }

int MarksInRow(const GridModel& g, int row) {
    int n = 0;
    for (int c = 2; c < g.columns(); ++c) n += g.text(c, row) == "●" ? 1 : 0;
    return n;
}

bool AllSides(const CellStyle& s, Colour c) {
    for (const auto& b : s.borders)
        if (b.style != LineStyle::Solid || b.colour != c) return false;
    return true;
}
}  // namespace

TEST(GroupDivision, SizesTitlesAndFixedColours) {
    const auto g = Build3(history({{1, 1, 2, 3}, {2, 4, 5, 6}}));
    ASSERT_EQ(g.columns(), 32);
    ASSERT_EQ(g.rows(), 5);
    EXPECT_EQ(g.columnWidth(1), 6);
    EXPECT_EQ(g.columnWidth(32), 6);
    EXPECT_EQ(g.columnWidth(2), 2);
    EXPECT_EQ(g.columnWidth(31), 2);
    EXPECT_EQ(g.rowHeight(1), 15);
    EXPECT_EQ(g.rowHeight(2), 12);
    EXPECT_EQ(g.rowHeight(3), 9);
    EXPECT_EQ(g.rowHeight(5), 9);
    EXPECT_TRUE(g.textOverflow);
    EXPECT_EQ(g.activeCol, 1);
    EXPECT_EQ(g.activeRow, 1);

    const std::string pad = Repeat(kIdeo, 4);
    for (int b = 0; b < 3; ++b) {
        const int c = Col(b, 0);
        EXPECT_EQ(g.text(c, 1), pad + "当選数字(第" + std::to_string(b + 1) + "数字)" + pad);
        EXPECT_EQ(g.style(c, 1).hAlign, HAlign::Left);
        EXPECT_EQ(g.style(c + 1, 1).hAlign, HAlign::Center);
        // One box round the block's ten title cells, nothing inside it.
        EXPECT_EQ(g.style(c, 1).borders[Left].colour, colours::LineBlue);
        EXPECT_EQ(g.style(c, 1).borders[Right].style, LineStyle::None);
        EXPECT_EQ(g.style(c + 9, 1).borders[Right].colour, colours::LineBlue);
        EXPECT_EQ(g.style(c + 5, 1).borders[Top].colour, colours::LineBlue);
        EXPECT_EQ(g.style(c + 5, 1).borders[Bottom].colour, colours::LineBlue);
    }
    for (int c = 2; c <= 31; ++c) EXPECT_EQ(g.style(c, 1).background, colours::HeaderPink) << c;
    for (int r = 1; r <= g.rows(); ++r)
        for (int c : {1, 32}) {
            EXPECT_EQ(g.style(c, r).foreground, colours::Red);
            EXPECT_EQ(g.style(c, r).background, colours::HeaderYellow);
        }
    EXPECT_EQ(g.style(1, 1).borders[Right].style, LineStyle::None);
    EXPECT_EQ(g.style(1, 2).borders[Bottom].style, LineStyle::None);
    for (int r = 3; r <= g.rows(); ++r)
        for (int c = 1; c <= 32; ++c) EXPECT_TRUE(AllSides(g.style(c, r), colours::LineBlue)) << c << "," << r;

    EXPECT_EQ(g.text(1, 3), "回数");
    EXPECT_EQ(g.text(32, 3), "回数");
    for (int b = 0; b < 3; ++b)
        for (int d = 0; d <= 9; ++d) EXPECT_EQ(g.text(Col(b, d), 3), std::to_string(d));
}

TEST(GroupDivision, LabelTextsArePaddedExactly) {
    const auto g3 = Build3(history({{1, 1, 2, 3}}));
    const auto g5 = Build5(history({{1, 1, 2, 3}}));
    const auto g10 = Build10(history({{1, 1, 2, 3}}));
    const std::string two = Repeat(kIdeo, 2), three = Repeat(kIdeo, 3);
    for (int b = 0; b < 3; ++b) {
        EXPECT_EQ(g3.text(Col(b, 0), 2), two + " Ａ ");
        EXPECT_EQ(g3.text(Col(b, 3), 2), two + " Ｂ ");
        EXPECT_EQ(g3.text(Col(b, 6), 2), three + " Ｃ " + two);
        EXPECT_EQ(g3.style(Col(b, 6), 2).hAlign, HAlign::Left);
        for (int d : {1, 2, 4, 5, 7, 8, 9}) EXPECT_TRUE(g3.isEmpty(Col(b, d), 2));

        const char* letters5[] = {"Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ"};
        for (int grp = 0; grp < 5; ++grp) {
            EXPECT_EQ(g5.text(Col(b, 2 * grp), 2), kIdeo + letters5[grp] + " ");
            EXPECT_TRUE(g5.isEmpty(Col(b, 2 * grp + 1), 2));
        }
        const char* letters10[] = {"Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "Ｆ", "Ｇ", "Ｈ", "Ｉ", "Ｊ"};
        for (int d = 0; d <= 9; ++d) EXPECT_EQ(g10.text(Col(b, d), 2), letters10[d]);
    }
    EXPECT_TRUE(g3.isEmpty(1, 2));
    EXPECT_TRUE(g10.isEmpty(32, 2));
}

TEST(GroupDivision, BandsLeaveTheUncolouredGroupsDefault) {
    const auto h = history({{1, 1, 2, 3}, {2, 4, 5, 6}});
    const auto g3 = Build3(h), g5 = Build5(h), g10 = Build10(h);
    const Colour bands3[] = {kCyan, kCyan, kCyan, kUnset, kUnset, kUnset, kGreen, kGreen, kGreen, kGreen};
    const Colour bands5[] = {kCyan, kCyan, kUnset, kUnset, kGreen, kGreen, kUnset, kUnset, kMagenta, kMagenta};
    const Colour bands10[] = {kCyan, kGreen, kMagenta, kLavender, kUnset, kCyan, kGreen, kMagenta, kLavender, kUnset};
    for (int r = 2; r <= 5; ++r)
        for (int b = 0; b < 3; ++b)
            for (int d = 0; d <= 9; ++d) {
                EXPECT_EQ(g3.style(Col(b, d), r).background, bands3[d]) << r << " " << d;
                EXPECT_EQ(g5.style(Col(b, d), r).background, bands5[d]) << r << " " << d;
                EXPECT_EQ(g10.style(Col(b, d), r).background, bands10[d]) << r << " " << d;
            }
}

TEST(GroupDivision, BlueDigitLabelsOnlyWhereTheLayoutSays) {
    const auto h = history({{1, 1, 2, 3}});
    for (const auto& g : {Build3(h), Build5(h)}) {
        for (int c = 2; c <= 11; ++c) EXPECT_EQ(g.style(c, 3).foreground, colours::Blue);
        for (int c = 12; c <= 31; ++c) EXPECT_EQ(g.style(c, 3).foreground, kUnset) << c;
    }
    const auto g10 = Build10(h);
    for (int c = 2; c <= 31; ++c) EXPECT_EQ(g10.style(c, 3).foreground, colours::Blue);
}

TEST(GroupDivision, GroupLetterRowFramedPerGroupOrPerCell) {
    const auto h = history({{1, 1, 2, 3}});
    const auto g3 = Build3(h);
    for (int b = 0; b < 3; ++b) {
        // Ａ: columns of 0..2 as one box.
        EXPECT_EQ(g3.style(Col(b, 0), 2).borders[Left].colour, colours::LineBlue);
        EXPECT_EQ(g3.style(Col(b, 0), 2).borders[Right].style, LineStyle::None);
        EXPECT_EQ(g3.style(Col(b, 1), 2).borders[Top].colour, colours::LineBlue);
        EXPECT_EQ(g3.style(Col(b, 1), 2).borders[Left].style, LineStyle::None);
        EXPECT_EQ(g3.style(Col(b, 2), 2).borders[Right].colour, colours::LineBlue);
        // Ｃ: 6..9.
        EXPECT_EQ(g3.style(Col(b, 6), 2).borders[Left].colour, colours::LineBlue);
        EXPECT_EQ(g3.style(Col(b, 8), 2).borders[Right].style, LineStyle::None);
        EXPECT_EQ(g3.style(Col(b, 9), 2).borders[Right].colour, colours::LineBlue);
    }
    const auto g5 = Build5(h);
    for (int b = 0; b < 3; ++b)
        for (int grp = 0; grp < 5; ++grp) {
            EXPECT_EQ(g5.style(Col(b, 2 * grp), 2).borders[Left].colour, colours::LineBlue);
            EXPECT_EQ(g5.style(Col(b, 2 * grp), 2).borders[Right].style, LineStyle::None);
            EXPECT_EQ(g5.style(Col(b, 2 * grp + 1), 2).borders[Right].colour, colours::LineBlue);
        }
    const auto g10 = Build10(h);
    for (int c = 2; c <= 32; ++c) EXPECT_TRUE(AllSides(g10.style(c, 2), colours::LineBlue)) << c;
    EXPECT_EQ(g10.style(1, 2).borders[Right].style, LineStyle::None);
    EXPECT_EQ(g3.style(32, 2).borders[Left].style, LineStyle::None);
}

TEST(GroupDivision, TripleDigitMarksTheSameColumnOfEachBlock) {
    const auto g = Build5(history({{1, 7, 7, 7}, {2, 0, 9, 4}}));
    ASSERT_EQ(g.rows(), 5);
    EXPECT_EQ(g.text(1, 4), "1");
    EXPECT_EQ(g.text(32, 4), "1");
    for (int b = 0; b < 3; ++b) {
        EXPECT_EQ(g.text(Col(b, 7), 4), "●");
        EXPECT_EQ(g.style(Col(b, 7), 4).foreground, colours::MarkBlue);
        EXPECT_EQ(g.style(Col(b, 7), 4).background, kUnset);  // Ｄ has no band
        EXPECT_EQ(g.style(Col(b, 6), 4).foreground, kUnset);
    }
    EXPECT_EQ(MarksInRow(g, 4), 3);
    EXPECT_EQ(g.text(Col(0, 0), 5), "●");
    EXPECT_EQ(g.style(Col(0, 0), 5).background, kCyan);
    EXPECT_EQ(g.text(Col(1, 9), 5), "●");
    EXPECT_EQ(g.text(Col(2, 4), 5), "●");
    EXPECT_EQ(MarksInRow(g, 5), 3);
}

TEST(GroupDivision, IncompleteDrawsTakeNoRowAndGapsLeaveEmptyRowsAtTheBottom) {
    // Draw 3 is incomplete, draw 5 is missing, draw 6 is incomplete and last.
    const auto g = Build3(history({{1, 1, 2, 3}, {2, 2, 3, 4}, {3, 5, -1, 5}, {4, 9, 9, 0}, {6, -1, -1, -1}}));
    ASSERT_EQ(g.rows(), 3 + 4);
    EXPECT_EQ(g.text(1, 4), "1");
    EXPECT_EQ(g.text(1, 5), "2");
    EXPECT_EQ(g.text(1, 6), "4");
    EXPECT_EQ(g.text(32, 6), "4");
    EXPECT_EQ(g.text(Col(0, 9), 6), "●");
    // The spare row is empty but still lined and banded.
    for (int c = 1; c <= 32; ++c) EXPECT_TRUE(g.isEmpty(c, 7)) << c;
    EXPECT_TRUE(AllSides(g.style(5, 7), colours::LineBlue));
    EXPECT_EQ(g.style(Col(2, 9), 7).background, kGreen);
    EXPECT_EQ(g.style(1, 7).background, colours::HeaderYellow);
}

class GroupDivisionByGame : public ::testing::TestWithParam<const Game*> {};

TEST_P(GroupDivisionByGame, NoCompleteDrawShowsOnlyTheHeaderRows) {
    const Game& game = *GetParam();
    const int last = Col(game.digits, 0);
    for (const auto& h : {DrawHistory{}, history({{1, 1, -1, 2}, {2, -1, 3, 4}})}) {
        for (const auto& g : {Build3(h, game), Build5(h, game), Build10(h, game)}) {
            ASSERT_EQ(g.rows(), 3);
            ASSERT_EQ(g.columns(), last);
            EXPECT_EQ(g.text(1, 3), "回数");
            EXPECT_EQ(g.text(last, 3), "回数");
            EXPECT_EQ(g.text(Col(game.digits - 1, 9), 3), "9");
            EXPECT_FALSE(g.isEmpty(2, 2));
        }
    }
}

TEST_P(GroupDivisionByGame, GeneratedHistoryWithGapsMarksEachCompleteDrawOnce) {
    const Game& game = *GetParam();
    const auto h = generatedHistory(2000, 3, 7, game);
    const auto stats = LoadStartupStatistics(h, game);
    const auto* info = FindAnalysisWindow("分割10データ分析");
    ASSERT_NE(info, nullptr);
    ASSERT_NE(info->build, nullptr);
    const auto g = BuildAnalysisGrid(*info, h, stats, game);
    const int last = Col(game.digits, 0);
    EXPECT_EQ(g.frozenRows, 3);
    EXPECT_EQ(g.scrollBars, ScrollBars::Both);
    ASSERT_EQ(g.rows(), 3 + stats.LatestDrawNo);
    ASSERT_EQ(g.columns(), last);
    int r = 4;
    for (const Draw& d : h) {
        if (!d.complete(game)) continue;
        ASSERT_EQ(g.text(1, r), std::to_string(d.drawNo));
        ASSERT_EQ(g.text(last, r), std::to_string(d.drawNo));
        for (int b = 0; b < game.digits; ++b) ASSERT_EQ(g.text(Col(b, d.digit(b)), r), "●") << d.drawNo;
        ASSERT_EQ(MarksInRow(g, r), game.digits) << d.drawNo;
        ++r;
    }
    // 2000 / 7 incomplete draws leave as many empty rows at the bottom.
    EXPECT_EQ(g.rows() - r + 1, 2000 / 7);
    for (; r <= g.rows(); ++r) ASSERT_TRUE(g.isEmpty(1, r));
}

INSTANTIATE_TEST_SUITE_P(Games, GroupDivisionByGame, ::testing::ValuesIn(kGames), EachGameName);

TEST(GroupDivision, FourDigitsGainAFourthBlockBeforeTheRightDrawNumber) {
    const DrawHistory h = {MakeDraw(1, "0369")};
    const auto g3 = Build3(h, kNumbers4), g10 = Build10(h, kNumbers4);
    ASSERT_EQ(g3.columns(), 42);
    const std::string pad = Repeat(kIdeo, 4);
    EXPECT_EQ(g3.text(Col(3, 0), 1), pad + "当選数字(第4数字)" + pad);
    for (int c = 2; c <= 41; ++c) EXPECT_EQ(g3.style(c, 1).background, colours::HeaderPink) << c;
    EXPECT_EQ(g3.style(Col(3, 7), 4).background, kGreen);
    EXPECT_EQ(g3.style(42, 4).background, colours::HeaderYellow);
    // Blue digit labels: the first block in 3分割, every block in 10分割.
    EXPECT_EQ(g3.style(Col(0, 5), 3).foreground, colours::Blue);
    EXPECT_EQ(g3.style(Col(3, 5), 3).foreground, kUnset);
    EXPECT_EQ(g10.style(Col(3, 5), 3).foreground, colours::Blue);
}
