// 配当分析's figures on histories whose answers are known by construction:
// each definition (counted draws, yearly median reference, log factors,
// pooled s, τ², shrinkage, groups, Bonferroni, the split-half check, the
// years) checked once against figures worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "analysis/payout_factors.h"
#include "analysis/payout_groups.h"
#include "analysis/payout_window.h"

namespace n3 {
namespace {

const double kLn2 = std::log(2.0);

// One priced draw: its number, date and the straight, box and ミニ prizes (0: none).
struct Priced {
    int drawNo;
    int number;
    const char* date;
    std::int64_t straight;
    std::int64_t box = 0;
    std::int64_t mini = 0;
};

struct Built {
    DrawHistory history;
    ResultHistory results;
};

Built Build(std::initializer_list<Priced> rows) {
    Built b;
    for (const Priced& p : rows) {
        Draw d;
        d.drawNo = p.drawNo;
        d.digits = {p.number / 100, p.number / 10 % 10, p.number % 10};
        b.history.push_back(d);
        DrawResult r;
        r.drawNo = p.drawNo;
        r.date = p.date;
        if (p.straight) r.prize(PrizeKind::Straight).yen = p.straight;
        if (p.box) r.prize(PrizeKind::Box).yen = p.box;
        if (p.mini) r.prize(PrizeKind::Mini).yen = p.mini;
        b.results.push_back(r);
    }
    return b;
}

PayoutFigures Figures(std::initializer_list<Priced> rows) {
    const Built b = Build(rows);
    return ComputePayoutFigures(b.history, b.results);
}

const PayoutItem& Item(const PayoutFigures& f, PayoutKind kind, int number) {
    return f.kind(kind).items[std::size_t(PayoutItemOf(kind, number))];
}

const PayoutGroup& Group(const PayoutFigures& f, std::string_view name) {
    for (const PayoutGroup& g : f.groups)
        if (g.name == name) return g;
    ADD_FAILURE() << "no group " << name;
    return f.groups.front();
}

// One year, three draws: the reference is the middle prize, 100,000 yen.
TEST(PayoutFactors, OneYearThreeDrawsAgainstTheirMedian) {
    const PayoutFigures f =
        Figures({{1, 123, "2020-03-02", 100000}, {2, 456, "2020-03-03", 80000}, {3, 789, "2020-03-04", 120000}});
    const PayoutKindFigures& s = f.kind(PayoutKind::Straight);
    EXPECT_EQ(s.draws, 3);
    EXPECT_DOUBLE_EQ(*Item(f, PayoutKind::Straight, 123).factor, 1.0);
    EXPECT_DOUBLE_EQ(*Item(f, PayoutKind::Straight, 456).factor, 0.8);
    EXPECT_DOUBLE_EQ(*Item(f, PayoutKind::Straight, 789).factor, 1.2);
    EXPECT_NEAR(*s.grandFactor, std::cbrt(0.8 * 1.2), 1e-12);
    // Every number won once: no within-number spread, so no interval and no τ.
    EXPECT_FALSE(s.sd);
    EXPECT_FALSE(s.tau);
    EXPECT_FALSE(Item(f, PayoutKind::Straight, 456).low);
    EXPECT_NEAR(*Item(f, PayoutKind::Straight, 456).shrunk, std::cbrt(0.96), 1e-12);
    ASSERT_EQ(f.years.size(), 1u);
    EXPECT_EQ(f.years[0].year, 2020);
    EXPECT_EQ(f.years[0].draws, 3);
    EXPECT_DOUBLE_EQ(f.years[0].straightMean, 100000);
    EXPECT_DOUBLE_EQ(f.years[0].straightMedian, 100000);
    EXPECT_DOUBLE_EQ(f.years[0].straightRatio, 100000.0 / 90000.0);
}

// An even count takes the mean of the two middle prizes; each year has its own.
TEST(PayoutFactors, EvenCountMedianAndOneReferencePerYear) {
    const PayoutFigures f = Figures({{1, 123, "2021-01-05", 80000},
                                     {2, 234, "2021-01-06", 90000},
                                     {3, 345, "2021-01-07", 110000},
                                     {4, 456, "2021-01-08", 201001},
                                     {5, 567, "2022-01-05", 50000}});
    ASSERT_EQ(f.years.size(), 2u);
    EXPECT_DOUBLE_EQ(f.years[0].straightMedian, 100000);
    EXPECT_DOUBLE_EQ(f.years[0].straightMean, 120250);  // 120,250.25 rounded to the yen
    EXPECT_DOUBLE_EQ(f.years[0].straightRatio, 481001.0 / 4 / 90000);
    EXPECT_DOUBLE_EQ(f.years[1].straightMedian, 50000);
    EXPECT_DOUBLE_EQ(*Item(f, PayoutKind::Straight, 123).factor, 0.8);
    EXPECT_DOUBLE_EQ(*Item(f, PayoutKind::Straight, 567).factor, 1.0);
}

// Only draws with a date and a prize above 0 count; box never counts a
// triple, and box singles and doubles have references of their own.
TEST(PayoutFactors, CountedDrawsAndBoxReferences) {
    const PayoutFigures f = Figures({{1, 123, "2020-06-01", 90000, 30000, 9000},
                                     {2, 456, "2020-06-02", 90000, 40000, 9000},
                                     {3, 789, "2020-06-03", 90000, 50000, 9000},
                                     {4, 112, "2020-06-04", 90000, 60000, 9000},
                                     {5, 334, "2020-06-05", 90000, 100000, 9000},
                                     {6, 555, "2020-06-08", 90000, 35000, 9000},
                                     {7, 987, "", 90000, 40000, 9000},
                                     {8, 246, "2020-06-09", 0, 0, 0}});
    EXPECT_EQ(f.kind(PayoutKind::Straight).draws, 6);
    EXPECT_EQ(f.kind(PayoutKind::Box).draws, 5);
    EXPECT_EQ(f.kind(PayoutKind::Mini).draws, 6);
    // Doubles: 60,000 and 100,000, median 80,000; singles: median 40,000.
    EXPECT_DOUBLE_EQ(*Item(f, PayoutKind::Box, 121).factor, 0.75);
    EXPECT_DOUBLE_EQ(*Item(f, PayoutKind::Box, 433).factor, 1.25);
    EXPECT_DOUBLE_EQ(*Item(f, PayoutKind::Box, 789).factor, 1.25);
    EXPECT_EQ(PayoutItemOf(PayoutKind::Box, 555), -1);
    EXPECT_EQ(Item(f, PayoutKind::Straight, 987).wins, 0);
    EXPECT_EQ(Item(f, PayoutKind::Straight, 246).wins, 0);
}

// Box draws in two years: each is measured against the median of its own
// year and its own type (single or double), four references in all.
TEST(PayoutFactors, BoxReferenceIsTheMedianOfItsOwnYearAndType) {
    const PayoutFigures f = Figures({{1, 123, "2020-06-01", 90000, 30000},
                                     {2, 456, "2020-06-02", 90000, 50000},
                                     {3, 112, "2020-06-03", 90000, 60000},
                                     {4, 789, "2020-06-04", 90000, 40000},
                                     {5, 334, "2020-06-05", 90000, 100000},
                                     {6, 556, "2021-06-01", 90000, 45000},
                                     {7, 135, "2021-06-02", 90000, 20000},
                                     {8, 778, "2021-06-03", 90000, 55000},
                                     {9, 246, "2021-06-04", 90000, 24000},
                                     {10, 990, "2021-06-07", 90000, 50000}});
    // 2020: singles 30,000 40,000 50,000 and doubles 60,000 100,000;
    // 2021: singles 20,000 24,000 and doubles 45,000 50,000 55,000.
    const std::map<int, double> reference = {{1, 40000}, {2, 40000}, {3, 80000}, {4, 40000}, {5, 80000},
                                             {6, 50000}, {7, 22000}, {8, 50000}, {9, 22000}, {10, 50000}};
    const PayoutKindFigures& box = f.kind(PayoutKind::Box);
    ASSERT_EQ(box.counted.size(), reference.size());
    for (const CountedDraw& c : box.counted) {
        EXPECT_DOUBLE_EQ(c.reference, reference.at(c.drawNo)) << "第" << c.drawNo << "回";
        EXPECT_DOUBLE_EQ(c.logFactor, std::log(c.prize / reference.at(c.drawNo))) << "第" << c.drawNo << "回";
    }
}

// Item keys in the order the JSON lists them.
TEST(PayoutFactors, ItemKeysInKeyOrder) {
    const PayoutFigures f = Figures({});
    const auto& box = f.kind(PayoutKind::Box).items;
    ASSERT_EQ(box.size(), 210u);
    EXPECT_EQ(box.front().number, "001");
    EXPECT_EQ(box[9].number, "011");
    EXPECT_EQ(box[10].number, "012");
    EXPECT_EQ(box.back().number, "899");
    EXPECT_EQ(f.kind(PayoutKind::Straight).items[7].number, "007");
    EXPECT_EQ(f.kind(PayoutKind::Mini).items.size(), 100u);
    EXPECT_EQ(f.kind(PayoutKind::Mini).items[5].number, "05");
    EXPECT_EQ(PayoutItemOf(PayoutKind::Mini, 123), 23);
}

// Fewer than two counted draws: no factors at all, and the headline says so.
TEST(PayoutFactors, TooFewDrawsShowNoFactors) {
    const PayoutFigures f = Figures({{1, 123, "2020-03-02", 100000}});
    const PayoutKindFigures& s = f.kind(PayoutKind::Straight);
    EXPECT_FALSE(s.enough());
    EXPECT_FALSE(s.grandFactor);
    EXPECT_EQ(Item(f, PayoutKind::Straight, 123).wins, 1);
    EXPECT_FALSE(Item(f, PayoutKind::Straight, 123).factor);
    EXPECT_FALSE(Item(f, PayoutKind::Straight, 123).shrunk);
    EXPECT_NE(配当分析::Headline(f).find("足りない"), std::string::npos);
}

// Four numbers, reference 100,000: A 123 wins twice at 4×, B 456 twice at
// ¼×, C 789 at 2× and ½×, D 147 once at 1×. Then g = 0, s² = 2·ln²2/3
// (C's two squares over three degrees of freedom), the items' means are
// 2ln2, −2ln2, 0, 0 (population variance 2·ln²2), mean 1/n = 5/8, so
// τ² = 2·ln²2 − (2/3)(5/8)·ln²2 = 19/12·ln²2.
TEST(PayoutFactors, PooledSdTauAndShrinkage) {
    const PayoutFigures f = Figures({{1, 123, "2020-01-06", 400000},
                                     {2, 123, "2020-01-07", 400000},
                                     {3, 456, "2020-01-08", 25000},
                                     {4, 456, "2020-01-09", 25000},
                                     {5, 789, "2020-01-10", 200000},
                                     {6, 789, "2020-01-14", 50000},
                                     {7, 147, "2020-01-15", 100000}});
    const PayoutKindFigures& s = f.kind(PayoutKind::Straight);
    EXPECT_NEAR(*s.grandFactor, 1.0, 1e-12);
    EXPECT_NEAR(*s.sd, kLn2 * std::sqrt(2.0 / 3), 1e-12);
    EXPECT_NEAR(*s.tau, kLn2 * std::sqrt(19.0 / 12), 1e-12);
    const PayoutItem& a = Item(f, PayoutKind::Straight, 123);
    EXPECT_NEAR(*a.factor, 4.0, 1e-12);
    const double half = 1.96 * *s.sd / std::sqrt(2.0);
    EXPECT_NEAR(*a.low, std::exp(2 * kLn2 - half), 1e-12);
    EXPECT_NEAR(*a.high, std::exp(2 * kLn2 + half), 1e-12);
    // w = 2τ²/(2τ² + s²) = 19/23.
    EXPECT_NEAR(*a.shrunk, std::pow(2.0, 2 * 19.0 / 23), 1e-12);
    EXPECT_NEAR(*Item(f, PayoutKind::Straight, 456).shrunk, std::pow(2.0, -2 * 19.0 / 23), 1e-12);
    EXPECT_NEAR(*Item(f, PayoutKind::Straight, 147).shrunk, 1.0, 1e-12);
    // A number that never won: no factor, 推定倍率 = exp(g).
    const PayoutItem& none = Item(f, PayoutKind::Straight, 0);
    EXPECT_EQ(none.wins, 0);
    EXPECT_FALSE(none.factor);
    EXPECT_FALSE(none.low);
    EXPECT_FALSE(none.high);
    EXPECT_NEAR(*none.shrunk, 1.0, 1e-12);
}

// Between-number spread no larger than chance gives τ² = 0: every 推定倍率
// is the grand factor. 123 wins at 2× and ½×, 456 twice at 1×, 789 once.
TEST(PayoutFactors, TauZeroShrinksEveryNumberToTheGrandFactor) {
    const PayoutFigures f = Figures({{1, 123, "2020-01-06", 200000},
                                     {2, 123, "2020-01-07", 50000},
                                     {3, 456, "2020-01-08", 100000},
                                     {4, 456, "2020-01-09", 100000},
                                     {5, 789, "2020-01-10", 100000}});
    const PayoutKindFigures& s = f.kind(PayoutKind::Straight);
    EXPECT_NEAR(*s.sd, kLn2, 1e-12);
    EXPECT_DOUBLE_EQ(*s.tau, 0.0);
    for (int n : {123, 456, 789, 0}) EXPECT_NEAR(*Item(f, PayoutKind::Straight, n).shrunk, 1.0, 1e-12) << n;
    EXPECT_NEAR(*Item(f, PayoutKind::Straight, 123).factor, 1.0, 1e-12);
}

struct Membership {
    int group;
    int number;
    int month;
    int day;
    bool in;
};
void PrintTo(const Membership& c, std::ostream* out) {
    *out << "group " << c.group << " number " << c.number << " on " << c.month << "/" << c.day;
}

class PayoutGroupMembership : public ::testing::TestWithParam<Membership> {};

TEST_P(PayoutGroupMembership, FollowsTheRule) {
    const Membership m = GetParam();
    EXPECT_EQ(InPayoutGroup(m.group, m.number, m.month, m.day), m.in)
        << PayoutGroupName(m.group) << " " << m.number << " on " << m.month << "/" << m.day;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PayoutGroupMembership,
    ::testing::Values(Membership{0, 777, 1, 1, true}, Membership{0, 778, 1, 1, false}, Membership{1, 778, 1, 1, true},
                      Membership{2, 123, 1, 1, true}, Membership{3, 229, 1, 1, true}, Membership{3, 230, 1, 1, false},
                      Membership{3, 431, 1, 1, false}, Membership{3, 430, 1, 1, true}, Membership{3, 100, 1, 1, false},
                      Membership{3, 12, 1, 1, false}, Membership{3, 931, 1, 1, false}, Membership{4, 821, 8, 21, true},
                      Membership{4, 821, 8, 22, false}, Membership{4, 305, 3, 5, true},
                      Membership{4, 21, 10, 21, false}, Membership{5, 105, 1, 1, true}, Membership{14, 999, 1, 1, true},
                      Membership{14, 998, 1, 1, true}, Membership{15, 123, 1, 1, true}, Membership{15, 975, 1, 1, true},
                      Membership{15, 111, 1, 1, false}, Membership{15, 124, 1, 1, false},
                      Membership{16, 121, 1, 1, true}, Membership{16, 111, 1, 1, false},
                      Membership{16, 123, 1, 1, false}));

TEST(PayoutGroups, InTheGivenOrder) {
    const std::vector<std::string_view> expected = {
        "ゾロ目",     "ダブル",    "シングル", "日付に見える番号", "抽せん日と同じ番号",
        "0を含む",    "1を含む",   "2を含む",  "3を含む",          "4を含む",
        "5を含む",    "6を含む",   "7を含む",  "8を含む",          "9を含む",
        "等差の番号", "対称の番号"};
    ASSERT_EQ(int(expected.size()), kPayoutGroupCount);
    for (int g = 0; g < kPayoutGroupCount; ++g) EXPECT_EQ(PayoutGroupName(g), expected[std::size_t(g)]);
}

// 111 at 2×, 222 at 4×, three singles at 1×: g = 3ln2/5. ゾロ目: mean
// 1.5 ln2, sd ln2/√2, z = 0.9ln2 / (ln2/2) = 1.8. Six groups have two wins
// or more (ゾロ目, シングル, 日付に見える番号, 1を含む, 2を含む, 等差の番号).
TEST(PayoutGroups, FactorIntervalPAndBonferroni) {
    const PayoutFigures f = Figures({{1, 111, "2020-05-01", 200000},
                                     {2, 222, "2020-05-04", 400000},
                                     {3, 123, "2020-05-05", 100000},
                                     {4, 456, "2020-05-06", 100000},
                                     {5, 789, "2020-05-07", 100000}});
    const PayoutGroup& triples = Group(f, "ゾロ目");
    EXPECT_EQ(triples.wins, 2);
    EXPECT_NEAR(*triples.factor, std::pow(2.0, 1.5), 1e-12);
    EXPECT_NEAR(*triples.low, std::pow(2.0, 1.5 - 0.98), 1e-12);
    EXPECT_NEAR(*triples.high, std::pow(2.0, 1.5 + 0.98), 1e-12);
    const double p = std::erfc(1.8 / std::sqrt(2.0));
    EXPECT_NEAR(*triples.p, p, 1e-9);
    EXPECT_NEAR(*triples.adjustedP, 6 * p, 1e-9);
    EXPECT_EQ(triples.verdict, "偶然と区別できません");
    // A group of one: no figures, no part in the correction.
    const PayoutGroup& three = Group(f, "3を含む");
    EXPECT_EQ(three.wins, 1);
    EXPECT_FALSE(three.factor);
    EXPECT_FALSE(three.p);
    EXPECT_FALSE(three.adjustedP);
    EXPECT_EQ(three.verdict, "データ不足");
    EXPECT_EQ(Group(f, "0を含む").wins, 0);
}

// Five counted draws (draw 3 has no date): the first half is the first two,
// ending at draw 2. 123: 1× then ½×; 456: 2× then 1× — r = 1 over two numbers.
TEST(PayoutStability, SplitsTheCountedDrawsInHalf) {
    const PayoutFigures f = Figures({{1, 123, "2020-02-03", 100000},
                                     {2, 456, "2020-02-04", 200000},
                                     {3, 123, "", 100000},
                                     {4, 123, "2020-02-06", 50000},
                                     {5, 456, "2020-02-07", 100000},
                                     {6, 789, "2020-02-10", 100000}});
    const PayoutStability& s = f.stability;
    EXPECT_EQ(*s.split, 2);
    EXPECT_EQ(s.numbers, 2);
    EXPECT_NEAR(*s.correlation, 1.0, 1e-12);
    ASSERT_EQ(s.points.size(), 2u);
    EXPECT_EQ(s.points[1].number, 456);
    EXPECT_NEAR(s.points[1].firstHalf, 2.0, 1e-12);
    EXPECT_NEAR(s.points[1].secondHalf, 1.0, 1e-12);
}

TEST(PayoutWindow, HeadlineNamesTheDrawDayAndZeroGroups) {
    // 821 on 8月21日 twice at ½×, numbers with a 0 twice at 2×, others at 1×.
    const PayoutFigures f = Figures({{1, 821, "2020-08-21", 50000},
                                     {2, 821, "2021-08-21", 50000},
                                     {3, 102, "2020-08-24", 200000},
                                     {4, 304, "2021-08-24", 200000},
                                     {5, 123, "2020-08-25", 100000},
                                     {6, 456, "2021-08-25", 100000},
                                     {7, 789, "2020-08-26", 100000},
                                     {8, 789, "2021-08-26", 100000}});
    EXPECT_EQ(配当分析::Headline(f),
              "当たる確率はどの番号も同じです。ただし人気の番号は当せん金額が下がります"
              "（抽せん日と同じ番号は平均の0.50倍、数字0を含む番号は2.00倍）");
}

}  // namespace
}  // namespace n3
