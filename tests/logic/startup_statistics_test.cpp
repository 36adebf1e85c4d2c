#include <gtest/gtest.h>

#include "core/startup_statistics.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;

TEST(StartupStatistics, EmptyHistoryLeavesEverythingAtZero) {
    const auto s = LoadStartupStatistics({});
    for (int c : s.DigitCount) EXPECT_EQ(c, 0);
    EXPECT_EQ(s.LatestDrawNo, 0);
    EXPECT_EQ(s.MaxDigitCount, 0);
    EXPECT_EQ(s.CountGroupRows, 0);
    EXPECT_TRUE(s.DigitsByCount.empty());
}

TEST(StartupStatistics, IncompleteRowsCountForNothingEvenWhenLast) {
    const auto s = LoadStartupStatistics(history({{1, 1, 1, 1}, {2, 3, -1, 4}}));
    EXPECT_EQ(s.DigitCount[1], 3);
    EXPECT_EQ(s.DigitCount[3], 0);
    EXPECT_EQ(s.DigitCount[4], 0);
    EXPECT_EQ(s.LatestDrawNo, 1);
    EXPECT_EQ(s.MaxDigitCount, 3);
    ASSERT_EQ(s.DigitsByCount.size(), 4u);
    EXPECT_EQ(s.DigitsByCount[0], "0,2,3,4,5,6,7,8,9");
    EXPECT_EQ(s.DigitsByCount[3], "1");
    EXPECT_EQ(s.CountGroupRows, 3);
}

TEST(StartupStatistics, GroupsDigitsByCountInAscendingOrder) {
    StartupStatistics s;
    s.DigitCount = {10, 12, 12, 9, 10, 11, 12, 8, 10, 9};
    GroupDigitsByCount(s);
    EXPECT_EQ(s.MaxDigitCount, 12);
    ASSERT_EQ(s.DigitsByCount.size(), 13u);
    EXPECT_EQ(s.DigitsByCount[8], "7");
    EXPECT_EQ(s.DigitsByCount[9], "3,9");
    EXPECT_EQ(s.DigitsByCount[10], "0,4,8");
    EXPECT_EQ(s.DigitsByCount[11], "5");
    EXPECT_EQ(s.DigitsByCount[12], "1,2,6");
    EXPECT_EQ(s.DigitsByCount[7], "");
    EXPECT_EQ(s.CountGroupRows, 6);
}

TEST(StartupStatistics, SharedCountsFromRealDrawsListAscending) {
    // 2 and 7 five times each, everything else once or never.
    const auto s = LoadStartupStatistics(history({{1, 7, 2, 7}, {2, 2, 7, 2}, {3, 2, 7, 2}, {4, 7, 0, 1}}));
    EXPECT_EQ(s.DigitsByCount[5], "2,7");
    EXPECT_EQ(s.DigitsByCount[1], "0,1");
    EXPECT_EQ(s.DigitsByCount[0], "3,4,5,6,8,9");
    EXPECT_EQ(s.CountGroupRows, 4);
}

TEST(StartupStatistics, CountsBeyondSixteenBitsDoNotWrap) {
    DrawHistory h;
    for (int i = 1; i <= 32767; ++i) {
        Draw d;
        d.drawNo = i;
        d.digits = {7, 7, 7};
        h.push_back(d);
    }
    const auto s = LoadStartupStatistics(h);
    EXPECT_EQ(s.DigitCount[7], 98301);
    EXPECT_EQ(s.MaxDigitCount, 98301);
    EXPECT_EQ(s.DigitsByCount[98301], "7");
    EXPECT_EQ(s.LatestDrawNo, 32767);
}
