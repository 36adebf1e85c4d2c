// 数字検索: counts, expected counts, last draws, gaps and the draws where a
// number came, on small histories built here; and the number box's reading.
#include <gtest/gtest.h>

#include <ostream>

#include "analysis/all_numbers_table.h"
#include "analysis/number_lookup.h"
#include "analysis/number_lookup_window.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;

namespace {

// 1: 123, 2: 321 (box), 3: incomplete, 4: 123, 5: 999, 7: 213 (box; 6 is a hole), 8: 023 (mini 23), 9: 123
const DrawHistory kHistory = history(
    {{1, 1, 2, 3}, {2, 3, 2, 1}, {3, 1, 2, -1}, {4, 1, 2, 3}, {5, 9, 9, 9}, {7, 2, 1, 3}, {8, 0, 2, 3}, {9, 1, 2, 3}});

ResultHistory DatedResults() {
    ResultHistory r;
    for (int n : {1, 4, 9}) {
        DrawResult d;
        d.drawNo = n;
        d.date = "2024-01-0" + std::to_string(n == 9 ? 9 : n);
        r.push_back(d);
    }
    return r;
}

}  // namespace

TEST(NumberLookup, SingleCountsGapsAndSince) {
    const NumberLookup l = LookUpNumber(kHistory, DatedResults(), {}, 123);
    EXPECT_EQ(l.draws, 7);  // draw 3 is incomplete
    EXPECT_EQ(l.straightCount, 3);
    EXPECT_DOUBLE_EQ(l.straightExpected, 0.007);
    EXPECT_EQ(l.lastStraight, 9);
    EXPECT_EQ(l.lastStraightDate, "2024-01-09");
    EXPECT_EQ(l.sinceStraight, 0);
    // Straights at positions 0, 2 and 6 among the complete draws: gaps 2 and 4.
    EXPECT_DOUBLE_EQ(*l.averageGap, 3.0);
    EXPECT_EQ(l.longestGap, 4);
    EXPECT_EQ(l.boxCount, 5);
    EXPECT_DOUBLE_EQ(l.boxExpected, 7 * 6 / 1000.0);
    EXPECT_EQ(l.lastBox, 9);
    EXPECT_EQ(l.sinceBox, 0);
    EXPECT_EQ(l.miniCount, 4);  // 123 three times and 023
    EXPECT_DOUBLE_EQ(l.miniExpected, 0.07);
    EXPECT_EQ(l.lastMini, 9);
    EXPECT_EQ(l.lastMiniDate, "2024-01-09");
    EXPECT_EQ(l.sinceMini, 0);
    ASSERT_EQ(l.hits.size(), 5u);
    EXPECT_EQ(l.hits.front().drawNo, 9);
    EXPECT_EQ(l.hits[1].drawNo, 7);
    EXPECT_FALSE(l.hits[1].straight);
    EXPECT_EQ(l.hits[1].digits, "213");
    EXPECT_EQ(l.hits[1].date, "");
    EXPECT_EQ(l.hits.back().date, "2024-01-01");
}

TEST(NumberLookup, RangeCutsCountsAndSince) {
    const NumberLookup l = LookUpNumber(kHistory, {}, {2, 7}, 321);
    EXPECT_EQ(l.draws, 4);  // 2, 4, 5, 7
    EXPECT_EQ(l.firstDrawNo, 2);
    EXPECT_EQ(l.lastDrawNo, 7);
    EXPECT_EQ(l.straightCount, 1);
    EXPECT_EQ(l.lastStraight, 2);
    EXPECT_EQ(l.sinceStraight, 3);
    EXPECT_FALSE(l.averageGap);
    EXPECT_FALSE(l.longestGap);
    EXPECT_EQ(l.boxCount, 3);
    EXPECT_EQ(l.sinceBox, 0);
}

TEST(NumberLookup, DoubleTripleAndNeverCame) {
    const DrawHistory h = history({{1, 1, 1, 2}, {2, 2, 1, 1}, {3, 5, 5, 5}, {4, 0, 0, 0}});
    const NumberLookup dbl = LookUpNumber(h, {}, {}, 121);
    EXPECT_EQ(TypeOf(121), NumberType::Double);
    EXPECT_EQ(dbl.straightCount, 0);
    EXPECT_FALSE(dbl.lastStraight);
    EXPECT_FALSE(dbl.sinceStraight);
    EXPECT_EQ(dbl.boxCount, 2);
    EXPECT_DOUBLE_EQ(dbl.boxExpected, 4 * 3 / 1000.0);
    EXPECT_EQ(dbl.sinceBox, 2);

    const NumberLookup triple = LookUpNumber(h, {}, {}, 555);
    EXPECT_EQ(triple.straightCount, 1);
    EXPECT_EQ(triple.boxCount, 1);
    EXPECT_DOUBLE_EQ(triple.boxExpected, 0.004);

    const NumberLookup never = LookUpNumber(h, {}, {}, 987);
    EXPECT_EQ(never.boxCount, 0);
    EXPECT_FALSE(never.lastBox);
    EXPECT_FALSE(never.lastMini);
    EXPECT_TRUE(never.hits.empty());
}

TEST(AllNumbers, AgreesWithTheLookupForEveryNumber) {
    const DrawHistory h = n3::testing::generatedHistory(3000, 11, 17);
    const DrawRange range{500, 2500};
    const AllNumbers all = TallyAllNumbers(h, range);
    for (int n = 0; n < kAllNumberCount; ++n) {
        const NumberLookup l = LookUpNumber(h, {}, range, n);
        const NumberRow& r = all.rows[std::size_t(n)];
        ASSERT_EQ(r.straightCount, l.straightCount) << n;
        ASSERT_EQ(r.boxCount, l.boxCount) << n;
        ASSERT_EQ(r.lastStraight, l.lastStraight) << n;
        ASSERT_EQ(r.lastBox, l.lastBox) << n;
        ASSERT_EQ(r.sinceBox, l.sinceBox) << n;
    }
    EXPECT_EQ(all.draws, LookUpNumber(h, {}, range, 0).draws);
}

TEST(NumberLookupWindow, DetailsGridAndTableCarryTheLookupAndAllNumbers) {
    const StartupStatistics stats{};
    const ResultHistory results;
    WindowInput input{kHistory, stats, results, {}, {}, 123};
    const WindowContent with = 数字検索::Content(input);
    const auto* details = DetailsOf<NumberLookupDetails>(with);
    ASSERT_NE(details, nullptr);
    ASSERT_TRUE(details->lookup);
    EXPECT_EQ(details->lookup->straightCount, 3);
    EXPECT_EQ(details->all.rows[123].boxCount, 5);
    EXPECT_EQ(details->all.draws, 7);
    EXPECT_EQ(with.grid().text(1, 1).rfind("番号 123（シングル）", 0), 0u);
    // The ミニ row gives its その後の回数 like the others (no dates in these results).
    EXPECT_EQ(with.grid().text(1, 5).rfind("ミニ", 0), 0u);
    EXPECT_EQ(with.grid().text(5, 5), with.grid().text(5, 4));
    EXPECT_EQ(with.grid().text(6, 5), with.grid().text(6, 4));
    ASSERT_EQ(with.views.size(), 2u);
    const SortableTable& table = with.views[1].tables.at(0);
    EXPECT_EQ(table.rows.size(), 1000u);
    EXPECT_EQ(table.rows[123][3].text, "5");
    EXPECT_EQ(table.rows[0][1].text, "トリプル");
    EXPECT_EQ(table.rows[0][4].text, "－");  // never came: sorts first
    EXPECT_LT(table.rows[0][4].key, table.rows[123][4].key);

    input.number.reset();
    const WindowContent without = 数字検索::Content(input);
    EXPECT_FALSE(DetailsOf<NumberLookupDetails>(without)->lookup);
    EXPECT_NE(without.grid().text(1, 1).find("番号（000～999）を入れると"), std::string::npos);
}

struct TypedNumber {
    const char* text;
    std::optional<int> number;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const TypedNumber& c, std::ostream* out) { *out << c.text; }

class NumberBoxText : public ::testing::TestWithParam<TypedNumber> {};

TEST_P(NumberBoxText, ReadsThreeDigits) { EXPECT_EQ(ParseNumberText(GetParam().text), GetParam().number); }

INSTANTIATE_TEST_SUITE_P(Typed, NumberBoxText,
                         ::testing::Values(TypedNumber{"123", 123}, TypedNumber{"007", 7}, TypedNumber{"１２３", 123},
                                           TypedNumber{" ９1９　", 919}, TypedNumber{"12", std::nullopt},
                                           TypedNumber{"1234", std::nullopt}, TypedNumber{"1 23", std::nullopt},
                                           TypedNumber{"12a", std::nullopt}, TypedNumber{"", std::nullopt},
                                           TypedNumber{"-12", std::nullopt}, TypedNumber{"\xEF\xBC", std::nullopt}));

TEST(NumberTypes, OrdersAndBoxKeys) {
    EXPECT_EQ(OrdersOf(TypeOf(123)), 6);
    EXPECT_EQ(OrdersOf(TypeOf(112)), 3);
    EXPECT_EQ(OrdersOf(TypeOf(777)), 1);
    EXPECT_EQ(BoxKey(321), 123);
    EXPECT_EQ(BoxKey(100), 1);
    EXPECT_EQ(NumberText(5), "005");
    EXPECT_EQ(ParseMiniText("０5"), 5);
    int singles = 0, doubles = 0, triples = 0;
    for (int n = 0; n < 1000; ++n) {
        const NumberType t = TypeOf(n);
        singles += t == NumberType::Single;
        doubles += t == NumberType::Double;
        triples += t == NumberType::Triple;
    }
    EXPECT_EQ(singles, 720);
    EXPECT_EQ(doubles, 270);
    EXPECT_EQ(triples, 10);
}
