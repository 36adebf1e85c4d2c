#include <gtest/gtest.h>

#include "analysis/digit_interval.h"
#include "grid_lines.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;
using n3::testing::Lines;

namespace {
constexpr Colour kMagenta{255, 200, 255};
GridModel BuildFor(const DrawHistory& h) { return 数字間隔分析::Build(h, LoadStartupStatistics(h)); }
}  // namespace

TEST(DigitInterval, SignedDifferencesWithNegativesOnMagenta) {
    const GridModel g = BuildFor(history({{1, 3, 5, 8}, {2, 7, 5, 2}, {3, 0, 0, 0}, {4, 9, 9, 9}, {5, 0, 0, 0}}));
    ASSERT_EQ(g.rows(), 9);
    EXPECT_EQ(g.text(2, 3), "3");  // the first record: digits, no differences
    for (int c : {3, 5, 7}) EXPECT_TRUE(g.isEmpty(c, 3));
    EXPECT_EQ(g.text(3, 4), "+4");
    EXPECT_EQ(g.text(5, 4), "0");
    EXPECT_EQ(g.text(7, 4), "-6");
    EXPECT_FALSE(g.style(3, 4).background.isSet());
    EXPECT_FALSE(g.style(5, 4).background.isSet());
    EXPECT_EQ(g.style(7, 4).background, kMagenta);
    EXPECT_EQ(g.text(3, 6), "+9");
    EXPECT_EQ(g.text(7, 7), "-9");
    EXPECT_EQ(g.style(7, 7).background, kMagenta);
    EXPECT_EQ(g.style(2, 7).background, (Colour{200, 255, 255}));  // digit columns stay cyan
}

TEST(DigitInterval, IncompleteRecordsKeepTheirRowAndAreSkippedInTheComparison) {
    const GridModel g = BuildFor(history({{1, 3, 5, 8}, {2, 1, -1, 1}, {3, 4, 4, 4}}));
    for (int c = 1; c <= 7; ++c) EXPECT_TRUE(g.isEmpty(c, 4)) << c;
    EXPECT_EQ(g.text(1, 5), "3");
    EXPECT_EQ(g.text(3, 5), "+1");  // against draw 1, not the half-entered draw 2
    EXPECT_EQ(g.text(5, 5), "-1");
    EXPECT_EQ(g.text(7, 5), "-4");
}

// With an incomplete first record there is no earlier draw to compare the
// first complete draw with.
TEST(DigitInterval, FirstCompleteDrawHasNoDifferencesEvenBelowAnIncompleteRecord) {
    const GridModel g = BuildFor(history({{1, 5, -1, -1}, {2, 3, 5, 8}, {3, 4, 5, 6}}));
    EXPECT_EQ(g.text(2, 4), "3");
    for (int c : {3, 5, 7}) {
        EXPECT_TRUE(g.isEmpty(c, 4)) << c;
        EXPECT_FALSE(g.style(c, 4).background.isSet()) << c;
    }
    EXPECT_EQ(g.text(3, 5), "+1");
    EXPECT_EQ(g.text(7, 5), "-2");
}

TEST(DigitInterval, TitleRowsHaveNoLinesAcrossTheDigitColumns) {
    const GridModel g = BuildFor(history({{1, 1, 2, 3}}));
    ASSERT_EQ(g.rows(), 5);
    for (int row : {1, 5}) {
        EXPECT_EQ(g.text(4, row), "　当 選 数 字");
        EXPECT_EQ(g.style(4, row).hAlign, HAlign::Left);
        EXPECT_EQ(Lines(g, 1, row), "LRTB");
        for (int c = 2; c <= 7; ++c) EXPECT_EQ(Lines(g, c, row), "") << c;
        EXPECT_EQ(g.style(5, row).background, colours::HeaderPink);
    }
    for (int row : {2, 4}) {
        EXPECT_EQ(g.text(3, row), "差分");
        EXPECT_EQ(g.text(4, row), "第2数字");
        EXPECT_EQ(Lines(g, 5, row), "LRTB");
    }
    EXPECT_EQ(Lines(g, 3, 3), "LRTB");
}

TEST(DigitInterval, GeneratedHistoryComparesWithTheLastCompleteDraw) {
    const auto h = n3::testing::generatedHistory(301, 9, 5);
    const GridModel g = BuildFor(h);
    const Draw* previous = nullptr;
    for (std::size_t i = 0; i < h.size(); ++i) {
        const int row = int(i) + 3;
        if (!h[i].complete()) continue;
        for (int p = 0; p < 3; ++p) {
            const int col = 3 + 2 * p;
            if (!previous) {
                EXPECT_TRUE(g.isEmpty(col, row));
                continue;
            }
            const int d = h[i].digit(p) - previous->digit(p);
            std::string expected = d > 0 ? "+" : "";
            expected += std::to_string(d);
            ASSERT_EQ(g.text(col, row), expected) << "draw " << h[i].drawNo;
            EXPECT_EQ(g.style(col, row).background == kMagenta, d < 0);
        }
        previous = &h[i];
    }
}
