// The strategy test's walk and figures on small histories worked out by
// hand: each kind's hits, chance and money, triples, holes, incomplete
// draws, ranges, the random control, the correction and the JSON.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "app/cli/strategy_json.h"
#include "lab/backtest_figures.h"
#include "lab/strategy_chart.h"
#include "lab/strategy_figures.h"
#include "lab/strategy_picker.h"
#include "lab/strategy_rules.h"
#include "lab/strategy_walk.h"
#include "prediction/prediction_walk.h"
#include "stats/distributions.h"
#include "stats/verdict.h"
#include "test_history.h"

namespace n3 {
namespace {

using testing::history;

Strategy Fixed(std::vector<int> numbers, TicketKind kind, int units = 1) {
    Strategy s;
    s.rule = StrategyRule::Fixed;
    s.numbers = std::move(numbers);
    s.kind = kind;
    s.units = units;
    return s;
}

DrawResult Prizes(int drawNo, long long straight, long long box, long long setStraight, long long setBox,
                  long long mini) {
    DrawResult r;
    r.drawNo = drawNo;
    r.prize(PrizeKind::Straight).yen = straight;
    r.prize(PrizeKind::Box).yen = box;
    r.prize(PrizeKind::SetStraight).yen = setStraight;
    r.prize(PrizeKind::SetBox).yen = setBox;
    r.prize(PrizeKind::Mini).yen = mini;
    return r;
}

TEST(StrategyWalk, StraightCountsOnlyCompleteDrawsAcrossHoles) {
    // Draws 3 and 4 are missing, draw 5 is incomplete.
    const DrawHistory h = history({{1, 1, 2, 3}, {2, 4, 5, 6}, {5, 1, 2, -1}, {6, 1, 2, 3}});
    const StrategyRun run = RunStrategies(h, {}, {Fixed({123}, TicketKind::Straight)});
    const StrategyTally& t = run.tallies[0];
    EXPECT_EQ(run.targets, 3);
    EXPECT_EQ(t.draws, 3);
    EXPECT_EQ(t.tickets, 3);
    EXPECT_EQ(t.hits, 2);
    EXPECT_DOUBLE_EQ(t.kindChanceHits(), 0.003);
    EXPECT_DOUBLE_EQ(t.hitVariance, 3 * 0.001 * 0.999);
    EXPECT_EQ(run.trace.targets, (std::vector<int>{1, 2, 6}));
    EXPECT_EQ(run.trace.hits[0], (std::vector<int>{1, 1, 2}));
}

TEST(StrategyWalk, LastSkipsTheIncompleteDrawAndTheHole) {
    const DrawHistory h = history({{1, 1, 2, 3}, {2, 4, 5, -1}, {7, 1, 2, 3}});
    Strategy last;
    last.rule = StrategyRule::Last;
    const StrategyRun run = RunStrategies(h, {}, {last});
    EXPECT_EQ(run.tallies[0].draws, 1);  // nothing before draw 1; draw 7 buys draw 1's 123
    EXPECT_EQ(run.tallies[0].hits, 1);
}

TEST(StrategyWalk, BoxChanceDependsOnDoublesAndTriplesNeverWin) {
    const DrawHistory h = history({{1, 2, 1, 3}, {2, 1, 1, 1}, {3, 1, 0, 1}});
    const StrategyRun run = RunStrategies(h, {}, {Fixed({321, 110}, TicketKind::Box)});
    const StrategyTally& t = run.tallies[0];
    EXPECT_EQ(t.tickets, 6);
    EXPECT_EQ(t.hits, 2);  // 213 is 123; 101 is 011 (written 110 by the player)
    EXPECT_DOUBLE_EQ(t.kindChanceHits(), 3 * (6 + 3) / 1000.0);
    // The triple (draw 2) gives the random control nothing either: without
    // it the control holds the same hits, and over triples alone none.
    const StrategyRun withoutTriple =
        RunStrategies(history({{1, 2, 1, 3}, {3, 1, 0, 1}}), {}, {Fixed({321, 110}, TicketKind::Box)});
    EXPECT_EQ(t.controlHits, withoutTriple.tallies[0].controlHits);
    std::vector<int> hundred(CandidatesOf(TicketKind::Box).begin(), CandidatesOf(TicketKind::Box).begin() + 100);
    DrawHistory triples;
    for (int n = 1; n <= 40; ++n) triples.push_back(history({{n, n % 10, n % 10, n % 10}}).front());
    const StrategyRun onTriples = RunStrategies(triples, {}, {Fixed(hundred, TicketKind::Box)});
    EXPECT_EQ(onTriples.tallies[0].draws, 40);
    EXPECT_EQ(onTriples.tallies[0].hits, 0);
    EXPECT_EQ(onTriples.tallies[0].controlHits, 0);
}

TEST(StrategyWalk, AControlHoldingEveryCandidateHitsEveryDraw) {
    std::vector<int> everyMini(100);
    for (int x = 0; x < 100; ++x) everyMini[std::size_t(x)] = x;
    const StrategyRun run = RunStrategies(testing::generatedHistory(60, 4), {}, {Fixed(everyMini, TicketKind::Mini)});
    EXPECT_EQ(run.tallies[0].draws, 60);
    EXPECT_EQ(run.tallies[0].hits, 60);
    EXPECT_EQ(run.tallies[0].controlHits, 60);
}

TEST(StrategyWalk, MoneyUsesEachKindsPrizeAndUnits) {
    const DrawHistory h = history({{1, 1, 2, 3}, {2, 3, 2, 1}, {3, 5, 5, 5}, {4, 9, 2, 3}});
    const ResultHistory results = {Prizes(1, 90000, 15000, 52000, 7500, 9000),
                                   Prizes(2, 91000, 15100, 52100, 7600, 9100), Prizes(3, 90000, 0, 0, 0, 9000)};
    // Results of draw 3 say nothing about box or set: a triple has none.
    ResultHistory settled = results;
    settled[2].prize(PrizeKind::Box).yen.reset();
    settled[2].prize(PrizeKind::SetStraight).yen.reset();
    settled[2].prize(PrizeKind::SetBox).yen.reset();
    const StrategyRun run = RunStrategies(h, settled,
                                          {Fixed({123}, TicketKind::Straight, 2), Fixed({123}, TicketKind::Box, 1),
                                           Fixed({123}, TicketKind::Set, 3), Fixed({23}, TicketKind::Mini, 1)});
    const auto& st = run.tallies[0];
    EXPECT_EQ(st.moneyDraws, 3);  // draw 4 has no results
    EXPECT_EQ(st.spentYen, 3 * 2 * 200);
    EXPECT_EQ(st.wonYen, 2 * 90000);
    const auto& box = run.tallies[1];
    EXPECT_EQ(box.moneyDraws, 3);  // the triple needs only the draw's results
    EXPECT_EQ(box.wonYen, 15000 + 15100);
    const auto& set = run.tallies[2];
    EXPECT_EQ(set.spentYen, 3 * 3 * 200);
    EXPECT_EQ(set.wonYen, 3 * (52000 + 7600));  // exact order on draw 1, box half on draw 2
    const auto& mini = run.tallies[3];
    EXPECT_EQ(mini.hits, 2);  // 23 on draws 1 and 4
    EXPECT_EQ(mini.wonYen, 9000);
    EXPECT_EQ(run.trace.balance[3].back(), 9000 - 3 * 200);
}

TEST(StrategyWalk, RangeLimitsTargetsButEarlierDrawsStillCount) {
    const DrawHistory h = history({{1, 4, 5, 6}, {2, 1, 2, 3}, {3, 4, 5, 6}, {4, 7, 8, 9}});
    Strategy last;
    last.rule = StrategyRule::Last;
    const StrategyRun run = RunStrategies(h, {}, {last}, DrawRange{3, 3});
    EXPECT_EQ(run.targets, 1);
    EXPECT_EQ(run.tallies[0].hits, 0);  // draw 3 was bought with draw 2's 123
    const StrategyRun whole = RunStrategies(h, {}, {last}, DrawRange{2, 0});
    EXPECT_EQ(whole.tallies[0].draws, 3);
}

TEST(StrategyWalk, ControlIsReproducibleAndFollowsTheStrategyNotItsPlace) {
    const DrawHistory h = testing::generatedHistory(3000, 5);
    Strategy sum;
    sum.rule = StrategyRule::Sum;
    sum.sumLow = 10;
    sum.sumHigh = 10;
    const Strategy fixed = Fixed({123}, TicketKind::Straight);
    const StrategyRun a = RunStrategies(h, {}, {sum, fixed});
    const StrategyRun b = RunStrategies(h, {}, {fixed, sum});
    EXPECT_EQ(a.tallies[0].controlHits, b.tallies[1].controlHits);
    EXPECT_EQ(a.tallies[1].controlHits, b.tallies[0].controlHits);
    // 63 numbers a draw over 3000 draws: about 189 control hits.
    EXPECT_NEAR(a.tallies[0].controlHits, 189, 45);
}

TEST(StrategyWalk, PredictionBuysTheCycleNumbers) {
    const DrawHistory h = testing::generatedHistory(300, 3);
    Strategy p;
    p.rule = StrategyRule::Prediction;
    const StrategyRun run = RunStrategies(h, {}, {p}, {}, 2);
    PredictionWalk walk;
    long long tickets = 0;
    for (const Draw& d : h) {
        std::set<int> numbers;
        for (const auto& digits : walk.Predict(2).cycles)
            if (digits[0] != kNoDigit && digits[1] != kNoDigit && digits[2] != kNoDigit)
                numbers.insert(digits[0] * 100 + digits[1] * 10 + digits[2]);
        tickets += long(numbers.size());
        walk.Advance(d);
    }
    EXPECT_GT(tickets, 0);
    EXPECT_EQ(run.tallies[0].tickets, tickets);
}

TEST(StrategyFigures, BonferroniOverTheStrategiesTestedTogether) {
    const DrawHistory h = history({{1, 1, 2, 3}, {2, 1, 2, 3}, {3, 1, 2, 3}});
    const Strategy s = Fixed({123}, TicketKind::Straight);
    const auto one = FiguresOf(RunStrategies(h, {}, {s}));
    const auto two = FiguresOf(RunStrategies(h, {}, {s, Fixed({456}, TicketKind::Straight)}));
    ASSERT_TRUE(one.strategies[0].p && two.strategies[0].pCorrected);
    EXPECT_DOUBLE_EQ(*one.strategies[0].pCorrected, *one.strategies[0].p);
    EXPECT_DOUBLE_EQ(*two.strategies[0].pCorrected, std::min(1.0, 2 * *two.strategies[0].p));
    EXPECT_EQ(one.strategies[0].verdict, kVerdictMore);  // three straight hits in three draws
    EXPECT_EQ(two.strategies[1].verdict, kVerdictChance);
    EXPECT_DOUBLE_EQ(*one.strategies[0].ratio, 3 / 0.003);
    const auto [low, high] = WilsonInterval(3, 3);
    EXPECT_DOUBLE_EQ(*one.strategies[0].wilsonLow, low);
    EXPECT_DOUBLE_EQ(*one.strategies[0].wilsonHigh, high);
}

// 100 draws ending 000 except `hits` of them ending 123: a ミニ ticket on 23
// hits `hits` times where chance gives 1.
DrawHistory MiniHits(int hits) {
    DrawHistory h;
    for (int n = 1; n <= 100; ++n) {
        const bool hit = n % 20 == 0 && n / 20 <= hits;
        h.push_back(history({{n, hit ? 1 : 0, hit ? 2 : 0, hit ? 3 : 0}}).front());
    }
    return h;
}

// The two-sided p-value of the normal distribution, written out here.
double NormalTwoSided(double z) { return std::erfc(std::fabs(z) / std::sqrt(2.0)); }

TEST(StrategyFigures, BonferroniMultipliesByTheNumberOfStrategiesWhenPIsModerate) {
    // Three hits where one is expected: z = 2 / sqrt(0.99), p about 0.044.
    const DrawHistory h = MiniHits(3);
    const Strategy mini = Fixed({23}, TicketKind::Mini);
    const double z = (3 - 1.0) / std::sqrt(100 * 0.01 * 0.99);
    const double p = NormalTwoSided(z);
    ASSERT_GT(p, 0.03);
    ASSERT_LT(p, 0.06);
    const auto alone = FiguresOf(RunStrategies(h, {}, {mini}));
    ASSERT_TRUE(alone.strategies[0].p && alone.strategies[0].pCorrected);
    EXPECT_NEAR(*alone.strategies[0].z, z, 1e-9);
    EXPECT_NEAR(*alone.strategies[0].p, p, 1e-9);
    EXPECT_NEAR(*alone.strategies[0].pCorrected, p, 1e-9);
    for (const int tested : {2, 3, 7, 30}) {
        std::vector<Strategy> together = {mini};
        for (int i = 1; i < tested; ++i) together.push_back(Fixed({500 + i}, TicketKind::Straight));
        const auto figures = FiguresOf(RunStrategies(h, {}, together));
        ASSERT_TRUE(figures.strategies[0].pCorrected);
        EXPECT_NEAR(*figures.strategies[0].pCorrected, std::min(1.0, tested * p), 1e-9) << tested;
    }
}

TEST(StrategyFigures, TheVerdictReadsTheCorrectedP) {
    // Four hits where one is expected: p about 0.0026, below 1% alone, above
    // it once seven strategies share the test.
    const DrawHistory h = MiniHits(4);
    const Strategy mini = Fixed({23}, TicketKind::Mini);
    const double p = NormalTwoSided((4 - 1.0) / std::sqrt(0.99));
    ASSERT_LT(p, kVerdictLevel);
    ASSERT_GT(7 * p, kVerdictLevel);
    EXPECT_EQ(FiguresOf(RunStrategies(h, {}, {mini})).strategies[0].verdict, kVerdictMore);
    std::vector<Strategy> seven = {mini};
    for (int i = 1; i < 7; ++i) seven.push_back(Fixed({600 + i}, TicketKind::Straight));
    EXPECT_EQ(FiguresOf(RunStrategies(h, {}, seven)).strategies[0].verdict, kVerdictChance);
}

TEST(StrategyJson, TheStrategyMemberHasEveryFigureAndNullWhereUndefined) {
    Strategy last;
    last.rule = StrategyRule::Last;
    auto figures = FiguresOf(RunStrategies(history({{1, 1, 2, 3}}), {}, {last}));
    figures.singleStrategy = true;
    const std::string json = StrategyJsonMember(figures);
    EXPECT_EQ(json.rfind("\"strategy\": {\"rule\": \"last\", \"kind\": \"straight\", \"units\": 1, \"draws\": 0", 0),
              0u)
        << json;
    for (const char* key : {"tickets", "hits", "expectedHits", "ratio", "z", "p", "wilsonLow", "wilsonHigh",
                            "controlHits", "moneyTickets", "spent", "won", "returnRate", "verdict"})
        EXPECT_NE(json.find("\"" + std::string(key) + "\": "), std::string::npos) << key;
    EXPECT_NE(json.find("\"ratio\": null"), std::string::npos);
    EXPECT_NE(json.find("\"spent\": null"), std::string::npos);
    Strategy named = last;
    named.name = "前回\"の\"数字";
    const std::string list = StrategyJsonMember(FiguresOf(RunStrategies({}, {}, {named})));
    EXPECT_NE(list.find("\"strategies\": [{\"name\": \"前回\\\"の\\\"数字\""), std::string::npos) << list;
}

}  // namespace
}  // namespace n3

namespace n3 {
namespace {

TEST(StrategyChart, OneHitChartPerStrategyThenTheBalances) {
    const DrawHistory h = testing::generatedHistory(1000, 9);
    Strategy last;
    last.rule = StrategyRule::Last;
    const Strategy box = Fixed({123, 455}, TicketKind::Box, 2);
    const StrategyRun run = RunStrategies(h, {}, {last, box});
    const std::vector<ChartData> charts = StrategyCharts(run);
    ASSERT_EQ(charts.size(), 3u);
    for (std::size_t s = 0; s < 2; ++s) {
        ASSERT_EQ(charts[s].series.size(), 2u);
        EXPECT_EQ(charts[s].series[0].points.back().y, run.tallies[s].hits);
        EXPECT_DOUBLE_EQ(charts[s].series[1].points.back().y, run.tallies[s].kindChanceHits());
        EXPECT_LE(charts[s].series[0].points.size(), std::size_t(kStrategyChartPoints) + 1);
    }
    ASSERT_EQ(charts[2].series.size(), 2u);
    EXPECT_EQ(charts[2].series[1].points.back().y, 0);  // no prizes known: nothing spent or won
}

}  // namespace
}  // namespace n3
