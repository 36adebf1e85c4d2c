// The sentence above the backtest's table: every method like chance, one
// or more methods named with their verdict, or no draw to check.
#include <gtest/gtest.h>

#include <ostream>

#include "lab/backtest_headline.h"
#include "stats/verdict.h"
#include "test_history.h"

using namespace n3;

namespace {

struct HeadlineCase {
    const char* name;
    int targets;
    std::vector<std::pair<int, std::string_view>> verdicts;  // method index, verdict; the rest chance
    DrawRange range;
    std::string expected;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const HeadlineCase& c, std::ostream* out) { *out << c.name; }

class BacktestHeadlineTest : public ::testing::TestWithParam<HeadlineCase> {};

TEST_P(BacktestHeadlineTest, SaysItInOneSentence) {
    const HeadlineCase& c = GetParam();
    BacktestFigures figures;
    figures.targets = c.targets;
    for (std::size_t m = 0; m < figures.methods.size(); ++m) {
        figures.methods[m].method = kBacktestMethodNames[m];
        figures.methods[m].verdict = kVerdictChance;
    }
    for (const auto& [method, verdict] : c.verdicts) figures.methods[std::size_t(method)].verdict = verdict;
    DrawHistory history;
    for (int n = 1; n <= 7053; ++n) history.push_back(Draw{n, {1, 2, 3}});
    EXPECT_EQ(BacktestHeadline(figures, history, c.range), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BacktestHeadlineTest,
    ::testing::Values(
        HeadlineCase{"AllChance", 7000, {}, {}, "7つの予想方法はどれも偶然と区別できません（第1回〜第7053回）"},
        HeadlineCase{"OneMore",
                     7000,
                     {{0, kVerdictMore}},
                     {},
                     "7回周期法の的中は偶然より多い。ほかの6つは偶然と区別できません（第1回〜第7053回）"},
        HeadlineCase{"TwoDiffer",
                     50,
                     {{1, kVerdictMore}, {4, kVerdictFewer}},
                     {100, 200},
                     "9回周期法の的中は偶然より多い、消去法の的中は偶然より少ない。ほかの5つは偶然と区別できません（第1"
                     "00回〜第200回）"},
        HeadlineCase{"NoTargets", 0, {}, {7000, 0}, "予想を確かめられる回がありません（第7000回〜第7053回）"}),
    [](const ::testing::TestParamInfo<HeadlineCase>& param) { return std::string(param.param.name); });

TEST(BacktestHeadline, SaysOverHowManyDrawsTheMoneyWasCounted) {
    BacktestFigures figures;
    figures.targets = 7053;
    figures.from = 1;
    figures.to = 7053;
    figures.moneyTargets = 372;
    for (std::size_t m = 0; m < figures.methods.size(); ++m) {
        figures.methods[m].method = kBacktestMethodNames[m];
        figures.methods[m].verdict = kVerdictChance;
    }
    DrawHistory history;
    for (int n = 1; n <= 7053; ++n) history.push_back(Draw{n, {1, 2, 3}});
    EXPECT_EQ(BacktestHeadline(figures, history, {}),
              "7つの予想方法はどれも偶然と区別できません（第1回〜第7053回）。金額は第1回〜第7053回のうち372回で計算");
}

}  // namespace
