#include <gtest/gtest.h>

#include "analysis/combination_pattern_windows.h"
#include "draw_list_checks.h"
#include "each_game.h"
#include "make_draw.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing;

namespace {
constexpr Colour kCyan{200, 255, 255};
constexpr Colour kGreen{200, 255, 200};
constexpr Colour kYellow{255, 255, 200};
constexpr Colour kMagenta{255, 200, 255};

GridModel lowHigh(const DrawHistory& h, const Game& game = kNumbers3) {
    return 低数字高数字の組合せパターン分析::Build(h, LoadStartupStatistics(h, game), game);
}
GridModel evenOdd(const DrawHistory& h, const Game& game = kNumbers3) {
    return 偶数奇数の組合せパターン分析::Build(h, LoadStartupStatistics(h, game), game);
}

struct Expect {
    bool firstClass[3];
    const char* first;
    const char* second;
    const char* letter;
    Colour letterBackground;  // unset: none given
};

// The first three digits' classes, the counts and the letter of a row.
void check(const GridModel& g, int row, const Expect& e, Colour secondClassBackground, const Game& game = kNumbers3) {
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(g.style(i + 2, row).background, e.firstClass[i] ? kCyan : secondClassBackground)
            << "row " << row << " digit " << i + 1;
    const int firstCount = game.digits + 2;
    EXPECT_EQ(g.text(firstCount, row), e.first);
    EXPECT_EQ(g.text(firstCount + 1, row), e.second);
    EXPECT_EQ(g.text(firstCount + 2, row), e.letter);
    EXPECT_EQ(g.style(firstCount + 2, row).background, e.letterBackground);
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

class CombinationPatternByGame : public ::testing::TestWithParam<const Game*> {};

TEST_P(CombinationPatternByGame, GeneratedHistoryWithIncompleteDrawsAndGaps) {
    const Game& game = *GetParam();
    const int digits = game.digits;
    const DrawHistory h = withoutEvery(generatedHistory(700, 9, 5, game), 17);
    const auto draws = completeDraws(h, game);
    const char* letters[] = {"A", "B", "C", "D", "E"};
    const int firstCount = digits + 2, secondCount = digits + 3, letter = digits + 4;
    for (bool even : {false, true}) {
        const auto g = even ? evenOdd(h, game) : lowHigh(h, game);
        ASSERT_EQ(g.rows(), 1 + draws.back().drawNo);
        ASSERT_EQ(g.columns(), letter);
        for (std::size_t k = 0; k < draws.size(); ++k) {
            const int r = int(k) + 2;
            ASSERT_EQ(g.text(1, r), str(draws[k].drawNo));
            int first = 0;
            for (int i = 0; i < digits; ++i) {
                const int d = draws[k].digit(i);
                first += even ? d % 2 == 0 : d <= 4;
            }
            EXPECT_EQ(g.text(firstCount, r), str(first));
            EXPECT_EQ(g.text(secondCount, r), str(digits - first));
            EXPECT_EQ(g.text(letter, r), letters[even ? digits - first : first]);
            EXPECT_EQ(shownForeground(g, 1, r), colours::Red);
            EXPECT_EQ(shownForeground(g, firstCount, r), colours::Blue);
            EXPECT_EQ(shownBackground(g, firstCount, r), kCyan);
            EXPECT_EQ(g.style(secondCount, r).background, colours::White);
            EXPECT_EQ(shownForeground(g, secondCount, r), colours::Blue);
            EXPECT_EQ(shownForeground(g, letter, r), colours::Black);
        }
        for (int r = int(draws.size()) + 2; r <= g.rows(); ++r) EXPECT_TRUE(g.isEmpty(letter, r));
    }
}

INSTANTIATE_TEST_SUITE_P(Games, CombinationPatternByGame, ::testing::ValuesIn(kGames), EachGameName);

TEST(CombinationPattern, FourDigitsSpanTheBandAndFourOfAClassIsMagentaE) {
    const Game& game = kNumbers4;
    const DrawHistory h = {MakeDraw(1, "0124"), MakeDraw(2, "1357")};
    const auto lh = lowHigh(h, game);
    const auto eo = evenOdd(h, game);
    ASSERT_EQ(lh.columns(), 8);
    const char* headers[] = {"回数", "        当 選 数 字 ", "", "", "", "低数字", "高数字", "パターン"};
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(lh.text(c, 1), headers[c - 1]) << c;
    EXPECT_TRUE(noLinesInside(lh, 1, 2, 5));
    EXPECT_TRUE(outlined(lh, 1, 2, 5));
    // 0124: four low; 1357: four odd.
    check(lh, 2, {{true, true, true}, "4", "0", "E", kMagenta}, Colour{}, game);
    check(eo, 3, {{false, false, false}, "0", "4", "E", kMagenta}, colours::White, game);
}
