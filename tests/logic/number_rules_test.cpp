// The number rules of core/number_rules.h for every one of the thousand
// numbers, each checked against a count made independently of the rules:
// the digits read from the printed number, the orders counted by listing
// the permutations, the prizes by trying every drawn number.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "core/number_rules.h"

namespace n3 {
namespace {

std::string Printed(int number, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, number);
    return buffer;
}

// Every different number the digits make, by listing the permutations.
std::set<int> Permutations(int number, int digits) {
    std::string text = Printed(number, digits);
    std::sort(text.begin(), text.end());
    std::set<int> out;
    do out.insert(std::stoi(text));
    while (std::next_permutation(text.begin(), text.end()));
    return out;
}

int DistinctDigits(int number, int digits) {
    const std::string text = Printed(number, digits);
    return int(std::set<char>(text.begin(), text.end()).size());
}

// Parameterised by the first digit: each case checks the hundred numbers
// that begin with it, so the thousand are ten cases of the suite.
class EveryNumber : public ::testing::TestWithParam<int> {
protected:
    template <class Check>
    void forEachNumber(Check check) {
        for (int n = GetParam() * 100; n < GetParam() * 100 + 100; ++n) {
            SCOPED_TRACE(n);
            check(n);
        }
    }
};

TEST_P(EveryNumber, DigitsSumKeyAndTextReadFromThePrintedNumber) {
    forEachNumber([](int n) {
        const std::string text = Printed(n, 3);
        EXPECT_EQ(NumberText(n), text);
        const auto digits = DigitsOf(n);
        int sum = 0;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(digits[std::size_t(i)], text[std::size_t(i)] - '0');
            sum += text[std::size_t(i)] - '0';
        }
        EXPECT_EQ(DigitSum(n), sum);
        std::string sorted = text;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(BoxKey(n), std::stoi(sorted));
        EXPECT_EQ(MiniOf(n), std::stoi(text.substr(1)));
    });
}

TEST_P(EveryNumber, OrdersAndTypeMatchTheListedPermutations) {
    forEachNumber([](int n) {
        const int orders = int(Permutations(n, 3).size());
        EXPECT_EQ(NumberOrders(n), orders);
        const int distinct = DistinctDigits(n, 3);
        const NumberType expected = distinct == 3   ? NumberType::Single
                                    : distinct == 2 ? NumberType::Double
                                                    : NumberType::Triple;
        EXPECT_EQ(TypeOf(n), expected);
        EXPECT_EQ(OrdersOf(TypeOf(n)), orders);
    });
}

TEST_P(EveryNumber, BoxAndSetAreSoldUnlessAllThreeDigitsAreAlike) {
    forEachNumber([](int n) {
        const bool triple = DistinctDigits(n, 3) == 1;
        EXPECT_TRUE(SellsFor(TicketKind::Straight, n));
        EXPECT_TRUE(SellsFor(TicketKind::Mini, n));
        EXPECT_EQ(SellsFor(TicketKind::Box, n), !triple);
        EXPECT_EQ(SellsFor(TicketKind::Set, n), !triple);
    });
}

// Trying every drawn number: which of them pay a ticket bought with n, and
// with which prize.
TEST_P(EveryNumber, ThePrizesOfEveryDrawnNumber) {
    forEachNumber([](int n) {
        const std::set<int> orders = Permutations(n, 3);
        int straight = 0, box = 0, setStraight = 0, setBox = 0, mini = 0;
        for (int drawn = 0; drawn < 1000; ++drawn) {
            const bool exact = drawn == n, anyOrder = orders.count(drawn) > 0;
            const auto s = PrizeWon(TicketKind::Straight, n, drawn);
            EXPECT_EQ(s.has_value(), exact) << drawn;
            straight += s.has_value();
            const auto b = PrizeWon(TicketKind::Box, n, drawn);
            EXPECT_EQ(b.has_value(), anyOrder) << drawn;
            box += b == PrizeKind::Box;
            const auto t = PrizeWon(TicketKind::Set, n, drawn);
            EXPECT_EQ(t.has_value(), anyOrder) << drawn;
            setStraight += t == PrizeKind::SetStraight;
            setBox += t == PrizeKind::SetBox;
            mini += PrizeWon(TicketKind::Mini, n % 100, drawn) == PrizeKind::Mini;
        }
        EXPECT_EQ(straight, 1);
        EXPECT_EQ(box, int(orders.size()));
        EXPECT_EQ(setStraight, 1);
        EXPECT_EQ(setBox, int(orders.size()) - 1);
        EXPECT_EQ(mini, 10);  // the first digit free
    });
}

// The candidate a drawn number makes, and how many drawn numbers make it:
// for straight the number itself, for box and set the smallest of its
// orders, for mini its last two digits.
TEST_P(EveryNumber, TheCandidateADrawnNumberMakes) {
    forEachNumber([](int n) {
        const std::set<int> orders = Permutations(n, 3);
        EXPECT_EQ(WinningCandidate(TicketKind::Straight, n), n);
        EXPECT_EQ(WinningCandidate(TicketKind::Mini, n), n % 100);
        if (orders.size() == 1) {
            EXPECT_FALSE(WinningCandidate(TicketKind::Box, n));
            EXPECT_FALSE(WinningCandidate(TicketKind::Set, n));
        } else {
            EXPECT_EQ(WinningCandidate(TicketKind::Box, n), *orders.begin());
            EXPECT_EQ(WinningCandidate(TicketKind::Set, n), *orders.begin());
            EXPECT_EQ(WinningNumbers(TicketKind::Box, *orders.begin()), int(orders.size()));
            EXPECT_DOUBLE_EQ(WinChance(TicketKind::Box, *orders.begin()), orders.size() / 1000.0);
        }
        EXPECT_EQ(WinningNumbers(TicketKind::Straight, n), 1);
    });
}

INSTANTIATE_TEST_SUITE_P(FirstDigits, EveryNumber, ::testing::Range(0, 10));

TEST(NumberRules, CandidatesOfEachKind) {
    // 220 ways to choose three digits with repeats, less the ten triples.
    EXPECT_EQ(CandidatesOf(TicketKind::Box).size(), 210u);
    EXPECT_EQ(CandidatesOf(TicketKind::Set).size(), 210u);
    EXPECT_EQ(CandidatesOf(TicketKind::Straight).size(), 1000u);
    EXPECT_EQ(CandidatesOf(TicketKind::Mini).size(), 100u);
    for (const TicketKind kind : {TicketKind::Straight, TicketKind::Box, TicketKind::Set, TicketKind::Mini}) {
        const std::vector<int>& kept = CandidatesOf(kind);
        EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
        EXPECT_EQ(kept, CandidatesOf(kind, kNumbers3));
    }
    // Digit sums 0..1 under straight: 000, 001, 010, 100.
    EXPECT_EQ(CandidatesWithSum(TicketKind::Straight, 0, 1), (std::vector<int>{0, 1, 10, 100}));
    // Under box the triple 000 is not sold: only 001.
    EXPECT_EQ(CandidatesWithSum(TicketKind::Box, 0, 1), (std::vector<int>{1}));
}

TEST(NumberRules, TicketNumbersHaveTheKindsDigits) {
    EXPECT_EQ(ParseTicketNumber(TicketKind::Straight, "007"), 7);
    EXPECT_EQ(ParseTicketNumber(TicketKind::Mini, "07"), 7);
    for (const char* bad : {"", "7", "07", "0007", "0a7", "-07", " 07"})
        EXPECT_FALSE(ParseTicketNumber(TicketKind::Box, bad)) << bad;
    EXPECT_FALSE(ParseTicketNumber(TicketKind::Mini, "007"));
    EXPECT_EQ(TicketDigits(TicketKind::Set), 3);
    EXPECT_EQ(TicketDigits(TicketKind::Mini), 2);
}

// The words and captions the database, the CSV files, the command line and
// the JSON hold: they must read back as the same kind.
TEST(TicketKinds, StoredWordsAndCaptionsReadBack) {
    const std::array<std::pair<const char*, const char*>, kTicketKindCount> stored = {{
        {"straight", "ストレート"},
        {"box", "ボックス"},
        {"set", "セット"},
        {"mini", "ミニ"},
    }};
    for (int i = 0; i < kTicketKindCount; ++i) {
        const TicketKind kind = TicketKind(i);
        EXPECT_EQ(TicketKindWord(kind), stored[std::size_t(i)].first);
        EXPECT_EQ(TicketKindCaption(kind), stored[std::size_t(i)].second);
        EXPECT_EQ(ParseTicketKind(stored[std::size_t(i)].first), kind);
        EXPECT_EQ(ParseTicketKind(stored[std::size_t(i)].second), kind);
    }
    for (const char* bad : {"", "Straight", "ストレ", "boxes", "ミニ "}) EXPECT_FALSE(ParseTicketKind(bad)) << bad;
}

}  // namespace
}  // namespace n3
