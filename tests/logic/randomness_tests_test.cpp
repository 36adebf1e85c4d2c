// The ten randomness tests on histories built so that the answer is known,
// checked against figures computed here another way.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "lab/last_draws.h"
#include "lab/randomness_tests.h"
#include "stats/distributions.h"
#include "stats/verdict.h"
#include "test_history.h"

using namespace n3;
using n3::testing::generatedHistory;

namespace {

// Draws 1..1000 holding every triple 000..999 once: as even as a history can be.
DrawHistory EveryTriple() {
    DrawHistory h;
    for (int v = 0; v < 1000; ++v) {
        Draw d;
        d.drawNo = v + 1;
        d.digits = {v / 100, v / 10 % 10, v % 10};
        h.push_back(d);
    }
    return h;
}

DrawHistory Repeated(int count, int a, int b, int c) {
    DrawHistory h;
    for (int i = 1; i <= count; ++i) {
        Draw d;
        d.drawNo = i;
        d.digits = {a, b, c};
        h.push_back(d);
    }
    return h;
}

const RandomnessTest& Named(const std::vector<RandomnessTest>& tests, const std::string& name) {
    for (const auto& t : tests)
        if (t.name == name) return t;
    throw std::runtime_error("no test " + name);
}

// Share of the 1000 possible next draws that hold at least one digit of `d`,
// counted one by one.
double ShareChanceByCounting(const Draw& d) {
    int hits = 0;
    for (int v = 0; v < 1000; ++v) {
        const int next[3] = {v / 100, v / 10 % 10, v % 10};
        bool share = false;
        for (int x : next)
            for (int i = 0; i < 3; ++i) share = share || x == d.digit(i);
        hits += share;
    }
    return hits / 1000.0;
}

}  // namespace

TEST(RandomnessTests, TheTenTestsComeInTheirOrderWithTheirNames) {
    const auto tests = RunRandomnessTests(TallyDraws(EveryTriple(), {}));
    const std::vector<std::string> names{"数字の出現回数",
                                         "第1数字の出現回数",
                                         "第2数字の出現回数",
                                         "第3数字の出現回数",
                                         "組合せの型",
                                         "数字の合計",
                                         "引っ張り",
                                         "位置の独立性（第1・第2）",
                                         "位置の独立性（第2・第3）",
                                         "位置の独立性（第1・第3）"};
    ASSERT_EQ(tests.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(tests[i].name, names[i]);
}

TEST(RandomnessTests, EveryTripleOnceGivesChiSquareZeroEverywhere) {
    const auto tests = RunRandomnessTests(TallyDraws(EveryTriple(), {}));
    for (const auto& t : tests) {
        if (t.name == "引っ張り") continue;
        SCOPED_TRACE(t.name);
        EXPECT_NEAR(t.statistic, 0.0, 1e-9);
        EXPECT_EQ(t.n, 1000);
        ASSERT_TRUE(t.p.has_value());
        EXPECT_NEAR(*t.p, 1.0, 1e-9);
        EXPECT_EQ(t.verdict, kVerdictChance);
    }
    EXPECT_EQ(Named(tests, "数字の出現回数").df, 9);
    EXPECT_EQ(Named(tests, "組合せの型").df, 2);
    EXPECT_EQ(Named(tests, "位置の独立性（第1・第3）").df, 99);
    // Sums pool into 0-2, 3, 4, ..., 24, 25-27: 24 bins.
    EXPECT_EQ(Named(tests, "数字の合計").df, 23);
}

TEST(RandomnessTests, PullTestAgainstChancesCountedDrawByDraw) {
    const DrawHistory h = generatedHistory(400, 11);
    double expected = 0, variance = 0;
    int hits = 0;
    for (std::size_t i = 1; i < h.size(); ++i) {
        const double q = ShareChanceByCounting(h[i - 1]);
        expected += q;
        variance += q * (1 - q);
        bool share = false;
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b) share = share || h[i].digit(a) == h[i - 1].digit(b);
        hits += share;
    }
    const auto tests = RunRandomnessTests(TallyDraws(h, {}));
    const auto& pull = Named(tests, "引っ張り");
    EXPECT_EQ(pull.n, 399);
    EXPECT_FALSE(pull.df.has_value());
    const double z = (hits - expected) / std::sqrt(variance);
    EXPECT_NEAR(pull.statistic, z, 1e-9);
    ASSERT_TRUE(pull.p.has_value());
    EXPECT_NEAR(*pull.p, std::erfc(std::fabs(z) / std::sqrt(2.0)), 1e-9);
}

TEST(RandomnessTests, OnlySevenSevenSevenIsAllTriplesAndFailsEveryDigitTest) {
    const DrawHistory h = Repeated(600, 7, 7, 7);
    const DrawTallies t = TallyDraws(h, {});
    EXPECT_EQ(t.kinds, (std::array<int, 3>{0, 0, 600}));
    const auto tests = RunRandomnessTests(t);
    const auto& kinds = Named(tests, "組合せの型");
    // (0-432)²/432 + (0-162)²/162 + (600-6)²/6
    EXPECT_NEAR(kinds.statistic, 432.0 + 162.0 + 594.0 * 594.0 / 6.0, 1e-6);
    EXPECT_EQ(kinds.verdict, kVerdictBias);
    // 1800 sevens among ten digits expected 180 each: 9·180 + (1800-180)²/180.
    EXPECT_NEAR(Named(tests, "数字の出現回数").statistic, 9 * 180.0 + 1620.0 * 1620.0 / 180.0, 1e-6);
    const auto& pull = Named(tests, "引っ張り");
    EXPECT_EQ(pull.n, 599);
    const double q = 1 - 0.9 * 0.9 * 0.9;  // one distinct digit
    EXPECT_NEAR(pull.statistic, (599 - 599 * q) / std::sqrt(599 * q * (1 - q)), 1e-9);
    for (const auto& test : tests) {
        SCOPED_TRACE(test.name);
        ASSERT_TRUE(test.pCorrected.has_value());
        EXPECT_DOUBLE_EQ(*test.pCorrected, std::min(1.0, 10 * *test.p));
        EXPECT_EQ(test.verdict, kVerdictBias);
    }
}

TEST(RandomnessTests, ChiSquareAgainstValuesWorkedByHand) {
    // Two degrees of freedom: P(χ² > x) = exp(-x/2); one: erfc(sqrt(x/2)).
    EXPECT_NEAR(ChiSquareP(4.0, 2), std::exp(-2.0), 1e-12);
    EXPECT_NEAR(ChiSquareP(10.0, 2), std::exp(-5.0), 1e-12);
    EXPECT_NEAR(ChiSquareP(3.841458820694124, 1), 0.05, 1e-9);
    EXPECT_NEAR(ChiSquareP(2.0, 1), std::erfc(1.0), 1e-12);
    // Table values: 16.919 and 21.666 are the 5% and 1% points of 9 df;
    // 123.225 the 5% point of 99 df.
    EXPECT_NEAR(ChiSquareP(16.919, 9), 0.05, 1e-4);
    EXPECT_NEAR(ChiSquareP(21.666, 9), 0.01, 1e-4);
    EXPECT_NEAR(ChiSquareP(123.225, 99), 0.05, 1e-4);
    EXPECT_NEAR(TwoSidedP(1.959963984540054), 0.05, 1e-12);
    EXPECT_NEAR(TwoSidedP(-2.575829303548901), 0.01, 1e-12);
    EXPECT_DOUBLE_EQ(TwoSidedP(0), 1.0);
}

TEST(RandomnessTests, SumsPoolFromBothEndsUntilFiveAreExpected) {
    EXPECT_EQ(NumbersWithDigitSum(0), 1);
    EXPECT_EQ(NumbersWithDigitSum(13), 75);
    EXPECT_EQ(NumbersWithDigitSum(27), 1);
    int all = 0;
    for (int s = 0; s <= 27; ++s) all += NumbersWithDigitSum(s);
    EXPECT_EQ(all, 1000);

    const auto bins = PoolSums(1000);
    ASSERT_EQ(bins.size(), 24u);
    EXPECT_EQ(bins.front().first, 0);
    EXPECT_EQ(bins.front().last, 2);
    EXPECT_EQ(bins.back().first, 25);
    EXPECT_EQ(bins.back().last, 27);
    EXPECT_NEAR(bins.back().expected, 10.0, 1e-9);
    for (int draws : {7, 60, 333, 1000, 32767}) {
        SCOPED_TRACE(draws);
        const auto pooled = PoolSums(draws);
        double total = 0;
        int next = 0;
        for (const auto& b : pooled) {
            EXPECT_EQ(b.first, next);
            EXPECT_GE(b.expected, 5.0 - 1e-9);
            total += b.expected;
            next = b.last + 1;
        }
        EXPECT_EQ(next, 28);
        EXPECT_NEAR(total, draws, 1e-6);
    }
    // 60 draws: sums 0..6 hold 84 triples, 5.04 expected.
    const auto sixty = PoolSums(60);
    EXPECT_EQ(sixty.front().last, 6);
    EXPECT_NEAR(sixty.front().expected, 5.04, 1e-9);
    EXPECT_TRUE(PoolSums(4).empty());
}

TEST(RandomnessTests, TooFewDrawsSayDataInsufficientWithoutPValue) {
    const auto few = RunRandomnessTests(TallyDraws(generatedHistory(49), {}));
    for (const auto& t : few) {
        SCOPED_TRACE(t.name);
        if (t.name == "数字の合計" || t.name == "引っ張り") continue;  // 49 draws still make bins and 48 pairs
        EXPECT_EQ(t.verdict, "データ不足");
        EXPECT_FALSE(t.p.has_value());
        EXPECT_FALSE(t.pCorrected.has_value());
    }
    const auto fifty = RunRandomnessTests(TallyDraws(generatedHistory(50), {}));
    EXPECT_TRUE(Named(fifty, "数字の出現回数").p.has_value());
    EXPECT_TRUE(Named(fifty, "第3数字の出現回数").p.has_value());
    EXPECT_FALSE(Named(fifty, "組合せの型").p.has_value());
    const auto five = RunRandomnessTests(TallyDraws(generatedHistory(500), {}));
    EXPECT_TRUE(Named(five, "組合せの型").p.has_value());
    EXPECT_TRUE(Named(five, "位置の独立性（第2・第3）").p.has_value());
    EXPECT_FALSE(Named(RunRandomnessTests(TallyDraws(generatedHistory(499), {})), "位置の独立性（第1・第2）").p);
    EXPECT_FALSE(Named(RunRandomnessTests(TallyDraws(generatedHistory(4), {})), "数字の合計").p);
    EXPECT_EQ(Named(RunRandomnessTests(TallyDraws({}, {})), "数字の合計").verdict, "データ不足");
}

TEST(RandomnessTests, PairsNeedBothDrawsCompleteInRangeAndNumberedInTurn) {
    DrawHistory h = generatedHistory(40, 3, 10);  // draws 10, 20, 30, 40 lack a digit
    h.erase(h.begin() + 24);                      // no draw 25
    // Complete draws: 35. Pairs n-1,n: 39 minus those touching 10,20,30,40 (7) and 25 (2).
    DrawTallies t = TallyDraws(h, {});
    EXPECT_EQ(t.draws, 35);
    EXPECT_EQ(t.pullPairs, 30);
    EXPECT_EQ(Named(RunRandomnessTests(t), "引っ張り").n, 30);
    EXPECT_TRUE(Named(RunRandomnessTests(t), "引っ張り").p.has_value());
    // From draw 2: the pair (1,2) is gone too.
    t = TallyDraws(h, DrawRange{2, 0});
    EXPECT_EQ(t.pullPairs, 29);
    EXPECT_EQ(Named(RunRandomnessTests(t), "引っ張り").verdict, "データ不足");
    t = TallyDraws(h, DrawRange{11, 19});
    EXPECT_EQ(t.draws, 9);
    EXPECT_EQ(t.firstDrawNo, 11);
    EXPECT_EQ(t.lastDrawNo, 19);
    EXPECT_EQ(t.pullPairs, 8);
}

TEST(RandomnessTests, AFirstDigitThatNeverShowsZeroIsFlagged) {
    DrawHistory h = generatedHistory(2000, 5);
    for (Draw& d : h)
        if (d.digit(0) == 0) d.digits[0] = 1;
    const auto tests = RunRandomnessTests(TallyDraws(h, {}));
    EXPECT_EQ(Named(tests, "第1数字の出現回数").verdict, kVerdictBias);
    EXPECT_EQ(Named(tests, "第2数字の出現回数").verdict, kVerdictChance);
    const auto& first = Named(tests, "第1数字の出現回数");
    // Independent χ²: the counts of the first position against 200 each.
    std::array<int, 10> counts{};
    for (const Draw& d : h) ++counts[std::size_t(d.digit(0))];
    double chi2 = 0;
    for (int c : counts) chi2 += (c - 200.0) * (c - 200.0) / 200.0;
    EXPECT_NEAR(first.statistic, chi2, 1e-9);
}

TEST(RandomnessTests, LastDrawsCountOnlyCompleteDraws) {
    const DrawHistory h = generatedHistory(120, 2, 10);  // 12 incomplete
    EXPECT_EQ(LastDrawsRange(h, 100).from, 9);           // 108 complete: the 100th from the end is draw 9
    EXPECT_EQ(TallyDraws(h, LastDrawsRange(h, 100)).draws, 100);
    EXPECT_EQ(LastDrawsRange(h, 500).from, 0);
    EXPECT_EQ(LastDrawsRange({}, 100).from, 0);
}
