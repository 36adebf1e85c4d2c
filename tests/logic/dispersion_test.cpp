#include <gtest/gtest.h>

#include "analysis/dispersion.h"
#include "grid_lines.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;
using n3::testing::Lines;

namespace {
GridModel BuildFor(const DrawHistory& h) { return バラツキ分析::Build(h, LoadStartupStatistics(h)); }
}  // namespace

TEST(Dispersion, OneDotPerDigitValueInTheDrawRow) {
    const GridModel g = BuildFor(history({{1, 0, 5, 9}, {2, 4, 4, 9}}));
    ASSERT_EQ(g.rows(), 5);
    ASSERT_EQ(g.columns(), 12);
    EXPECT_EQ(g.text(1, 3), "1");
    EXPECT_EQ(g.text(12, 3), "1");
    for (int c = 2; c <= 11; ++c) {
        const bool dot = c == 2 || c == 7 || c == 11;
        EXPECT_EQ(g.text(c, 3), dot ? "●" : "") << c;
        EXPECT_EQ(g.style(c, 3).foreground, dot ? colours::MarkBlue : Colour()) << c;
    }
    EXPECT_EQ(g.text(6, 4), "●");  // 4-4-9: one dot for the two 4s
    EXPECT_EQ(g.text(11, 4), "●");
    int dots = 0;
    for (int c = 2; c <= 11; ++c) dots += g.text(c, 4) == "●";
    EXPECT_EQ(dots, 2);
}

TEST(Dispersion, IncompleteRecordsTakeNoRowAndTheLastRowStaysEmpty) {
    const GridModel g = BuildFor(history({{1, 1, 2, 3}, {2, 1, -1, 3}, {3, 7, 8, 9}}));
    ASSERT_EQ(g.rows(), 6);
    EXPECT_EQ(g.text(1, 4), "3");
    EXPECT_EQ(g.text(12, 4), "3");
    EXPECT_EQ(g.text(10, 4), "●");
    for (int r = 5; r <= 6; ++r)
        for (int c = 1; c <= 12; ++c) EXPECT_TRUE(g.isEmpty(c, r)) << c << "," << r;
}

// Past 45 draws there is still no second label row below the draws.
TEST(Dispersion, LongHistoryHasNoSecondLabelRow) {
    const auto h = n3::testing::generatedHistory(60, 4);
    const GridModel g = BuildFor(h);
    ASSERT_EQ(g.rows(), 63);
    EXPECT_EQ(g.text(1, 62), "60");
    for (int c = 1; c <= 12; ++c) EXPECT_TRUE(g.isEmpty(c, 63)) << c;
    for (int r = 3; r <= 62; ++r) {
        EXPECT_EQ(g.text(1, r), std::to_string(r - 2));
        EXPECT_EQ(g.style(3, r).background, Colour()) << r;
    }
}

TEST(Dispersion, LabelRowsColoursAndLines) {
    const GridModel g = BuildFor(history({{1, 1, 2, 3}}));
    EXPECT_EQ(g.text(6, 1), "    当  選  数　字");
    EXPECT_EQ(g.style(6, 1).foreground, colours::Blue);
    EXPECT_EQ(g.style(6, 1).hAlign, HAlign::Center);
    EXPECT_TRUE(g.textOverflow);
    EXPECT_EQ(g.text(1, 2), "回");
    EXPECT_EQ(g.text(2, 2), "0");
    EXPECT_EQ(g.text(11, 2), "9");
    EXPECT_EQ(g.text(12, 2), "回");
    for (int c = 2; c <= 11; ++c) {
        EXPECT_EQ(g.style(c, 1).background, colours::LabelCyan);
        EXPECT_EQ(g.style(c, 2).background, colours::LabelCyan);
        EXPECT_EQ(g.style(c, 2).foreground, colours::Blue);
    }
    for (int c : {1, 12})
        for (int r = 1; r <= 4; ++r) {
            EXPECT_EQ(g.style(c, r).foreground, colours::Red);
            EXPECT_EQ(g.style(c, r).background, colours::HeaderYellow);
        }
    EXPECT_EQ(Lines(g, 1, 1), "R");
    EXPECT_EQ(Lines(g, 2, 1), "LTB");
    EXPECT_EQ(Lines(g, 6, 1), "TB");
    EXPECT_EQ(Lines(g, 11, 1), "RTB");
    EXPECT_EQ(Lines(g, 12, 1), "");
    EXPECT_EQ(g.style(6, 1).borders[Top].colour, colours::LineBlue);
    EXPECT_EQ(g.style(1, 1).borders[Right].colour, colours::LineBlue);
    for (int r = 2; r <= 4; ++r)
        for (int c : {1, 5, 12}) {
            EXPECT_EQ(Lines(g, c, r), "LRTB");
            EXPECT_EQ(g.style(c, r).borders[Bottom].colour, colours::LineBlue);
        }
    EXPECT_DOUBLE_EQ(g.columnWidth(1), 5);
    EXPECT_DOUBLE_EQ(g.columnWidth(2), 2);
    EXPECT_DOUBLE_EQ(g.columnWidth(12), 5);
    EXPECT_DOUBLE_EQ(g.rowHeight(2), 15);
    EXPECT_DOUBLE_EQ(g.rowHeight(3), 10);
}

TEST(Dispersion, GeneratedHistoryPacksCompleteDrawsWithoutGaps) {
    const auto h = n3::testing::generatedHistory(300, 8, 7);
    const GridModel g = BuildFor(h);
    int row = 3;
    for (const Draw& d : h) {
        if (!d.complete()) continue;
        ASSERT_EQ(g.text(1, row), std::to_string(d.drawNo));
        for (int v = 0; v <= 9; ++v) {
            const bool has = d.digit(0) == v || d.digit(1) == v || d.digit(2) == v;
            ASSERT_EQ(g.text(v + 2, row) == "●", has) << "draw " << d.drawNo << " digit " << v;
        }
        ++row;
    }
    for (int r = row; r <= g.rows(); ++r) EXPECT_TRUE(g.isEmpty(1, r));
}
