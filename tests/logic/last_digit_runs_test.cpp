#include <gtest/gtest.h>

#include <map>
#include <string>

#include "analysis/last_digit_runs.h"
#include "each_game.h"
#include "make_draw.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;
using n3::testing::EachGameName;
using n3::testing::generatedHistory;
using n3::testing::history;
using n3::testing::MakeDraw;

namespace {
using Runs = 下一桁連続出現回数分析;
constexpr Colour kUnset{};

GridModel BuildRuns(const DrawHistory& h, const Game& game = kNumbers3) {
    return Runs::Build(h, LoadStartupStatistics(h, game), game);
}

// The cell of last digit k at draw n.
std::string Cell(const GridModel& g, int k, int n) { return g.text(2 + k, n + 2); }
Colour Ground(const GridModel& g, int k, int n) { return g.style(2 + k, n + 2).background; }

// Draws n (ascending) with filler digits that avoid `k` unless given.
DrawHistory Filler(int from, int to) {
    DrawHistory h;
    for (int n = from; n <= to; ++n) h.push_back(history({{n, 0, 1, 2}})[0]);
    return h;
}
}  // namespace

TEST(LastDigitRuns, ARunIsCountedFromItsSecondDraw) {
    // Last digit 5 in draws 10, 11 and 12, not in 9 and 13.
    auto h = Filler(1, 9);
    for (int n = 10; n <= 12; ++n) h.push_back(history({{n, 5, 0, 1}})[0]);
    h.push_back(history({{13, 0, 1, 2}})[0]);
    const auto g = BuildRuns(h);
    EXPECT_TRUE(Cell(g, 5, 10).empty());
    EXPECT_EQ(Ground(g, 5, 10), kUnset);
    EXPECT_EQ(Cell(g, 5, 11), "1");
    EXPECT_EQ(Ground(g, 5, 11), colours::White);
    EXPECT_EQ(Cell(g, 5, 12), "2");
    EXPECT_EQ(Ground(g, 5, 12), (Colour{200, 255, 255}));
    EXPECT_TRUE(Cell(g, 5, 13).empty());
    // Digit 0 is in every draw: its count grows with the draw number.
    EXPECT_EQ(Cell(g, 0, 13), "12");
    EXPECT_EQ(Ground(g, 0, 13), (Colour{225, 225, 225}));
    EXPECT_EQ(Ground(g, 0, 12), (Colour{255, 200, 200}));
    EXPECT_TRUE(Cell(g, 0, 1).empty());
}

TEST(LastDigitRuns, ARepeatedDigitInOneDrawCountsAsAPair) {
    // Draw 19 without a 4, draw 20 with 4, 4, 9.
    const auto alone = BuildRuns(history({{19, 1, 2, 3}, {20, 4, 4, 9}}));
    EXPECT_EQ(Cell(alone, 4, 20), "1");
    EXPECT_EQ(Ground(alone, 4, 20), colours::White);
    EXPECT_TRUE(Cell(alone, 9, 20).empty());
    // Draw 19 with a 4: (19,20) gives 1, (20,20) overwrites it with 2.
    const auto after = BuildRuns(history({{19, 4, 2, 3}, {20, 4, 4, 9}}));
    EXPECT_EQ(Cell(after, 4, 20), "2");
    EXPECT_EQ(Ground(after, 4, 20), (Colour{200, 255, 255}));
    EXPECT_TRUE(Cell(after, 4, 19).empty());
}

TEST(LastDigitRuns, ADrawWithoutTheDigitStartsTheCountAgain) {
    const auto g =
        BuildRuns(history({{1, 7, 0, 0}, {2, 7, 1, 1}, {3, 7, 2, 2}, {4, 1, 2, 3}, {5, 7, 4, 4}, {6, 7, 5, 5}}));
    EXPECT_EQ(Cell(g, 7, 2), "1");
    EXPECT_EQ(Cell(g, 7, 3), "2");
    EXPECT_TRUE(Cell(g, 7, 4).empty());
    EXPECT_TRUE(Cell(g, 7, 5).empty());
    EXPECT_EQ(Cell(g, 7, 6), "1");
}

TEST(LastDigitRuns, MissingOrIncompleteDrawsKeepTheirNumberAndBreakRuns) {
    // Draw 3 missing, draw 5 incomplete; 8 is in every listed draw.
    const auto g =
        BuildRuns(history({{1, 8, 0, 1}, {2, 8, 0, 1}, {4, 8, 0, 1}, {5, 8, -1, 1}, {6, 8, 0, 1}, {7, 8, 2, 2}}));
    ASSERT_EQ(g.rows(), 7 + 4);
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(g.text(1, n + 2), std::to_string(n));
        EXPECT_EQ(g.style(1, n + 2).foreground, colours::Red);
        EXPECT_EQ(g.style(1, n + 2).background, colours::HeaderYellow);
    }
    EXPECT_EQ(Cell(g, 8, 2), "1");
    for (int k = 0; k <= 9; ++k) EXPECT_TRUE(Cell(g, k, 3).empty());
    EXPECT_TRUE(Cell(g, 8, 4).empty());
    EXPECT_TRUE(Cell(g, 8, 5).empty());
    EXPECT_TRUE(Cell(g, 1, 5).empty());
    EXPECT_TRUE(Cell(g, 8, 6).empty());
    EXPECT_EQ(Cell(g, 8, 7), "1");
    EXPECT_EQ(Cell(g, 2, 7), "1");  // 2, 2 in draw 7 alone
}

TEST(LastDigitRuns, FourDigitDrawNumbersCountLikeOthers) {
    auto h = Filler(1, 998);
    h.push_back(history({{999, 6, 6, 1}})[0]);
    h.push_back(history({{1000, 6, 0, 1}})[0]);
    h.push_back(history({{1001, 6, 3, 3}})[0]);
    const auto g = BuildRuns(h);
    ASSERT_EQ(g.rows(), 1001 + 4);
    EXPECT_EQ(Cell(g, 6, 999), "1");
    EXPECT_EQ(Cell(g, 6, 1000), "2");
    EXPECT_EQ(Cell(g, 6, 1001), "3");
    EXPECT_EQ(Cell(g, 3, 1001), "1");
    EXPECT_EQ(g.text(1, 1001 + 2), "1001");
}

TEST(LastDigitRuns, EveryPairIsWalkedEvenBeyondLatestDrawNoEntries) {
    // Three draws of 7, 7, 7: list 7 holds nine entries, more than
    // LatestDrawNo; stopping after three pairs would lose draws 2 and 3.
    const auto g = BuildRuns(history({{1, 7, 7, 7}, {2, 7, 7, 7}, {3, 7, 7, 7}}));
    EXPECT_EQ(Cell(g, 7, 1), "2");
    EXPECT_EQ(Cell(g, 7, 2), "5");
    EXPECT_EQ(Cell(g, 7, 3), "8");
    EXPECT_EQ(Ground(g, 7, 1), (Colour{200, 255, 255}));
    EXPECT_EQ(Ground(g, 7, 2), (Colour{200, 255, 200}));
    EXPECT_EQ(Ground(g, 7, 3), (Colour{255, 200, 255}));
}

TEST(LastDigitRuns, DrawNumbersAboveTheLatestAreIgnored) {
    // Out of order: draw 3 before draws 1 and 2, LatestDrawNo 2. Draw 3 has no
    // row; row 3 + 2 is the footer's digit-label row and must stay intact.
    const auto h = history({{3, 1, 1, 1}, {1, 2, 2, 2}, {2, 2, 3, 3}});
    const auto lists = Runs::BuildAppearanceLists(h, 2);
    EXPECT_TRUE(lists[1].empty());
    EXPECT_EQ(lists[2].size(), 4u);
    const auto g = BuildRuns(h);
    ASSERT_EQ(g.rows(), 6);
    EXPECT_EQ(g.text(3, 5), "1");
    EXPECT_EQ(g.style(3, 5).background, colours::HeaderPink);
    EXPECT_EQ(g.text(2, 6), g.text(2, 1));
    EXPECT_EQ(Cell(g, 2, 1), "2");
    EXPECT_EQ(Cell(g, 2, 2), "3");
}

TEST(LastDigitRuns, BackgroundsByRunCount) {
    const std::map<int, Colour> expected = {{1, {255, 255, 255}},  {2, {200, 255, 255}},  {3, {200, 255, 255}},
                                            {4, {200, 255, 200}},  {5, {200, 255, 200}},  {6, {255, 255, 200}},
                                            {7, {255, 255, 200}},  {8, {255, 200, 255}},  {9, {255, 200, 255}},
                                            {10, {255, 200, 200}}, {11, {255, 200, 200}}, {12, {225, 225, 225}},
                                            {13, {255, 200, 200}}, {40, {255, 200, 200}}};
    for (const auto& [c, colour] : expected) EXPECT_EQ(Runs::BackgroundForRun(c), colour) << c;
}

TEST(LastDigitRuns, NoCompleteDrawShowsHeaderAndFooterOnly) {
    for (const auto& h : {DrawHistory{}, history({{1, -1, 5, 5}, {2, 5, 5, -1}})}) {
        const auto g = BuildRuns(h);
        ASSERT_EQ(g.rows(), 4);
        EXPECT_EQ(g.text(1, 1), "回数");
        EXPECT_EQ(g.text(2, 2), "0");
        EXPECT_EQ(g.text(2, 3), "0");
        EXPECT_EQ(g.text(1, 4), "回数");
        EXPECT_TRUE(g.isEmpty(1, 2));
        EXPECT_TRUE(g.isEmpty(1, 3));
        EXPECT_EQ(g.rowHeight(4), 20);
    }
}

TEST(LastDigitRuns, FourDigitDrawsCountEachOfTheirDigits) {
    // Draw 1 without a 4; draw 2 with 4, 4, 4, 9; draw 3 with four 4s.
    const auto g = BuildRuns({MakeDraw(1, "1235"), MakeDraw(2, "4449"), MakeDraw(3, "4444")}, kNumbers4);
    ASSERT_EQ(g.rows(), 3 + 4);
    EXPECT_EQ(Cell(g, 4, 2), "2");
    EXPECT_EQ(Cell(g, 4, 3), "6");
    EXPECT_TRUE(Cell(g, 9, 2).empty());
    EXPECT_TRUE(Cell(g, 5, 2).empty());
    // A three-digit draw is not a draw of the four-digit game: no entries.
    EXPECT_TRUE(Runs::BuildAppearanceLists(history({{1, 4, 4, 4}}), 1, kNumbers4)[4].empty());
}

class LastDigitRunsByGame : public ::testing::TestWithParam<const Game*> {};

// Reference: the cell of digit k at draw n holds (occurrences of k in the
// unbroken run of draws ending at n) - 1, when n has k and that is at least 1.
TEST_P(LastDigitRunsByGame, GeneratedHistoryWithGapsMatchesRunOccurrences) {
    const Game& game = *GetParam();
    auto h = generatedHistory(4000, 9, 13, game);
    h.erase(h.begin() + 1500, h.begin() + 1510);  // draws 1501..1510 missing
    const auto stats = LoadStartupStatistics(h, game);
    const auto g = BuildAnalysisGrid(*FindAnalysisWindow("下一桁連続出現回数分析"), h, stats, game);
    EXPECT_EQ(g.frozenRows, 2);
    ASSERT_EQ(g.rows(), stats.LatestDrawNo + 4);

    std::vector<std::array<int, 10>> occurrences(std::size_t(stats.LatestDrawNo) + 1);
    for (const Draw& d : h)
        if (d.complete(game))
            for (int i = 0; i < game.digits; ++i) ++occurrences[std::size_t(d.drawNo)][std::size_t(d.digit(i))];
    int written = 0;
    for (int k = 0; k <= 9; ++k) {
        int sum = 0;
        for (int n = 1; n <= stats.LatestDrawNo; ++n) {
            const int m = occurrences[std::size_t(n)][std::size_t(k)];
            sum = m == 0 ? 0 : sum + m;
            const int expected = m == 0 ? 0 : sum - 1;
            if (expected >= 1) {
                ++written;
                ASSERT_EQ(Cell(g, k, n), std::to_string(expected)) << k << " at " << n;
                ASSERT_EQ(Ground(g, k, n), Runs::BackgroundForRun(expected));
            } else {
                ASSERT_TRUE(Cell(g, k, n).empty()) << k << " at " << n;
                ASSERT_EQ(Ground(g, k, n), kUnset);
            }
        }
    }
    EXPECT_GT(written, 1000);
}

INSTANTIATE_TEST_SUITE_P(Games, LastDigitRunsByGame, ::testing::ValuesIn(kGames), EachGameName);
