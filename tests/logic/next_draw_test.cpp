// 次回の抽せん: the next draw's number and date, the methods beside their
// verdicts, and the odds of each ticket kind on a slice of the shipped
// results (draws 6673–6676), worked out by hand below.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "lab/backtest.h"
#include "lab/backtest_figures.h"
#include "lab/next_draw.h"
#include "lab/next_draw_window.h"
#include "prediction/prediction_walk.h"
#include "stats/verdict.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;

namespace {

DrawResult Result(int drawNo, const char* date, std::array<std::int64_t, 5> yen) {
    DrawResult r;
    r.drawNo = drawNo;
    r.date = date;
    for (int k = 0; k < kPrizeKindCount; ++k)
        if (yen[std::size_t(k)] > 0) r.prizes[std::size_t(k)].yen = yen[std::size_t(k)];
    return r;
}

// From data/numbers3-results.csv, plus a draw a year and more before (left
// out of the averages) and one without figures.
const DrawHistory kSliceHistory =
    history({{6400, 1, 2, 3}, {6672, 5, 5, 5}, {6673, 4, 2, 2}, {6674, 6, 3, 8}, {6675, 0, 5, 2}, {6676, 4, 1, 7}});
const ResultHistory kSliceResults = {
    Result(6400, "2024-03-06", {1000000, 0, 0, 0, 0}),
    Result(6672, "2025-02-28", {0, 0, 0, 0, 0}),
    Result(6673, "2025-03-03", {90800, 30200, 60500, 15100, 9000}),
    Result(6674, "2025-03-04", {83100, 13800, 48400, 6900, 8300}),
    Result(6675, "2025-03-05", {127000, 21100, 74000, 10500, 12700}),
    Result(6676, "2025-03-06", {58100, 9600, 33800, 4800, 5800}),
};

struct KindExpectation {
    const char* kind;
    double chance;
    double averagePrize;
    int draws;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const KindExpectation& c, std::ostream* out) { *out << c.kind; }

class KindOddsOnSlice : public ::testing::TestWithParam<std::pair<int, KindExpectation>> {};

}  // namespace

TEST_P(KindOddsOnSlice, AveragesAndReturns) {
    std::string from, to;
    const std::vector<KindOdds> kinds = KindOddsOf(kSliceHistory, kSliceResults, &from, &to);
    EXPECT_EQ(from, "2025-03-03");
    EXPECT_EQ(to, "2025-03-06");
    ASSERT_EQ(kinds.size(), 6u);
    const auto& [index, want] = GetParam();
    const KindOdds& got = kinds[std::size_t(index)];
    EXPECT_EQ(got.kind, want.kind);
    EXPECT_DOUBLE_EQ(got.chance, want.chance);
    EXPECT_EQ(got.prizeDraws, want.draws);
    ASSERT_TRUE(got.averagePrize);
    EXPECT_NEAR(*got.averagePrize, want.averagePrize, 1e-6);
    EXPECT_NEAR(*got.returnPer200, want.chance * want.averagePrize, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Slice, KindOddsOnSlice,
                         ::testing::Values(
                             // (90800 + 83100 + 127000 + 58100) / 4
                             std::pair{0, KindExpectation{"ストレート", 0.001, 89750, 4}},
                             // singles 638, 052, 417: (13800 + 21100 + 9600) / 3
                             std::pair{1, KindExpectation{"ボックス（シングル）", 0.006, 44500.0 / 3, 3}},
                             // the double 422
                             std::pair{2, KindExpectation{"ボックス（ダブル）", 0.003, 30200, 1}},
                             // (ss + 5 sb) / 6 per single draw
                             std::pair{
                                 3, KindExpectation{"セット（シングル）", 0.006, (82900.0 + 126500 + 57800) / 18, 3}},
                             // (60500 + 2 x 15100) / 3
                             std::pair{4, KindExpectation{"セット（ダブル）", 0.003, 90700.0 / 3, 1}},
                             std::pair{5, KindExpectation{"ミニ", 0.01, 8950, 4}}));

TEST(NextDrawCard, StraightReturnReadsAsTheLotterysShare) {
    const std::vector<KindOdds> kinds = KindOddsOf(kSliceHistory, kSliceResults);
    EXPECT_EQ(次回の抽せん::ReturnText(kinds[0]), "平均払戻 約90円（回収率45%）");
    EXPECT_EQ(次回の抽せん::ReturnText(KindOdds{}), "－");
}

TEST(NextDrawCard, NumberDateMethodsAndVerdicts) {
    const NextDrawCard card = BuildNextDrawCard(kSliceHistory, kSliceResults, 0);
    EXPECT_EQ(card.latestDrawNo, 6676);
    EXPECT_EQ(card.drawNo, 6677);
    EXPECT_EQ(card.latestDate, "2025-03-06");
    EXPECT_EQ(card.date, "2025-03-07");
    EXPECT_EQ(card.backtestTargets, 6);
    // Each verdict read from the backtest's counts by the rule written out
    // here: two-sided normal p, Bonferroni over the seven methods, 1%.
    const BacktestRun run = RunBacktest(kSliceHistory, kSliceResults, 0);
    for (int m = 0; m < kBacktestMethodCount; ++m) {
        EXPECT_EQ(card.methods[std::size_t(m)].method, kBacktestMethodNames[std::size_t(m)]);
        const MethodTally& t = run.tallies[std::size_t(m)];
        std::string_view want = kVerdictChance;
        if (t.hitVariance() > 0) {
            const double z = (t.hits - t.straightChanceHits()) / std::sqrt(t.hitVariance());
            if (std::min(1.0, 7 * std::erfc(std::fabs(z) / std::sqrt(2.0))) < 0.01)
                want = z > 0 ? kVerdictMore : kVerdictFewer;
        }
        EXPECT_EQ(card.methods[std::size_t(m)].verdict, want) << m;
    }
    const StartupStatistics stats{};
    const WindowContent content = 次回の抽せん::Content(WindowInput{kSliceHistory, stats, kSliceResults, {}, {}, {}});
    const auto* details = DetailsOf<NextDrawCard>(content);
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->drawNo, 6677);
    EXPECT_EQ(details->kinds.size(), 6u);
}

TEST(NextDrawCard, SaysSoWhenTheNewestDrawHasNoDate) {
    const DrawHistory h = history({{1, 1, 2, 3}, {2, 4, 5, 6}, {3, 7, 8, -1}});
    const NextDrawCard card = BuildNextDrawCard(h, {}, 0);
    EXPECT_EQ(card.drawNo, 3);  // after the newest complete draw
    EXPECT_FALSE(card.date);
    for (const KindOdds& k : card.kinds) {
        EXPECT_FALSE(k.averagePrize);
        EXPECT_EQ(k.prizeDraws, 0);
    }
    const GridModel grid = 次回の抽せん::BuildGrid(card);
    EXPECT_NE(grid.text(1, 1).find("抽せん日がわからない"), std::string::npos);
}

TEST(NextDrawCard, MethodsSayWhatThePredictionWalkPredicts) {
    const DrawHistory h = n3::testing::generatedHistory(400, 5);
    const NextDrawCard card = BuildNextDrawCard(h, {}, 2);
    PredictionWalk walk;
    for (const Draw& d : h) walk.Advance(d);
    const DigitPrediction p = walk.Predict(2);
    for (int c = 0; c < kCycleCount; ++c) {
        std::string digits;
        for (auto d : p.cycles[std::size_t(c)])
            digits += d == kNoDigit ? std::string("－") : std::string(1, char('0' + d));
        EXPECT_EQ(card.methods[std::size_t(c)].says, digits);
    }
    std::string oneShot;
    for (int i = 0; i < p.oneShot.size; ++i)
        oneShot += (i ? "・" : "") + std::string(1, char('0' + p.oneShot.digits[std::size_t(i)]));
    EXPECT_EQ(card.methods[6].says, oneShot.empty() ? "なし" : oneShot);
    const BacktestFigures figures = FiguresOf(RunBacktest(h, {}, 2));
    EXPECT_EQ(card.backtestTargets, figures.targets);
    for (int m = 0; m < kBacktestMethodCount; ++m)
        EXPECT_EQ(card.methods[std::size_t(m)].verdict, figures.methods[std::size_t(m)].verdict);
    EXPECT_NE(次回の抽せん::VerdictLine(card).find("予想の検証（第1回～第400回の400回、オプション2個）"),
              std::string::npos);
}

// The all-time averages take the draw a year and more before too: the
// straight prize of 6400 (1,000,000 yen) beside the four recent ones.
TEST(NextDrawCard, AllTimeAverageBesideTheTwelveMonths) {
    std::string from, to, allFrom, allTo;
    const std::vector<KindOdds> kinds = KindOddsOf(kSliceHistory, kSliceResults, &from, &to, &allFrom, &allTo);
    EXPECT_EQ(allFrom, "2024-03-06");
    EXPECT_EQ(allTo, "2025-03-06");
    ASSERT_TRUE(kinds[0].allTimeAverage);
    EXPECT_EQ(kinds[0].allTimeDraws, 5);
    EXPECT_DOUBLE_EQ(*kinds[0].allTimeAverage, (1000000.0 + 90800 + 83100 + 127000 + 58100) / 5);
    EXPECT_EQ(kinds[0].prizeDraws, 4);
    const GridModel grid = 次回の抽せん::BuildGrid(BuildNextDrawCard(kSliceHistory, kSliceResults, 0));
    bool shown = false;
    for (int row = 1; row <= grid.rows(); ++row) shown = shown || grid.text(6, row) == "271,800円";
    EXPECT_TRUE(shown);
}

// Draws typed after the newest dated one: the schedule counts on, and the
// date is marked as planned.
TEST(NextDrawCard, TypedDrawsWithoutDatesStillGiveTheNextDate) {
    const DrawHistory h = history({{7052, 8, 7, 2}, {7053, 9, 1, 9}, {7054, 1, 2, 3}, {7055, 4, 5, 6}});
    const ResultHistory results = {Result(7053, "2026-08-20", {88500, 29500, 59000, 14700, 8800})};
    const NextDrawCard card = BuildNextDrawCard(h, results, 0);
    EXPECT_EQ(card.drawNo, 7056);
    ASSERT_TRUE(card.date);
    EXPECT_EQ(*card.date, "2026-08-25");  // Fri 21st, Mon 24th, Tue 25th
    EXPECT_EQ(次回の抽せん::BuildGrid(card).text(1, 1), "次回：第7056回　抽せん日 2026-08-25（火）（予定）");
}

namespace {

// "1,234円" for the cost of `tickets` units at 200 yen, written out by hand.
std::string CostText(int tickets) {
    const std::string digits = std::to_string(tickets * 200);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out + "円";
}

TEST(NextDrawCard, EachSuggestionSaysWhatItCosts) {
    const DrawHistory h = n3::testing::generatedHistory(400, 5);
    const NextDrawCard card = BuildNextDrawCard(h, {}, 2);
    const GridModel grid = 次回の抽せん::BuildGrid(card);
    int sets = 0;
    for (int m = 0; m < kBacktestMethodCount; ++m) {
        const MethodSays& says = card.methods[std::size_t(m)];
        const std::string shown = grid.text(3, 4 + m);
        if (!says.bets) {
            EXPECT_EQ(shown, "－");
        } else if (m < kFirstDigitSetMethod) {
            EXPECT_EQ(shown, "ストレート 1口 ＝ 200円");
        } else {
            ++sets;
            EXPECT_EQ(shown, "数字の組合せ " + std::to_string(says.tickets) + "口 ＝ " + CostText(says.tickets));
        }
    }
    EXPECT_GT(sets, 0);
    EXPECT_EQ(CostText(343), "68,600円");  // seven digits: 7×7×7 numbers
}

}  // namespace
