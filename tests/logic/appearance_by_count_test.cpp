#include <gtest/gtest.h>

#include "analysis/appearance_by_count.h"
#include "grid_lines.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;
using n3::testing::Lines;

namespace {
GridModel BuildFromCounts(std::array<int, 10> counts) {
    StartupStatistics stats;
    stats.DigitCount = counts;
    GroupDigitsByCount(stats);
    return 回数別出現分析::Build({}, stats);
}
}  // namespace

TEST(AppearanceByCount, TenDifferentCountsGiveElevenRowsInAscendingOrder) {
    const GridModel g = BuildFromCounts({9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    ASSERT_EQ(g.rows(), 11);
    ASSERT_EQ(g.columns(), 2);
    EXPECT_EQ(g.text(1, 1), "出 現");
    EXPECT_EQ(g.text(2, 1), "数 字");
    for (int r = 2; r <= 11; ++r) {
        EXPECT_EQ(g.text(1, r), std::to_string(r - 2) + "回");
        EXPECT_EQ(g.text(2, r), std::to_string(11 - r));  // count 0 is digit 9
    }
}

TEST(AppearanceByCount, SharedCountGivesOneRowListingEveryDigit) {
    const GridModel g = BuildFromCounts({12, 12, 12, 12, 12, 12, 12, 12, 12, 12});
    ASSERT_EQ(g.rows(), 2);
    EXPECT_EQ(g.text(1, 2), "12回");
    EXPECT_EQ(g.text(2, 2), "0,1,2,3,4,5,6,7,8,9");
}

TEST(AppearanceByCount, DigitsThatNeverOccurredComeFirstAndCountsWithoutDigitsGetNoRow) {
    const GridModel g = 回数別出現分析::Build({}, LoadStartupStatistics(history({{1, 1, 1, 1}, {2, 3, 3, 3}})));
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(g.text(1, 2), "0回");
    EXPECT_EQ(g.text(2, 2), "0,2,4,5,6,7,8,9");
    EXPECT_EQ(g.text(1, 3), "3回");
    EXPECT_EQ(g.text(2, 3), "1,3");
}

TEST(AppearanceByCount, EmptyHistoryGivesNoRows) {
    const GridModel g = 回数別出現分析::Build({}, LoadStartupStatistics({}));
    EXPECT_EQ(g.rows(), 0);
    EXPECT_EQ(g.columns(), 2);
}

// Two draws but five rows: the yellow ground and the blue digits still
// reach the last row.
TEST(AppearanceByCount, ColoursCoverEveryDataRowOfAShortHistory) {
    const auto stats = LoadStartupStatistics(history({{1, 0, 0, 0}, {2, 1, 1, 2}}));
    ASSERT_EQ(stats.LatestDrawNo, 2);
    const GridModel g = 回数別出現分析::Build({}, stats);
    ASSERT_EQ(g.rows(), 5);
    for (int c = 1; c <= 2; ++c) EXPECT_EQ(g.style(c, 1).background, colours::HeaderPink);
    for (int r = 2; r <= 5; ++r) {
        EXPECT_EQ(g.style(1, r).background, colours::HeaderYellow) << r;
        EXPECT_EQ(g.style(1, r).hAlign, HAlign::Center);
        EXPECT_EQ(g.style(2, r).foreground, colours::Blue) << r;
        EXPECT_EQ(g.style(2, r).hAlign, HAlign::Left);
        EXPECT_FALSE(g.style(2, r).background.isSet());
    }
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 2; ++c) {
            EXPECT_EQ(Lines(g, c, r), "LRTB");
            EXPECT_FALSE(g.style(c, r).borders[Left].colour.isSet());
        }
    EXPECT_DOUBLE_EQ(g.columnWidth(1), 5);
    EXPECT_DOUBLE_EQ(g.columnWidth(2), 20);
    EXPECT_DOUBLE_EQ(g.rowHeight(1), 10);
    EXPECT_TRUE(g.textOverflow);
}
