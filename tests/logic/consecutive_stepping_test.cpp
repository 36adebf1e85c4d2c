#include <gtest/gtest.h>

#include <cstdlib>

#include "analysis/consecutive_stepping.h"
#include "draw_list_checks.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing;

namespace {
constexpr Colour kCyan{200, 255, 255};
constexpr Colour kGreen{200, 255, 200};
constexpr Colour kGrey{225, 225, 225};
constexpr Colour kWhite = colours::White;
constexpr Colour kYellow = colours::HeaderYellow;

GridModel build(const DrawHistory& h) { return 連番飛び石分析::Build(h, LoadStartupStatistics(h)); }

// The backgrounds of one row, columns 1..8.
std::array<Colour, 8> row(const GridModel& g, int r) {
    std::array<Colour, 8> out;
    for (int c = 1; c <= 8; ++c) out[std::size_t(c - 1)] = shownBackground(g, c, r);
    return out;
}
using Row = std::array<Colour, 8>;
}  // namespace

TEST(ConsecutiveStepping, MarksNeighbouringPairsAndGreysHalvesWithoutOne) {
    const auto g = build(history({{1, 1, 2, 3},
                                  {2, 1, 3, 5},
                                  {3, 2, 1, 3},
                                  {4, 1, 5, 2},
                                  {5, 9, 0, 9},
                                  {6, 4, 4, 4},
                                  {7, 8, 0, 8},
                                  {8, 3, 2, 0}}));
    EXPECT_EQ(row(g, 2), (Row{kYellow, kCyan, kCyan, kCyan, kGrey, kWhite, kWhite, kWhite}));
    EXPECT_EQ(row(g, 3), (Row{kGrey, kWhite, kWhite, kWhite, kYellow, kGreen, kGreen, kGreen}));
    EXPECT_EQ(row(g, 4), (Row{kYellow, kCyan, kCyan, kWhite, kYellow, kWhite, kGreen, kGreen}));
    // The first and third digits are never compared; 9 and 0, 8 and 0 do not wrap round.
    EXPECT_EQ(row(g, 5), (Row{kGrey, kWhite, kWhite, kWhite, kGrey, kWhite, kWhite, kWhite}));
    EXPECT_EQ(row(g, 6), (Row{kGrey, kWhite, kWhite, kWhite, kGrey, kWhite, kWhite, kWhite}));
    EXPECT_EQ(row(g, 7), (Row{kGrey, kWhite, kWhite, kWhite, kGrey, kWhite, kWhite, kWhite}));
    EXPECT_EQ(row(g, 8), (Row{kGrey, kWhite, kWhite, kWhite, kGrey, kWhite, kWhite, kWhite}));
    // 3 2 0: a consecutive pair on the left, a stepping-stone pair on the right.
    EXPECT_EQ(row(g, 9), (Row{kYellow, kCyan, kCyan, kWhite, kYellow, kWhite, kGreen, kGreen}));
    // Greying keeps the red text of the draw number.
    EXPECT_EQ(shownForeground(g, 1, 5), colours::Red);
    EXPECT_EQ(shownForeground(g, 5, 5), colours::Red);
}

TEST(ConsecutiveStepping, BothHalvesListTheDraw) {
    const auto g = build(history({{1, 1, 5, 2}, {2, 3, -1, 4}, {3, 6, 7, 0}}));
    ASSERT_EQ(g.rows(), 4);
    const char* expect[2][8] = {{"1", "1", "5", "2", "1", "1", "5", "2"}, {"3", "6", "7", "0", "3", "6", "7", "0"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 1; c <= 8; ++c) EXPECT_EQ(g.text(c, r + 2), expect[r][c - 1]);
    for (int c = 1; c <= 8; ++c) EXPECT_TRUE(g.isEmpty(c, 4));
}

TEST(ConsecutiveStepping, HeaderRowAndLayout) {
    const auto g = build({});
    ASSERT_EQ(g.columns(), 8);
    ASSERT_EQ(g.rows(), 1);
    EXPECT_EQ(g.text(1, 1), "回数");
    EXPECT_EQ(g.text(5, 1), "回数");
    EXPECT_EQ(g.text(2, 1), "     連番(当選数字)");
    EXPECT_EQ(g.text(6, 1), "    飛び石(当選数字)");
    EXPECT_EQ(g.style(2, 1).hAlign, HAlign::Left);
    EXPECT_EQ(g.style(6, 1).hAlign, HAlign::Left);
    EXPECT_EQ(g.style(1, 1).hAlign, HAlign::Center);
    EXPECT_TRUE(g.textOverflow);
    EXPECT_EQ(g.rowHeight(1), 10);
    const double widths[] = {6, 5, 5, 5, 6, 5, 5, 5};
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(g.columnWidth(c), widths[c - 1]) << c;
    EXPECT_EQ(row(g, 1), (Row{kYellow, Colour{255, 200, 255}, Colour{255, 200, 255}, Colour{255, 200, 255}, kYellow,
                              colours::HeaderPink, colours::HeaderPink, colours::HeaderPink}));
    EXPECT_EQ(shownForeground(g, 1, 1), colours::Red);
    EXPECT_EQ(shownForeground(g, 2, 1), colours::Black);
    EXPECT_EQ(shownForeground(g, 6, 1), colours::Black);
    // Each band is outlined with no lines inside it.
    for (int first : {2, 6}) {
        EXPECT_TRUE(noLinesInside(g, 1, first, first + 2));
        EXPECT_TRUE(outlined(g, 1, first, first + 2));
    }
}

TEST(ConsecutiveStepping, GeneratedHistoryWithIncompleteDrawsAndGaps) {
    const DrawHistory h = withoutEvery(generatedHistory(500, 3, 6), 11);
    const auto g = build(h);
    const auto draws = completeDraws(h);
    ASSERT_EQ(g.rows(), 1 + 500);
    for (std::size_t k = 0; k < draws.size(); ++k) {
        const int r = int(k) + 2;
        ASSERT_EQ(g.text(5, r), str(draws[k].drawNo));
        for (int half = 0; half < 2; ++half) {
            const int distance = half + 1, noCol = half * 4 + 1;
            const Colour mark = half == 0 ? kCyan : kGreen;
            bool any = false;
            std::array<bool, 3> marked{};
            for (int i = 0; i < 2; ++i)
                if (std::abs(draws[k].digit(i) - draws[k].digit(i + 1)) == distance)
                    any = marked[std::size_t(i)] = marked[std::size_t(i) + 1] = true;
            EXPECT_EQ(shownBackground(g, noCol, r), any ? kYellow : kGrey);
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(shownBackground(g, noCol + 1 + i, r), marked[std::size_t(i)] ? mark : kWhite);
        }
    }
    for (int r = int(draws.size()) + 2; r <= g.rows(); ++r) EXPECT_TRUE(g.isEmpty(1, r));
}
