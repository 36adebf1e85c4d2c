#include <gtest/gtest.h>

#include "analysis/appearance_interval.h"
#include "grid_lines.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;
using n3::testing::Lines;

namespace {
GridModel BuildFor(const DrawHistory& h) { return 出現間隔分析::Build(h, LoadStartupStatistics(h)); }
}  // namespace

TEST(AppearanceInterval, IntervalsAreDrawNumberDifferencesToTheLastAppearance) {
    DrawHistory h = history({{1, 1, 2, 3}, {2, 7, 7, 7}, {3, 7, 7, 7}});
    for (int n = 4; n <= 19; ++n) h.push_back(history({{n, n == 15 ? 0 : 1, 2, n == 15 ? 5 : 8}})[0]);
    h.push_back(history({{20, 5, 8, 9}})[0]);
    const GridModel g = BuildFor(h);
    ASSERT_EQ(g.rows(), 24);
    for (int c : {3, 5, 7}) EXPECT_EQ(g.text(c, 3), "初回");   // the first draw
    for (int c : {3, 5, 7}) EXPECT_EQ(g.text(c, 4), "初回");   // 7 is new to each position
    for (int c : {3, 5, 7}) EXPECT_EQ(g.text(c, 5), "1回前");  // 7-7-7 right after 7-7-7
    EXPECT_EQ(g.text(1, 22), "20");
    EXPECT_EQ(g.text(3, 22), "5回前");  // 5 last seen as third digit of draw 15
    EXPECT_EQ(g.text(5, 22), "1回前");
    EXPECT_EQ(g.text(7, 22), "初回");
}

TEST(AppearanceInterval, IncompleteRecordKeepsAnEmptyRowAndHoldsNoDigits) {
    // Draw 2 is half entered: neither its 0s-to-be nor an empty table entry
    // may count as an appearance of 0.
    const auto h = history({{1, 0, 1, 2}, {2, 3, -1, 4}, {3, -1, -1, -1}, {4, 0, 3, 9}, {5, 5, 6, 7}});
    const GridModel g = BuildFor(h);
    ASSERT_EQ(g.rows(), 9);
    for (int c = 1; c <= 7; ++c) {
        EXPECT_TRUE(g.isEmpty(c, 4)) << c;
        EXPECT_TRUE(g.isEmpty(c, 5)) << c;
    }
    EXPECT_EQ(g.text(1, 6), "4");
    EXPECT_EQ(g.text(3, 6), "3回前");  // 0 from draw 1, passing over 2 and 3
    EXPECT_EQ(g.text(5, 6), "初回");   // the 3 of draw 2 does not count
    EXPECT_EQ(g.text(7, 6), "初回");
    EXPECT_EQ(g.text(1, 7), "5");
}

TEST(AppearanceInterval, DigitZeroIsNotFoundInDrawNumbersThatHaveNoDraw) {
    // Draw numbers 2 to 9 do not exist; rows follow records, intervals numbers.
    const auto h = history({{1, 1, 2, 3}, {10, 0, 1, 0}});
    const GridModel g = BuildFor(h);
    ASSERT_EQ(g.rows(), 14);
    EXPECT_EQ(g.text(1, 4), "10");
    EXPECT_EQ(g.text(3, 4), "初回");
    EXPECT_EQ(g.text(5, 4), "9回前");
    EXPECT_EQ(g.text(7, 4), "初回");
}

TEST(AppearanceInterval, HeaderBlocksAtTopAndBottom) {
    const GridModel g = BuildFor(history({{1, 1, 2, 3}, {2, 4, 5, 6}}));
    ASSERT_EQ(g.rows(), 6);
    for (int row : {1, 6}) {
        EXPECT_EQ(g.text(4, row), "　当 選 数 字     ");
        EXPECT_EQ(g.style(4, row).hAlign, HAlign::Left);
        EXPECT_EQ(Lines(g, 1, row), "LRTB");
        EXPECT_EQ(Lines(g, 2, row), "LTB");
        EXPECT_EQ(Lines(g, 4, row), "TB");
        EXPECT_EQ(Lines(g, 7, row), "RTB");
    }
    for (int row : {2, 5}) {
        EXPECT_EQ(g.text(1, row), "回数");
        EXPECT_EQ(g.text(2, row), "第1数字");
        EXPECT_EQ(g.text(3, row), "出現");
        EXPECT_EQ(g.text(6, row), "第3数字");
        EXPECT_EQ(g.text(7, row), "出現");
        EXPECT_EQ(Lines(g, 3, row), "LRTB");
    }
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(g.style(1, row).foreground, colours::Red);
        EXPECT_EQ(g.style(1, row).background, colours::HeaderYellow);
        const bool header = row <= 2 || row >= 5;
        EXPECT_EQ(g.style(2, row).background, header ? colours::HeaderPink : Colour(200, 255, 255)) << row;
        EXPECT_EQ(g.style(3, row).background, header ? colours::HeaderPink : Colour()) << row;
        EXPECT_EQ(g.style(6, row).foreground, header ? colours::Black : Colour()) << row;
    }
    EXPECT_DOUBLE_EQ(g.rowHeight(1), 15);
    EXPECT_DOUBLE_EQ(g.rowHeight(2), 12);
    EXPECT_DOUBLE_EQ(g.rowHeight(6), 10);
    EXPECT_DOUBLE_EQ(g.columnWidth(7), 5);
}

// Incomplete draws in the middle, checked against a plain backwards search
// over the complete draws.
TEST(AppearanceInterval, GeneratedHistoryMatchesABackwardSearch) {
    const auto h = n3::testing::generatedHistory(501, 5, 4);
    const GridModel g = BuildFor(h);
    for (std::size_t i = 0; i < h.size(); ++i) {
        const int row = int(i) + 3;
        if (!h[i].complete()) {
            EXPECT_TRUE(g.isEmpty(1, row));
            continue;
        }
        for (int p = 0; p < 3; ++p) {
            std::string expected = "初回";
            for (std::size_t j = i; j-- > 0;) {
                const Draw& e = h[j];
                if (e.complete() &&
                    (e.digit(0) == h[i].digit(p) || e.digit(1) == h[i].digit(p) || e.digit(2) == h[i].digit(p))) {
                    expected = std::to_string(h[i].drawNo - e.drawNo) + "回前";
                    break;
                }
            }
            ASSERT_EQ(g.text(3 + 2 * p, row), expected) << "draw " << h[i].drawNo;
        }
    }
}

// Records out of order count only the draws before them in both senses: an
// earlier record with a lower draw number.
TEST(AppearanceInterval, RecordsOutOfOrderLookBackOnlyToLowerNumbersAlreadyRead) {
    const auto intervals = 出現間隔分析::Intervals(history({{3, 1, 2, 3}, {1, 1, 5, 6}, {2, 1, 7, 3}}));
    ASSERT_EQ(intervals.size(), 3u);
    EXPECT_EQ(intervals[0][0], 0);  // draw 3 first: nothing before it yet
    EXPECT_EQ(intervals[1][0], 0);
    EXPECT_EQ(intervals[2][0], 1);  // the 1 of draw 1
    EXPECT_EQ(intervals[2][2], 0);  // draw 3's 3 is not before draw 2
    EXPECT_EQ(intervals[2][3], 出現間隔分析::kNoInterval);
}
