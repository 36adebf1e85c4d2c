// What each rule picks on small histories, checked by hand, and the
// incremental picks against a recount before every draw.
#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

#include "lab/strategy_picker.h"
#include "lab/strategy_rules.h"
#include "test_history.h"
#include "value_printers.h"

namespace n3 {

namespace {

Strategy Make(StrategyRule rule, TicketKind kind = TicketKind::Straight, int n = 100, int k = 1) {
    Strategy s;
    s.rule = rule;
    s.kind = kind;
    s.n = n;
    s.k = k;
    return s;
}

// The picks before each of `winning`'s draws and after the last.
std::vector<std::vector<int>> PicksOver(const Strategy& s, const std::vector<int>& winning) {
    StrategyPicker picker(s);
    std::vector<std::vector<int>> picks;
    for (const int w : winning) {
        picks.push_back(picker.Pick());
        picker.Take(w);
    }
    picks.push_back(picker.Pick());
    return picks;
}

using Picks = std::vector<int>;

TEST(StrategyRules, FixedNumbersFollowTheKind) {
    Strategy s = Make(StrategyRule::Fixed);
    s.numbers = {456, 123, 321};
    EXPECT_EQ(PicksOver(s, {}).back(), (Picks{123, 321, 456}));
    s.kind = TicketKind::Box;  // 321 and 123 are one combination
    EXPECT_EQ(PicksOver(s, {}).back(), (Picks{123, 456}));
    s.kind = TicketKind::Mini;
    s.numbers = {5, 17, 5};
    EXPECT_EQ(PicksOver(s, {}).back(), (Picks{5, 17}));
}

TEST(StrategyRules, LastIsThePreviousDrawInTheKindsTerms) {
    EXPECT_EQ(PicksOver(Make(StrategyRule::Last), {123, 456}), (std::vector<Picks>{{}, {123}, {456}}));
    EXPECT_EQ(PicksOver(Make(StrategyRule::Last, TicketKind::Box), {312, 777}),
              (std::vector<Picks>{{}, {123}, {}}));  // a triple buys nothing under box
    EXPECT_EQ(PicksOver(Make(StrategyRule::Last, TicketKind::Mini), {312}).back(), (Picks{12}));
}

TEST(StrategyRules, HotTakesTheMostFrequentWithTiesToTheSmaller) {
    EXPECT_EQ(PicksOver(Make(StrategyRule::Hot, TicketKind::Straight, 5, 2), {5, 7, 5, 7, 9}).back(), (Picks{5, 7}));
    // Over the last two draws 7 and 9 came once each; every other number not at all.
    EXPECT_EQ(PicksOver(Make(StrategyRule::Hot, TicketKind::Straight, 2, 2), {5, 5, 7, 9}).back(), (Picks{7, 9}));
    EXPECT_EQ(PicksOver(Make(StrategyRule::Hot, TicketKind::Straight, 2, 1), {9, 7}).back(), (Picks{7}));
    // Box counts 123 and 321 as one combination; the triple counts for nothing.
    EXPECT_EQ(PicksOver(Make(StrategyRule::Hot, TicketKind::Box, 10, 1), {456, 123, 321, 777, 777}).back(),
              (Picks{123}));
    // Nothing counted yet: the smallest combination, 001.
    EXPECT_EQ(PicksOver(Make(StrategyRule::Hot, TicketKind::Box, 10, 1), {777}).back(), (Picks{1}));
}

TEST(StrategyRules, ColdTakesTheLeastFrequent) {
    EXPECT_EQ(PicksOver(Make(StrategyRule::Cold, TicketKind::Straight, 3, 2), {0, 1, 2}).back(), (Picks{3, 4}));
    // Once 0 leaves the window of 3 it is cold again.
    EXPECT_EQ(PicksOver(Make(StrategyRule::Cold, TicketKind::Straight, 3, 1), {0, 1, 2, 3}).back(), (Picks{0}));
    EXPECT_EQ(PicksOver(Make(StrategyRule::Cold, TicketKind::Box, 3, 1), {1, 2}).back(), (Picks{3}));
}

TEST(StrategyRules, OverdueCountsNeverSeenAsLongest) {
    EXPECT_EQ(PicksOver(Make(StrategyRule::Overdue, TicketKind::Straight, 1, 2), {0, 1}).back(), (Picks{2, 3}));
    // Every mini number seen, in order 00..99: the first two are the longest gone.
    std::vector<int> all;
    for (int x = 0; x < 100; ++x) all.push_back(x);
    EXPECT_EQ(PicksOver(Make(StrategyRule::Overdue, TicketKind::Mini, 1, 2), all).back(), (Picks{0, 1}));
    all.push_back(100);  // 100 is mini 00: now 01 and 02 are the longest gone
    EXPECT_EQ(PicksOver(Make(StrategyRule::Overdue, TicketKind::Mini, 1, 2), all).back(), (Picks{1, 2}));
}

TEST(StrategyRules, BeforeTheFirstCompleteDrawTheHistoryRulesBuyNothing) {
    for (const StrategyRule rule : {StrategyRule::Last, StrategyRule::Hot, StrategyRule::Cold, StrategyRule::Overdue})
        EXPECT_TRUE(PicksOver(Make(rule, TicketKind::Straight, 10, 3), {}).front().empty());
}

TEST(StrategyRules, SumTakesEveryCandidateInTheRange) {
    Strategy s = Make(StrategyRule::Sum);
    s.sumLow = 0;
    s.sumHigh = 1;
    EXPECT_EQ(PicksOver(s, {}).back(), (Picks{0, 1, 10, 100}));
    s.kind = TicketKind::Box;  // 000 is a triple
    EXPECT_EQ(PicksOver(s, {}).back(), (Picks{1}));
    s.kind = TicketKind::Mini;
    EXPECT_EQ(PicksOver(s, {}).back(), (Picks{0, 1, 10}));
}

// Strategies the rules refuse, each with its own reason.
struct Refusal {
    const char* name;
    Strategy strategy;
    const char* reason;  // a part of the message that names what is wrong
};

void PrintTo(const Refusal& r, std::ostream* out) { *out << r.name; }

class RefusedStrategy : public ::testing::TestWithParam<Refusal> {};

Strategy With(StrategyRule rule, TicketKind kind, std::vector<int> numbers, int low, int high, int k, int units) {
    Strategy s = Make(rule, kind, 100, k);
    s.numbers = std::move(numbers);
    s.sumLow = low;
    s.sumHigh = high;
    s.units = units;
    return s;
}

TEST_P(RefusedStrategy, HasItsReason) {
    const std::string why = StrategyError(GetParam().strategy);
    EXPECT_NE(why.find(GetParam().reason), std::string::npos) << why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedStrategy,
    ::testing::Values(
        Refusal{"SumOf150Numbers", With(StrategyRule::Sum, TicketKind::Straight, {}, 13, 14, 1, 1),
                "合計13～14の数字は150個あり"},
        Refusal{"SumLowAboveHigh", With(StrategyRule::Sum, TicketKind::Straight, {}, 5, 3, 1, 1), "0～27で、a≦b"},
        Refusal{"MiniSumBeyond18", With(StrategyRule::Sum, TicketKind::Mini, {}, 0, 19, 1, 1), "0～18で、a≦b"},
        Refusal{"NothingToBuy", With(StrategyRule::Fixed, TicketKind::Straight, {}, 0, 0, 1, 1), "1つ以上"},
        Refusal{"BoxTriple", With(StrategyRule::Fixed, TicketKind::Box, {777}, 0, 0, 1, 1), "（777）は買えません"},
        Refusal{"MiniOf3Digits", With(StrategyRule::Fixed, TicketKind::Mini, {123}, 0, 0, 1, 1), "00～99"},
        Refusal{"Beyond999", With(StrategyRule::Fixed, TicketKind::Straight, {1000}, 0, 0, 1, 1), "000～999"},
        Refusal{"KBeyond100", With(StrategyRule::Hot, TicketKind::Straight, {}, 0, 0, 101, 1), "個数kは1～100"},
        Refusal{"KZero", With(StrategyRule::Overdue, TicketKind::Straight, {}, 0, 0, 0, 1), "個数kは1～100"},
        Refusal{"Units100", With(StrategyRule::Last, TicketKind::Straight, {}, 0, 0, 1, 100), "口数は1～99"}),
    [](const ::testing::TestParamInfo<Refusal>& p) { return std::string(p.param.name); });

TEST(StrategyRules, AcceptedStrategiesHaveNoReason) {
    EXPECT_EQ(StrategyError(With(StrategyRule::Sum, TicketKind::Straight, {}, 0, 5, 1, 1)), "");
    EXPECT_EQ(StrategyError(With(StrategyRule::Sum, TicketKind::Box, {}, 13, 14, 1, 1)), "");  // 16 + 16 combinations
    EXPECT_EQ(StrategyError(With(StrategyRule::Fixed, TicketKind::Mini, {5, 99}, 0, 0, 1, 99)), "");
}

TEST(StrategyRules, NumberListsAndWordsReadBack) {
    EXPECT_EQ(ParseNumberList("123, 456,7"), (std::vector<int>{123, 456, 7}));
    for (const char* bad : {"", "12a", "1234", "1,,2", "1,", "-1"}) EXPECT_FALSE(ParseNumberList(bad)) << bad;
    for (int i = 0; i < kStrategyRuleCount; ++i)
        EXPECT_EQ(ParseStrategyRule(kStrategyRuleWords[std::size_t(i)]), StrategyRule(i));
    for (int i = 0; i < kTicketKindCount; ++i) {
        EXPECT_EQ(ParseTicketKind(kTicketKindWords[std::size_t(i)]), TicketKind(i));
        EXPECT_EQ(ParseTicketKind(kTicketKindCaptions[std::size_t(i)]), TicketKind(i));
    }
}

// The incremental picks equal a recount before every draw, for every
// history rule and kind, on a history with ties everywhere.
class IncrementalPicks : public ::testing::TestWithParam<std::tuple<StrategyRule, TicketKind, int, int>> {};

TEST_P(IncrementalPicks, EqualARecount) {
    const auto [rule, kind, n, k] = GetParam();
    const Strategy s = Make(rule, kind, n, k);
    const DrawHistory h = testing::generatedHistory(600, 11, 7);
    StrategyPicker picker(s);
    std::vector<int> earlier;
    for (const Draw& d : h) {
        if (!d.complete()) continue;
        ASSERT_EQ(picker.Pick(), NaivePick(s, earlier)) << "before draw " << d.drawNo;
        const int w = d.digit(0) * 100 + d.digit(1) * 10 + d.digit(2);
        picker.Take(w);
        earlier.push_back(w);
    }
}

INSTANTIATE_TEST_SUITE_P(RulesAndKinds, IncrementalPicks,
                         ::testing::Combine(::testing::Values(StrategyRule::Last, StrategyRule::Hot, StrategyRule::Cold,
                                                              StrategyRule::Overdue),
                                            ::testing::Values(TicketKind::Straight, TicketKind::Box, TicketKind::Set,
                                                              TicketKind::Mini),
                                            ::testing::Values(1, 50), ::testing::Values(1, 10)));

// The chance of each candidate is the share of the thousand winning numbers
// that make it win.
class CandidateChance : public ::testing::TestWithParam<TicketKind> {};

TEST_P(CandidateChance, MatchesABruteForceCount) {
    const TicketKind kind = GetParam();
    std::vector<int> wins(1000, 0);
    for (int w = 0; w < 1000; ++w)
        if (const auto c = WinningCandidate(kind, w)) ++wins[std::size_t(*c)];
    int total = 0;
    for (const int c : CandidatesOf(kind)) {
        EXPECT_EQ(WinningNumbers(kind, c), wins[std::size_t(c)]) << c;
        total += wins[std::size_t(c)];
    }
    // Straight and mini cover every number; box and set leave out the ten triples.
    EXPECT_EQ(total, kind == TicketKind::Box || kind == TicketKind::Set ? 990 : 1000);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CandidateChance,
                         ::testing::Values(TicketKind::Straight, TicketKind::Box, TicketKind::Set, TicketKind::Mini));

}  // namespace
}  // namespace n3
