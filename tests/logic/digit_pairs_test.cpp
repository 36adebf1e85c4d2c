// ペア分析: the ordered pairs of each two positions, the χ² per pair and its
// Bonferroni adjustment, the grid, the headline and the JSON member.
#include <gtest/gtest.h>

#include "analysis/deviation_colour.h"
#include "analysis/digit_pairs.h"
#include "analysis/digit_pairs_window.h"
#include "app/cli/window_json.h"
#include "stats/distributions.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;

namespace {

// 123, 123, 456 (draw 4 is a hole), 7?9 incomplete, 102.
const DrawHistory kHistory = history({{1, 1, 2, 3}, {2, 1, 2, 3}, {3, 4, 5, 6}, {5, 7, -1, 9}, {6, 1, 0, 2}});

}  // namespace

TEST(DigitPairs, CountsOrderedPairsOfEachTwoPositions) {
    const PairFigures f = TallyPairs(kHistory, {});
    EXPECT_EQ(f.draws, 4);
    EXPECT_EQ(f.coverage.incomplete, 1);
    EXPECT_EQ(f.coverage.holes, 1);
    EXPECT_DOUBLE_EQ(f.expected, 0.04);
    EXPECT_EQ(f.pairs[0].counts[12], 2);  // 第1・第2: 12, 12, 45, 10
    EXPECT_EQ(f.pairs[0].counts[21], 0);  // order matters
    EXPECT_EQ(f.pairs[0].counts[45], 1);
    EXPECT_EQ(f.pairs[0].counts[10], 1);
    EXPECT_EQ(f.pairs[1].counts[13], 2);  // 第1・第3: 13, 13, 46, 12
    EXPECT_EQ(f.pairs[1].counts[12], 1);
    EXPECT_EQ(f.pairs[2].counts[23], 2);  // 第2・第3: 23, 23, 56, 02
    EXPECT_EQ(f.pairs[2].counts[2], 1);
    int total = 0;
    for (int c : f.pairs[2].counts) total += c;
    EXPECT_EQ(total, 4);
    // χ² by hand for 第1・第2: three cells 2, 1, 1 and 97 empty, expected 0.04.
    const double chi2 = ((2 - 0.04) * (2 - 0.04) + 2 * (1 - 0.04) * (1 - 0.04) + 97 * 0.04 * 0.04) / 0.04;
    EXPECT_NEAR(*f.pairs[0].chi2, chi2, 1e-9);
    EXPECT_DOUBLE_EQ(*f.pairs[0].p, ChiSquareP(*f.pairs[0].chi2, 99));
    for (const PairCounts& pair : f.pairs) EXPECT_DOUBLE_EQ(*pair.adjustedP, std::min(1.0, 3 * *pair.p));
}

TEST(DigitPairs, RangeAndEmptyRange) {
    const PairFigures part = TallyPairs(kHistory, {3, 6});
    EXPECT_EQ(part.draws, 2);
    EXPECT_EQ(part.pairs[0].counts[12], 0);
    const PairFigures none = TallyPairs(kHistory, {100, 200});
    EXPECT_EQ(none.draws, 0);
    EXPECT_FALSE(none.pairs[0].chi2);
    EXPECT_FALSE(none.pairs[1].p);
    EXPECT_FALSE(none.pairs[2].adjustedP);
    EXPECT_EQ(ペア分析::Headline(none), "数字のそろった回がないため、ペアを数えられません");
}

TEST(DigitPairs, HeadlineSaysWhichPairsAreNotChance) {
    // The first two digits always equal, the third free: 第1・第2 only.
    DrawHistory h;
    for (int n = 1; n <= 1000; ++n) h.push_back(history({{n, n % 10, n % 10, (n / 10) % 10}})[0]);
    const PairFigures f = TallyPairs(h, {});
    EXPECT_LT(*f.pairs[0].adjustedP, 0.01);
    const std::string headline = ペア分析::Headline(f);
    EXPECT_EQ(headline.rfind("偶然とは言いにくい偏りがあります：第1・第2数字（補正p値 ", 0), 0u) << headline;
    // Every pair of 第1・第3 and 第2・第3 comes exactly ten times: χ² = 0.
    EXPECT_DOUBLE_EQ(*f.pairs[1].chi2, 0.0);
    EXPECT_DOUBLE_EQ(*f.pairs[2].adjustedP, 1.0);
    EXPECT_EQ(headline.find("第1・第3"), std::string::npos);
}

TEST(DigitPairs, GridAndJson) {
    const WindowContent content = ペア分析::Content(WindowInput{kHistory, {}, {}, {}, {}, std::nullopt});
    // First block: title at row 3, header at 4, digit 1 of 第1 at row 6; digit 2 of 第2 at column 4.
    EXPECT_EQ(content.grid().text(1, 3).rfind("第1・第2数字", 0), 0u);
    EXPECT_EQ(content.grid().text(1, 4), "第1＼第2");
    EXPECT_EQ(content.grid().text(1, 6), "1");
    EXPECT_EQ(content.grid().text(4, 6), "2");
    // Two of four draws is not rare enough among 300 cells to be coloured.
    EXPECT_FALSE(content.grid().style(4, 6).background.isSet());
    EXPECT_EQ(content.grid().text(1, 16).rfind("第1・第3数字", 0), 0u);
    EXPECT_EQ(content.grid().text(1, 29).rfind("第2・第3数字", 0), 0u);
    const std::string json = WindowJsonMembers(content);
    EXPECT_EQ(json.rfind("\"pairs\": {\"draws\": 4, \"positions\": [{\"positions\": \"12\", \"items\": "
                         "[{\"pair\": \"00\", \"count\": 0}, ",
                         0),
              0u);
    EXPECT_NE(json.find("{\"pair\": \"12\", \"count\": 2}"), std::string::npos);
    EXPECT_NE(json.find("{\"positions\": \"23\", \"items\": [{\"pair\": \"00\", \"count\": 0}, "
                        "{\"pair\": \"01\", \"count\": 0}, {\"pair\": \"02\", \"count\": 1}"),
              std::string::npos);
    EXPECT_NE(json.find("\"df\": 99, \"p\": "), std::string::npos);
}

// A cell is coloured only where its binomial p-value, times the cells
// tested at once, lies below the level.
TEST(DigitPairs, ColourOnlyBeyondTheCorrectedTest) {
    // 9 or more of 10 fair coins: 11/1024 each side.
    EXPECT_NEAR(BinomialTwoSidedP(9, 10, 0.5), 22.0 / 1024, 1e-12);
    EXPECT_DOUBLE_EQ(BinomialTwoSidedP(5, 10, 0.5), 1.0);
    EXPECT_TRUE(SignalColour(9, 10, 0.5, {.cells = 2, .level = 0.05}).isSet());
    EXPECT_FALSE(SignalColour(9, 10, 0.5, {.cells = 3, .level = 0.05}).isSet());
    EXPECT_NE(SignalColour(1, 10, 0.5, {.cells = 2, .level = 0.05}),
              SignalColour(9, 10, 0.5, {.cells = 2, .level = 0.05}));
    EXPECT_FALSE(SignalColour(0, 0, 0.5, {}).isSet());
}
