// The game travels with the history into the windows: a four-digit game,
// described only in the tests, is built through the real window code of
// 出現頻度分析, 数字合計分析 and 数字検索, and every figure counts four
// digits and ten thousand numbers. The expected values come from the draws
// listed here, counted without the number rules.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "analysis/number_lookup.h"
#include "analysis/number_lookup_window.h"
#include "core/number_rules.h"
#include "four_digit_game.h"
#include "make_draw.h"
#include "windows/window_table.h"

namespace n3 {
namespace {

using testing::kFourDigits;
using testing::MakeDraw;

// 1234 twice in box order (1234, 4321), a two-pair, a ゾロ目, an incomplete
// draw and a three-digit-looking draw that the four-digit game must skip.
const std::array<std::string, 6> kDigits = {"1234", "1122", "9999", "01?3", "4321", "567"};

HistorySnapshot FourDigitSnapshot() {
    HistorySnapshot snapshot;
    snapshot.game = &kFourDigits;
    for (int i = 0; i < int(kDigits.size()); ++i) snapshot.history.push_back(MakeDraw(i + 1, kDigits[std::size_t(i)]));
    snapshot.stats = LoadStartupStatistics(snapshot.history, kFourDigits);
    return snapshot;
}

// How often each digit shows among the complete four-digit draws above.
std::array<int, 10> CountedDigits() {
    std::array<int, 10> counts{};
    for (const std::string& d : kDigits)
        if (d.size() == 4 && d.find('?') == std::string::npos)
            for (const char c : d) ++counts[std::size_t(c - '0')];
    return counts;
}

WindowContent Build(std::string_view window, const HistorySnapshot& snapshot, std::optional<int> number = {}) {
    const AnalysisWindowInfo* info = FindAnalysisWindow(window);
    EXPECT_NE(info, nullptr) << window;
    WindowInput input = InputOf(snapshot);
    input.number = number;
    return BuildWindowContent(*info, input);
}

TEST(FourDigitWindows, FrequencyMarksFourCellsADrawAndSkipsDrawsOfAnotherShape) {
    const HistorySnapshot snapshot = FourDigitSnapshot();
    EXPECT_EQ(snapshot.stats.DigitCount, CountedDigits());
    EXPECT_EQ(snapshot.stats.LatestDrawNo, 5);
    const GridModel grid = Build("出現頻度分析", snapshot).grid();
    for (int d = 0; d <= 9; ++d) {
        int marks = 0;
        for (int row = 3; row <= grid.rows(); ++row) marks += grid.text(d + 2, row) == "●";
        EXPECT_EQ(marks, CountedDigits()[std::size_t(d)]) << "digit " << d;
    }
}

TEST(FourDigitWindows, DigitSumShowsFourDigitsAndTheirSumUpTo36) {
    const GridModel grid = Build("数字合計分析", FourDigitSnapshot()).grid();
    ASSERT_EQ(grid.columns(), 6);
    EXPECT_EQ(grid.text(6, 1), "合計");
    // Rows of the complete draws in order: 1234, 1122, 9999, 4321.
    const std::array<std::string, 4> shown = {"1234", "1122", "9999", "4321"};
    for (int r = 0; r < 4; ++r) {
        const std::string& d = shown[std::size_t(r)];
        int sum = 0;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(grid.text(i + 2, r + 2), std::string(1, d[std::size_t(i)])) << d;
            sum += d[std::size_t(i)] - '0';
        }
        EXPECT_EQ(grid.text(6, r + 2), std::to_string(sum)) << d;
    }
}

TEST(FourDigitWindows, LookupCountsTenThousandNumbersWithoutAMiniRow) {
    EXPECT_EQ(ParseNumberText("１２３４", kFourDigits), 1234);
    EXPECT_FALSE(ParseNumberText("123", kFourDigits));

    const WindowContent content = Build("数字検索", FourDigitSnapshot(), 1234);
    const auto* details = DetailsOf<NumberLookupDetails>(content);
    ASSERT_NE(details, nullptr);
    ASSERT_TRUE(details->lookup);
    const NumberLookup& l = *details->lookup;
    EXPECT_EQ(l.draws, 4);
    EXPECT_EQ(l.straightCount, 1);
    EXPECT_EQ(l.boxCount, 2);  // 1234 and 4321
    EXPECT_DOUBLE_EQ(l.boxExpected, 4 * 24 / 10000.0);
    EXPECT_EQ(l.miniCount, 0);
    EXPECT_EQ(details->all.rows.size(), 10000u);
    EXPECT_EQ(details->all.rows[1122].straightCount, 1);
    EXPECT_EQ(details->all.rows[2211].boxCount, 1);
    EXPECT_EQ(details->all.rows[9999].boxCount, 1);

    ASSERT_EQ(content.views.size(), 2u);
    const SortableTable& table = content.views[1].tables.at(0);
    EXPECT_EQ(table.caption, "全10000通り");
    EXPECT_EQ(table.rows[1122][1].text, "ダブルダブル");
    EXPECT_EQ(table.rows[9999][1].text, "ゾロ目");
    EXPECT_EQ(table.rows[1112][1].text, "トリプル");
    EXPECT_EQ(table.rows[1123][0].text, "1123");
    EXPECT_EQ(table.rows[7][0].text, "0007");
    for (int row = 1; row <= content.grid().rows(); ++row)
        EXPECT_EQ(content.grid().text(1, row).find("ミニ"), std::string::npos) << row;
}

TEST(FourDigitWindows, TypesAndOrdersOfBothGamesComeFromTheirDigits) {
    std::array<int, 5> fourDigitCounts{};
    for (int n = 0; n < 10000; ++n) ++fourDigitCounts[std::size_t(TypeOf(n, kFourDigits))];
    // All different 5040, one pair 4320, two pairs 270, three alike 360, four alike 10.
    EXPECT_EQ(fourDigitCounts, (std::array<int, 5>{5040, 4320, 270, 360, 10}));
    // Each box of a type holds its orders of numbers.
    for (const NumberType t : TypesOf(kFourDigits)) {
        EXPECT_GT(fourDigitCounts[std::size_t(t)], 0) << TypeName(t);
        EXPECT_EQ(fourDigitCounts[std::size_t(t)] % OrdersOf(t, kFourDigits), 0) << TypeName(t);
    }
    EXPECT_EQ(TypesOf(kFourDigits).size(), 5u);
    EXPECT_EQ(TypesOf().size(), 3u);
    EXPECT_EQ(OrdersOf(NumberType::Single, kFourDigits), 24);
    EXPECT_EQ(OrdersOf(NumberType::DoubleDouble, kFourDigits), 6);
    EXPECT_EQ(OrdersOf(NumberType::Triple, kFourDigits), 4);
    EXPECT_EQ(OrdersOf(NumberType::Triple), 1);
    EXPECT_EQ(OrdersOf(NumberType::DoubleDouble), 0);
    EXPECT_EQ(TypeOf(777), NumberType::Triple);
    EXPECT_EQ(DigitsText(MakeDraw(1, "12?4").digits, kFourDigits), "12?4");
    EXPECT_FALSE(MakeDraw(1, "1234").complete());
    EXPECT_TRUE(MakeDraw(1, "1234").complete(kFourDigits));
}

}  // namespace
}  // namespace n3
