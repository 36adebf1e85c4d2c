#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "analysis/five_group_trend.h"
#include "draw_list_checks.h"
#include "each_game.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing;

namespace {
constexpr Colour kGroupColour[5] = {
    {255, 255, 255}, {200, 255, 255}, {200, 255, 200}, {255, 255, 200}, {255, 200, 255}};
constexpr Colour kLavender{200, 200, 255};

GridModel build(const DrawHistory& h, const Game& game = kNumbers3) {
    return 分割5傾向分析::Build(h, LoadStartupStatistics(h, game), game);
}

std::array<std::string, 5> counts(const GridModel& g, int row) {
    return {g.text(5, row), g.text(6, row), g.text(7, row), g.text(8, row), g.text(9, row)};
}
using Counts = std::array<std::string, 5>;

void expectHeaderRow(const GridModel& g, int row, const Game& game = kNumbers3) {
    const int digitsEnd = game.digits + 1;
    std::vector<std::string> texts = {"回数", "         当 選 数 字"};
    texts.resize(std::size_t(digitsEnd));
    for (const char* group : {"0～1", "2～3", "4～5", "6～7", "8～9"}) texts.emplace_back(group);
    ASSERT_EQ(g.columns(), int(texts.size()));
    for (int c = 1; c <= g.columns(); ++c) {
        EXPECT_EQ(g.text(c, row), texts[std::size_t(c - 1)]) << "row " << row;
        EXPECT_EQ(g.style(c, row).foreground, c <= digitsEnd ? colours::Black : colours::Blue);
        EXPECT_EQ(g.style(c, row).background, c <= digitsEnd ? colours::HeaderPink : kLavender);
    }
    EXPECT_EQ(g.rowHeight(row), 20);
    EXPECT_EQ(g.style(2, row).hAlign, HAlign::Left);
    EXPECT_TRUE(noLinesInside(g, row, 2, digitsEnd));
    for (int c = 2; c <= digitsEnd; ++c)
        EXPECT_EQ(g.style(c, row).borders[Bottom], (Border{LineStyle::Solid, colours::Black}));
}
}  // namespace

TEST(FiveGroupTrend, ColoursAndCountsByGroup) {
    const auto g = build(history({{1, 0, 1, 9}, {2, 2, 4, 6}, {3, 8, 8, 8}, {4, 3, 5, 7}}));
    EXPECT_EQ(counts(g, 2), (Counts{"2", "0", "0", "0", "1"}));
    EXPECT_EQ(counts(g, 3), (Counts{"0", "1", "1", "1", "0"}));
    EXPECT_EQ(counts(g, 4), (Counts{"0", "0", "0", "0", "3"}));
    EXPECT_EQ(counts(g, 5), (Counts{"0", "1", "1", "1", "0"}));
    const int groups[4][3] = {{0, 0, 4}, {1, 2, 3}, {4, 4, 4}, {1, 2, 3}};
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < 3; ++i) EXPECT_EQ(g.style(i + 2, r + 2).background, kGroupColour[groups[r][i]]) << r << i;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(shownBackground(g, 5 + k, 3), kGroupColour[k]);
        EXPECT_EQ(shownForeground(g, 5 + k, 3), colours::Black);
    }
}

TEST(FiveGroupTrend, FullHistoryEndsWithASecondHeaderRow) {
    const auto g = build(generatedHistory(100, 21));
    ASSERT_EQ(g.columns(), 9);
    ASSERT_EQ(g.rows(), 102);
    EXPECT_EQ(g.text(1, 101), "100");
    expectHeaderRow(g, 1);
    expectHeaderRow(g, 102);
    const double widths[] = {6, 5, 5, 5, 5, 5, 5, 5, 5};
    for (int c = 1; c <= 9; ++c) EXPECT_EQ(g.columnWidth(c), widths[c - 1]);
    EXPECT_EQ(g.rowHeight(50), 10);
    EXPECT_TRUE(g.textOverflow);
    // The red line before the counts runs through every row.
    for (int r = 1; r <= 102; ++r) {
        EXPECT_EQ(g.style(5, r).borders[Left], (Border{LineStyle::Solid, colours::Red}));
        EXPECT_EQ(g.style(4, r).borders[Right], (Border{LineStyle::Solid, colours::Red}));
    }
    EXPECT_EQ(g.style(1, 50).foreground, colours::Red);
    EXPECT_EQ(g.style(1, 50).background, colours::HeaderYellow);
}

class FiveGroupTrendByGame : public ::testing::TestWithParam<const Game*> {};

TEST_P(FiveGroupTrendByGame, EmptyHistoryIsTheTwoHeaderRows) {
    const Game& game = *GetParam();
    const auto g = build({}, game);
    ASSERT_EQ(g.rows(), 2);
    expectHeaderRow(g, 1, game);
    expectHeaderRow(g, 2, game);
}

TEST_P(FiveGroupTrendByGame, GeneratedHistoryWithIncompleteDrawsAndGaps) {
    const Game& game = *GetParam();
    const DrawHistory h = withoutEvery(generatedHistory(800, 4, 3, game), 10);
    const auto g = build(h, game);
    const auto draws = completeDraws(h, game);
    const int latest = draws.back().drawNo;
    const int firstCount = game.digits + 2;
    ASSERT_EQ(g.rows(), latest + 2);
    for (std::size_t k = 0; k < draws.size(); ++k) {
        const int r = int(k) + 2;
        ASSERT_EQ(g.text(1, r), str(draws[k].drawNo));
        int expected[5] = {};
        for (int i = 0; i < game.digits; ++i) {
            ++expected[draws[k].digit(i) / 2];
            EXPECT_EQ(g.style(i + 2, r).background, kGroupColour[draws[k].digit(i) / 2]);
        }
        int total = 0;
        for (int grp = 0; grp < 5; ++grp) {
            EXPECT_EQ(g.text(firstCount + grp, r), str(expected[grp]));
            total += std::stoi(g.text(firstCount + grp, r));
        }
        EXPECT_EQ(total, game.digits);
        EXPECT_EQ(g.style(firstCount, r).borders[Left], (Border{LineStyle::Solid, colours::Red}));
    }
    // Free rows sit between the last draw and the bottom header row.
    ASSERT_LT(int(draws.size()) + 1, latest + 1);
    for (int r = int(draws.size()) + 2; r <= latest + 1; ++r)
        for (int c = 1; c <= g.columns(); ++c) EXPECT_TRUE(g.isEmpty(c, r));
    expectHeaderRow(g, latest + 2, game);
}

INSTANTIATE_TEST_SUITE_P(Games, FiveGroupTrendByGame, ::testing::ValuesIn(kGames), EachGameName);
