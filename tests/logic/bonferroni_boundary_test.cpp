// The correction for many tests at once, at the one place where it decides
// the verdict: raw p-values between 0.001 and 0.01 pass uncorrected but not
// corrected, and one below 0.001 stays significant after the correction.
// The randomness window divides its level among ten tests, the backtest
// among seven methods.
#include <gtest/gtest.h>

#include <algorithm>

#include "lab/backtest.h"
#include "lab/backtest_figures.h"
#include "lab/randomness_tests.h"
#include "stats/verdict.h"

using namespace n3;

namespace {

struct Boundary {
    const char* name;
    int deviation;  // first-digit counts 100 ± deviation, or hits of 10000 single-ticket bets
    double rawLow;  // where the raw p-value is expected to lie
    double rawHigh;
    bool significant;  // after the correction
};

void PrintTo(const Boundary& b, std::ostream* os) { *os << b.name; }

// 1000 complete draws whose first digits come 100 + d, 100 - d, 100 + d, …
// times (χ² = 10 d² / 100 with 9 degrees of freedom); the other two
// positions run through every pair evenly.
DrawHistory FirstDigitsOffBy(int deviation) {
    DrawHistory h;
    int number = 0;
    for (int digit = 0; digit < 10; ++digit) {
        const int count = 100 + (digit % 2 == 0 ? deviation : -deviation);
        for (int i = 0; i < count; ++i) {
            Draw d;
            d.drawNo = ++number;
            d.digits = {digit, number % 10, number / 10 % 10};
            h.push_back(d);
        }
    }
    return h;
}

const RandomnessTest& FirstDigitTest(const std::vector<RandomnessTest>& tests) {
    const auto it =
        std::find_if(tests.begin(), tests.end(), [](const RandomnessTest& t) { return t.name == "第1数字の出現回数"; });
    if (it == tests.end()) throw std::runtime_error("no first-digit test");
    return *it;
}

class RandomnessCorrection : public ::testing::TestWithParam<Boundary> {};
class BacktestCorrection : public ::testing::TestWithParam<Boundary> {};

}  // namespace

TEST_P(RandomnessCorrection, TenTestsShareTheLevel) {
    const Boundary& b = GetParam();
    const auto tests = RunRandomnessTests(TallyDraws(FirstDigitsOffBy(b.deviation), {}));
    const RandomnessTest& t = FirstDigitTest(tests);
    ASSERT_EQ(t.n, 1000);
    EXPECT_NEAR(t.statistic, 10.0 * b.deviation * b.deviation / 100.0, 1e-9);
    ASSERT_TRUE(t.p.has_value());
    ASSERT_GT(*t.p, b.rawLow);
    ASSERT_LT(*t.p, b.rawHigh);
    ASSERT_TRUE(t.pCorrected.has_value());
    EXPECT_DOUBLE_EQ(*t.pCorrected, 10.0 * *t.p);
    EXPECT_EQ(t.verdict, b.significant ? kVerdictBias : kVerdictChance);
}

INSTANTIATE_TEST_SUITE_P(RawPValues, RandomnessCorrection,
                         ::testing::Values(Boundary{"between_0_001_and_0_01", 15, 0.001, 0.01, false},  // χ² 22.5
                                           Boundary{"below_0_001", 17, 0.0002, 0.001, true}),           // χ² 28.9
                         [](const auto& test) { return std::string(test.param.name); });

TEST_P(BacktestCorrection, SevenMethodsShareTheLevel) {
    const Boundary& b = GetParam();
    BacktestRun run;
    run.targets = 10000;
    MethodTally& t = run.tallies[0];
    t.bets = 10000;
    t.tickets = 10000;  // one number a draw: chance gives 10 hits
    t.varianceParts = 10000LL * 999;
    t.hits = b.deviation;
    const MethodFigures f = FiguresOf(run).methods[0];
    ASSERT_TRUE(f.p.has_value());
    ASSERT_GT(*f.p, b.rawLow);
    ASSERT_LT(*f.p, b.rawHigh);
    ASSERT_TRUE(f.pCorrected.has_value());
    EXPECT_DOUBLE_EQ(*f.pCorrected, 7.0 * *f.p);
    EXPECT_EQ(f.verdict, b.significant ? kVerdictMore : kVerdictChance);
}

INSTANTIATE_TEST_SUITE_P(RawPValues, BacktestCorrection,
                         ::testing::Values(Boundary{"between_0_001_and_0_01", 19, 0.001, 0.01, false},  // z 2.85
                                           Boundary{"below_0_001", 21, 0.0003, 0.001, true}),           // z 3.48
                         [](const auto& test) { return std::string(test.param.name); });
