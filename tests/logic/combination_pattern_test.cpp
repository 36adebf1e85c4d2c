#include <gtest/gtest.h>

#include "analysis/combination_pattern_windows.h"
#include "draw_list_checks.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing;

namespace {
constexpr Colour kCyan{200, 255, 255};
constexpr Colour kGreen{200, 255, 200};
constexpr Colour kYellow{255, 255, 200};

GridModel lowHigh(const DrawHistory& h) { return 低数字高数字の組合せパターン分析::Build(h, LoadStartupStatistics(h)); }
GridModel evenOdd(const DrawHistory& h) { return 偶数奇数の組合せパターン分析::Build(h, LoadStartupStatistics(h)); }

struct Expect {
    bool firstClass[3];
    const char* first;
    const char* second;
    const char* letter;
    Colour letterBackground;  // unset: none given
};

void check(const GridModel& g, int row, const Expect& e, Colour secondClassBackground) {
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(g.style(i + 2, row).background, e.firstClass[i] ? kCyan : secondClassBackground)
            << "row " << row << " digit " << i + 1;
    EXPECT_EQ(g.text(5, row), e.first);
    EXPECT_EQ(g.text(6, row), e.second);
    EXPECT_EQ(g.text(7, row), e.letter);
    EXPECT_EQ(g.style(7, row).background, e.letterBackground);
}
}  // namespace

TEST(LowHighPattern, FourIsLowAsTheLabelSays) {
    const auto g =
        lowHigh(history({{1, 3, 4, 9}, {2, 4, 4, 4}, {3, 0, 1, 2}, {4, 5, 9, 6}, {5, 1, 2, 3}, {6, 4, 5, 0}}));
    const Colour unchanged{};
    check(g, 2, {{true, true, false}, "2", "1", "C", kGreen}, unchanged);
    check(g, 3, {{true, true, true}, "3", "0", "D", kYellow}, unchanged);
    check(g, 4, {{true, true, true}, "3", "0", "D", kYellow}, unchanged);
    check(g, 5, {{false, false, false}, "0", "3", "A", unchanged}, unchanged);
    check(g, 6, {{true, true, true}, "3", "0", "D", kYellow}, unchanged);
    check(g, 7, {{true, false, true}, "2", "1", "C", kGreen}, unchanged);
    check(lowHigh(history({{1, 9, 4, 5}})), 2, {{false, true, false}, "1", "2", "B", kCyan}, unchanged);
}

TEST(EvenOddPattern, LetterCountsTheOddDigits) {
    const auto g = evenOdd(history({{1, 2, 4, 6}, {2, 1, 3, 5}, {3, 0, 7, 8}, {4, 1, 2, 3}, {5, 9, 8, 7}}));
    const Colour white = colours::White;
    check(g, 2, {{true, true, true}, "3", "0", "A", Colour{}}, white);
    check(g, 3, {{false, false, false}, "0", "3", "D", kYellow}, white);
    check(g, 4, {{true, false, true}, "2", "1", "B", kCyan}, white);
    check(g, 5, {{false, true, false}, "1", "2", "C", kGreen}, white);
    check(g, 6, {{false, true, false}, "1", "2", "C", kGreen}, white);
}

TEST(CombinationPattern, HeaderRowsOfTheTwoWindows) {
    const auto lh = lowHigh({});
    const auto eo = evenOdd({});
    ASSERT_EQ(lh.rows(), 1);
    ASSERT_EQ(lh.columns(), 7);
    const char* lowHighHeaders[] = {"回数", "        当 選 数 字 ", "", "", "低数字", "高数字", "パターン"};
    const char* evenOddHeaders[] = {"回数", "        当 選 数 字 ", "", "", "偶数", "奇数", "パターン"};
    for (int c = 1; c <= 7; ++c) {
        EXPECT_EQ(lh.text(c, 1), lowHighHeaders[c - 1]);
        EXPECT_EQ(eo.text(c, 1), evenOddHeaders[c - 1]);
        EXPECT_EQ(lh.style(c, 1).foreground, colours::Blue);
        EXPECT_EQ(lh.style(c, 1).background, colours::HeaderPink);
        EXPECT_TRUE(lh.style(c, 1) == eo.style(c, 1));
    }
    EXPECT_EQ(lh.style(2, 1).hAlign, HAlign::Left);
    EXPECT_TRUE(lh.textOverflow);
    EXPECT_EQ(lh.rowHeight(1), 20);
    const double widths[] = {6, 5, 5, 5, 5, 5, 5};
    for (int c = 1; c <= 7; ++c) EXPECT_EQ(lh.columnWidth(c), widths[c - 1]);
    // The band is outlined with no lines inside it.
    EXPECT_TRUE(noLinesInside(lh, 1, 2, 4));
    EXPECT_TRUE(outlined(lh, 1, 2, 4));
}

TEST(CombinationPattern, GeneratedHistoryWithIncompleteDrawsAndGaps) {
    const DrawHistory h = withoutEvery(generatedHistory(700, 9, 5), 17);
    const auto draws = completeDraws(h);
    const char* letters[] = {"A", "B", "C", "D"};
    for (bool even : {false, true}) {
        const auto g = even ? evenOdd(h) : lowHigh(h);
        ASSERT_EQ(g.rows(), 1 + draws.back().drawNo);
        for (std::size_t k = 0; k < draws.size(); ++k) {
            const int r = int(k) + 2;
            ASSERT_EQ(g.text(1, r), str(draws[k].drawNo));
            int first = 0;
            for (int i = 0; i < 3; ++i) {
                const int d = draws[k].digit(i);
                first += even ? d % 2 == 0 : d <= 4;
            }
            EXPECT_EQ(g.text(5, r), str(first));
            EXPECT_EQ(g.text(6, r), str(3 - first));
            EXPECT_EQ(g.text(7, r), letters[even ? 3 - first : first]);
            EXPECT_EQ(shownForeground(g, 1, r), colours::Red);
            EXPECT_EQ(shownForeground(g, 5, r), colours::Blue);
            EXPECT_EQ(shownBackground(g, 5, r), kCyan);
            EXPECT_EQ(g.style(6, r).background, colours::White);
            EXPECT_EQ(shownForeground(g, 6, r), colours::Blue);
            EXPECT_EQ(shownForeground(g, 7, r), colours::Black);
        }
        for (int r = int(draws.size()) + 2; r <= g.rows(); ++r) EXPECT_TRUE(g.isEmpty(7, r));
    }
}
