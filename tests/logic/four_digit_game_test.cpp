// The number rules read everything from the game's description: a
// four-digit game, described here only, gets box kinds of 24, 12, 6 and 4
// orders and no ミニ without any other change. The counts are the
// combinatorics of four digits, worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "core/number_rules.h"
#include "four_digit_game.h"

namespace n3 {
namespace {

using testing::kFourDigits;

int ListedPermutations(int number) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04d", number);
    std::string text = buffer;
    std::sort(text.begin(), text.end());
    int count = 0;
    do ++count;
    while (std::next_permutation(text.begin(), text.end()));
    return count;
}

TEST(FourDigitGame, OrdersOfEveryNumberMatchTheListedPermutations) {
    EXPECT_EQ(kFourDigits.numberCount(), 10000);
    std::map<int, int> numbersWithOrders;
    for (int n = 0; n < kFourDigits.numberCount(); ++n) {
        const int orders = NumberOrders(n, kFourDigits);
        ASSERT_EQ(orders, ListedPermutations(n)) << n;
        ++numbersWithOrders[orders];
    }
    // All different: 10·9·8·7 = 5040; one pair: 10·C(9,2)·12 = 4320; two
    // pairs: C(10,2)·6 = 270; three alike: 10·9·4 = 360; four alike: 10.
    EXPECT_EQ(numbersWithOrders, (std::map<int, int>{{24, 5040}, {12, 4320}, {6, 270}, {4, 360}, {1, 10}}));
}

TEST(FourDigitGame, BoxKindsOf24_12_6_And4OrdersAndNoMini) {
    EXPECT_EQ(NumberOrders(1234, kFourDigits), 24);
    EXPECT_EQ(NumberOrders(1123, kFourDigits), 12);
    EXPECT_EQ(NumberOrders(1122, kFourDigits), 6);
    EXPECT_EQ(NumberOrders(1112, kFourDigits), 4);
    for (const int n : {1234, 1123, 1122, 1112}) {
        EXPECT_TRUE(SellsFor(TicketKind::Box, n, kFourDigits)) << n;
        EXPECT_TRUE(SellsFor(TicketKind::Set, n, kFourDigits)) << n;
    }
    EXPECT_FALSE(SellsFor(TicketKind::Box, 1111, kFourDigits));
    EXPECT_FALSE(SellsFor(TicketKind::Set, 1111, kFourDigits));
    EXPECT_TRUE(SellsFor(TicketKind::Straight, 1111, kFourDigits));

    EXPECT_FALSE(kFourDigits.offers(TicketKind::Mini));
    for (const int n : {0, 1234, 9999}) EXPECT_FALSE(SellsFor(TicketKind::Mini, n, kFourDigits)) << n;
    EXPECT_TRUE(CandidatesOf(TicketKind::Mini, kFourDigits).empty());
    EXPECT_FALSE(WinningCandidate(TicketKind::Mini, 1234, kFourDigits));
}

TEST(FourDigitGame, CandidatesPrizesAndTexts) {
    // C(13,4) = 715 ways to choose four digits with repeats, less ten quadruples.
    const std::vector<int> boxes = CandidatesOf(TicketKind::Box, kFourDigits);
    EXPECT_EQ(boxes.size(), 705u);
    EXPECT_EQ(CandidatesOf(TicketKind::Straight, kFourDigits).size(), 10000u);
    int covered = 0;
    for (const int c : boxes) covered += WinningNumbers(TicketKind::Box, c, kFourDigits);
    EXPECT_EQ(covered, 10000 - 10);

    EXPECT_EQ(WinningCandidate(TicketKind::Box, 4321, kFourDigits), 1234);
    EXPECT_EQ(BoxKey(9021, kFourDigits), 129);
    EXPECT_EQ(DigitSum(9999, kFourDigits), 36);
    EXPECT_EQ(NumberText(7, kFourDigits), "0007");
    EXPECT_EQ(TicketDigits(TicketKind::Straight, kFourDigits), 4);
    EXPECT_EQ(ParseTicketNumber(TicketKind::Box, "0123", kFourDigits), 123);
    EXPECT_FALSE(ParseTicketNumber(TicketKind::Box, "123", kFourDigits));
    EXPECT_EQ(PrizeWon(TicketKind::Box, 1234, 4321, kFourDigits), PrizeKind::Box);
    EXPECT_EQ(PrizeWon(TicketKind::Set, 1234, 1234, kFourDigits), PrizeKind::SetStraight);
    EXPECT_EQ(PrizeWon(TicketKind::Set, 1234, 2134, kFourDigits), PrizeKind::SetBox);
    EXPECT_FALSE(PrizeWon(TicketKind::Straight, 1234, 1243, kFourDigits));
    EXPECT_DOUBLE_EQ(WinChance(TicketKind::Box, 1123, kFourDigits), 12 / 10000.0);
}

}  // namespace
}  // namespace n3
