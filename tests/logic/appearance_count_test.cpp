#include <gtest/gtest.h>

#include "analysis/appearance_count.h"
#include "grid_lines.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;
using n3::testing::Lines;

namespace {
GridModel BuildFor(const DrawHistory& h) { return 出現回数分析::Build(h, LoadStartupStatistics(h)); }
}  // namespace

TEST(AppearanceCount, CountsOccurrencesBeforeEachDrawReadingAllThreeFirst) {
    // Five 4s before the draw 4-4-9; then two more.
    const auto h = history({{1, 4, 4, 4}, {2, 4, 9, 4}, {3, 4, 4, 9}, {4, 4, 0, 0}});
    const GridModel g = BuildFor(h);
    ASSERT_EQ(g.rows(), 6);
    EXPECT_EQ(g.text(5, 3), "0");  // first draw: 0, 0, 0
    EXPECT_EQ(g.text(6, 3), "0");
    EXPECT_EQ(g.text(7, 3), "0");
    EXPECT_EQ(g.text(1, 5), "3");
    EXPECT_EQ(g.text(2, 5), "4");
    EXPECT_EQ(g.text(5, 5), "5");
    EXPECT_EQ(g.text(6, 5), "5");
    EXPECT_EQ(g.text(7, 5), "1");
    EXPECT_EQ(g.text(5, 6), "7");  // afterwards 4 has occurred seven times
    EXPECT_EQ(g.text(6, 6), "0");
    EXPECT_EQ(g.text(1, 6), "4");  // the latest draw is the last row
}

TEST(AppearanceCount, IncompleteRowsTakeNoRowAndLeaveEmptyRowsAtTheBottom) {
    const auto h = history({{1, 1, 2, 3}, {2, 1, -1, 3}, {3, 3, 2, 1}, {4, -1, -1, -1}});
    const GridModel g = BuildFor(h);
    ASSERT_EQ(g.rows(), 5);  // LatestDrawNo 3
    EXPECT_EQ(g.text(1, 4), "3");
    EXPECT_EQ(g.text(5, 4), "1");  // the incomplete draw 2 counted nothing
    for (int c = 1; c <= 7; ++c) EXPECT_TRUE(g.isEmpty(c, 5)) << c;
}

TEST(AppearanceCount, HeaderRowsReadAsTwoTitleCells) {
    const GridModel g = BuildFor(history({{1, 1, 2, 3}}));
    EXPECT_EQ(g.text(2, 1), "           当 選 数 字");
    EXPECT_EQ(g.text(6, 1), "　　出現回数合計(回)");
    EXPECT_EQ(g.style(2, 1).hAlign, HAlign::Left);
    EXPECT_EQ(g.style(6, 1).hAlign, HAlign::Left);
    EXPECT_EQ(g.text(1, 2), "回数");
    EXPECT_EQ(g.text(2, 2), "第1数字");
    EXPECT_EQ(g.text(7, 2), "第3数字");
    EXPECT_EQ(g.style(3, 2).foreground, colours::Blue);
    EXPECT_EQ(g.style(3, 1).background, (Colour{200, 255, 255}));
    EXPECT_EQ(g.style(6, 2).foreground, colours::Red);
    EXPECT_EQ(g.style(7, 1).background, (Colour{200, 255, 200}));
    EXPECT_EQ(g.style(1, 3).foreground, colours::Red);
    EXPECT_EQ(g.style(1, 3).background, colours::HeaderYellow);
    EXPECT_FALSE(g.style(2, 3).background.isSet());

    EXPECT_EQ(Lines(g, 1, 1), "LRTB");
    EXPECT_EQ(Lines(g, 2, 1), "");
    EXPECT_EQ(Lines(g, 3, 1), "");
    EXPECT_EQ(Lines(g, 4, 1), "R");
    EXPECT_EQ(Lines(g, 5, 1), "");
    EXPECT_EQ(Lines(g, 7, 1), "R");
    EXPECT_EQ(Lines(g, 4, 2), "LRTB");
    EXPECT_EQ(Lines(g, 6, 3), "LRTB");
    EXPECT_DOUBLE_EQ(g.rowHeight(1), 20);
    EXPECT_DOUBLE_EQ(g.rowHeight(2), 12);
    EXPECT_DOUBLE_EQ(g.rowHeight(3), 10);
    EXPECT_DOUBLE_EQ(g.columnWidth(1), 6);
    EXPECT_TRUE(g.textOverflow);
}

// A generated history with incomplete draws in the middle, checked draw by
// draw against a recount of all earlier complete draws.
TEST(AppearanceCount, GeneratedHistoryMatchesARecount) {
    const auto h = n3::testing::generatedHistory(400, 3, 9);
    const GridModel g = BuildFor(h);
    const GridModel again = BuildFor(h);
    int row = 3;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (!h[i].complete()) continue;
        EXPECT_EQ(g.text(1, row), std::to_string(h[i].drawNo));
        for (int p = 0; p < 3; ++p) {
            int earlier = 0;
            for (std::size_t j = 0; j < i; ++j)
                if (h[j].complete())
                    for (int q = 0; q < 3; ++q) earlier += h[j].digit(q) == h[i].digit(p);
            ASSERT_EQ(g.text(5 + p, row), std::to_string(earlier)) << "draw " << h[i].drawNo;
            EXPECT_EQ(again.text(5 + p, row), g.text(5 + p, row));
        }
        ++row;
    }
    EXPECT_EQ(row, 400 - 400 / 9 + 3);
}
