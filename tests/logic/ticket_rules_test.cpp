// The ticket book's prize rules: each bet type against draws and published
// prizes built here, triples and doubles, partly drawn spans, unknown prizes.
#include <gtest/gtest.h>

#include "test_history.h"
#include "tickets/ticket_check.h"

using namespace n3;
using n3::testing::history;

namespace {

Purchase Ticket(std::string number, TicketKind type, int first = 1, int draws = 1, int units = 1) {
    Purchase p;
    p.購入日 = "2024-05-01";
    p.番号 = std::move(number);
    p.種類 = type;
    p.最初の回数 = first;
    p.継続回数 = draws;
    p.口数 = units;
    return p;
}

// A result whose five prizes are 1000×(kind+1) yen per unit, so that the
// prize paid tells which kind was chosen.
DrawResult Prizes(int no) {
    DrawResult r;
    r.drawNo = no;
    for (int k = 0; k < kPrizeKindCount; ++k) r.prizes[std::size_t(k)].yen = 1000 * (k + 1);
    return r;
}

Draw DrawOf(int a, int b, int c) { return history({{1, a, b, c}}).front(); }

}  // namespace

TEST(TicketRules, StraightWinsOnTheExactNumberOnly) {
    const Purchase p = Ticket("048", TicketKind::Straight);
    EXPECT_EQ(WinningPrize(p, DrawOf(0, 4, 8)), PrizeKind::Straight);
    EXPECT_EQ(WinningPrize(p, DrawOf(8, 4, 0)), std::nullopt);
    EXPECT_EQ(WinningPrize(p, DrawOf(0, 4, 9)), std::nullopt);
    EXPECT_EQ(WinningPrize(Ticket("777", TicketKind::Straight), DrawOf(7, 7, 7)), PrizeKind::Straight);
}

TEST(TicketRules, BoxWinsInAnyOrderSixWayAndThreeWay) {
    const Purchase sixWay = Ticket("123", TicketKind::Box);
    for (auto [a, b, c] : {std::array{1, 2, 3}, {1, 3, 2}, {2, 1, 3}, {2, 3, 1}, {3, 1, 2}, {3, 2, 1}})
        EXPECT_EQ(WinningPrize(sixWay, DrawOf(a, b, c)), PrizeKind::Box) << a << b << c;
    EXPECT_EQ(WinningPrize(sixWay, DrawOf(1, 2, 2)), std::nullopt);

    // A double has three orders; the same digits with the pair on the
    // other digit do not win.
    const Purchase threeWay = Ticket("112", TicketKind::Box);
    for (auto [a, b, c] : {std::array{1, 1, 2}, {1, 2, 1}, {2, 1, 1}})
        EXPECT_EQ(WinningPrize(threeWay, DrawOf(a, b, c)), PrizeKind::Box);
    EXPECT_EQ(WinningPrize(threeWay, DrawOf(1, 2, 2)), std::nullopt);

    // The box prize paid is the one published for that draw: a 3-way draw
    // publishes a higher box prize than a 6-way one, and each ticket gets
    // its own draw's figure.
    ResultHistory results = {Prizes(1), Prizes(2)};
    results[0].prize(PrizeKind::Box).yen = 34800;  // draw 1 was 121 (3-way)
    results[1].prize(PrizeKind::Box).yen = 15200;  // draw 2 was 321 (6-way)
    const auto out = CheckBook({Ticket("112", TicketKind::Box), Ticket("123", TicketKind::Box, 2)},
                               history({{1, 1, 2, 1}, {2, 3, 2, 1}}), results);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].outcome, Outcome::Won);
    EXPECT_EQ(out[0].yen, 34800);
    EXPECT_EQ(out[1].yen, 15200);
}

TEST(TicketRules, TriplesAreRefusedForBoxAndSet) {
    for (TicketKind type : {TicketKind::Box, TicketKind::Set}) {
        const std::string why = PurchaseError(Ticket("555", type));
        EXPECT_NE(why.find("ゾロ目"), std::string::npos) << why;
    }
    EXPECT_EQ(PurchaseError(Ticket("555", TicketKind::Straight)), "");
    EXPECT_EQ(PurchaseError(Ticket("55", TicketKind::Mini)), "");
    EXPECT_EQ(PurchaseError(Ticket("556", TicketKind::Box)), "");
}

TEST(TicketRules, SetPaysItsStraightPrizeOnExactAndItsBoxPrizeOtherwise) {
    const Purchase p = Ticket("123", TicketKind::Set, 1, 3, 2);
    const auto out =
        CheckBook({p}, history({{1, 1, 2, 3}, {2, 3, 1, 2}, {3, 1, 2, 4}}), {Prizes(1), Prizes(2), Prizes(3)});
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].prize, PrizeKind::SetStraight);
    EXPECT_EQ(out[0].yen, 2 * 3000);
    EXPECT_EQ(out[1].prize, PrizeKind::SetBox);
    EXPECT_EQ(out[1].yen, 2 * 4000);
    EXPECT_EQ(out[2].outcome, Outcome::Lost);
    EXPECT_EQ(out[2].yen, 0);
    // A set on a double: the exact number and its two other orders.
    const Purchase dbl = Ticket("221", TicketKind::Set);
    EXPECT_EQ(WinningPrize(dbl, DrawOf(2, 2, 1)), PrizeKind::SetStraight);
    EXPECT_EQ(WinningPrize(dbl, DrawOf(1, 2, 2)), PrizeKind::SetBox);
    EXPECT_EQ(WinningPrize(dbl, DrawOf(2, 1, 1)), std::nullopt);
}

TEST(TicketRules, MiniWinsOnTheLastTwoDigitsInOrder) {
    const Purchase p = Ticket("48", TicketKind::Mini);
    EXPECT_EQ(WinningPrize(p, DrawOf(0, 4, 8)), PrizeKind::Mini);
    EXPECT_EQ(WinningPrize(p, DrawOf(9, 4, 8)), PrizeKind::Mini);
    EXPECT_EQ(WinningPrize(p, DrawOf(0, 8, 4)), std::nullopt);
    EXPECT_EQ(WinningPrize(p, DrawOf(4, 8, 0)), std::nullopt);
    EXPECT_NE(PurchaseError(Ticket("048", TicketKind::Mini)), "");
    EXPECT_NE(PurchaseError(Ticket("48", TicketKind::Straight)), "");
}

TEST(TicketRules, SpanPartlyDrawnGivesNotDrawnAndUnknownPrizes) {
    // Draws 10..14 bought; 10 and 11 are drawn with prizes, 12 is drawn
    // without a prize list, 13 lacks a digit, 14 is not in the history.
    const Purchase p = Ticket("007", TicketKind::Straight, 10, 5, 3);
    const auto out = CheckBook({p}, history({{10, 0, 0, 7}, {11, 7, 0, 0}, {12, 0, 0, 7}, {13, 0, -1, 7}}),
                               {Prizes(10), Prizes(11)});
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0].outcome, Outcome::Won);
    EXPECT_EQ(out[0].yen, 3 * 1000);
    EXPECT_EQ(out[1].outcome, Outcome::Lost);
    EXPECT_EQ(out[2].outcome, Outcome::PrizeUnknown);
    EXPECT_EQ(OutcomeText(out[2]), "ストレート 当せん（金額不明）");
    EXPECT_EQ(out[3].outcome, Outcome::NotDrawn);
    EXPECT_EQ(out[4].outcome, Outcome::NotDrawn);
    EXPECT_EQ(OutcomeText(out[4]), "未抽せん");
    EXPECT_EQ(DrawnText(out[1]), "700");
    EXPECT_EQ(DrawnText(out[4]), "");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(out[std::size_t(i)].drawNo, 10 + i);

    // A result list that names the draw but not this prize is unknown too.
    ResultHistory partial = {Prizes(10)};
    partial[0].prize(PrizeKind::Straight).yen.reset();
    const auto unknown = CheckBook({Ticket("007", TicketKind::Straight, 10)}, history({{10, 0, 0, 7}}), partial);
    EXPECT_EQ(unknown[0].outcome, Outcome::PrizeUnknown);
}

TEST(TicketRules, PurchaseLimits) {
    Purchase p = Ticket("123", TicketKind::Straight);
    EXPECT_EQ(PurchaseError(p), "");
    for (auto [draws, units] : {std::pair{0, 1}, {21, 1}, {1, 0}, {1, 100}}) {
        p.継続回数 = draws;
        p.口数 = units;
        EXPECT_NE(PurchaseError(p), "") << draws << ' ' << units;
    }
    p = Ticket("123", TicketKind::Straight, 32760, 10);
    EXPECT_NE(PurchaseError(p), "");
    for (const char* date : {"2024-02-30", "2023-02-29", "2024/05/01", "", "2024-13-01"}) {
        p = Ticket("123", TicketKind::Straight);
        p.購入日 = date;
        EXPECT_NE(PurchaseError(p), "") << date;
    }
    p.購入日 = "2024-02-29";
    EXPECT_EQ(PurchaseError(p), "");
    EXPECT_NE(PurchaseError(Ticket("12a", TicketKind::Straight)), "");
    EXPECT_EQ(Ticket("123", TicketKind::Set, 1, 4, 3).cost(), 200 * 4 * 3);
}
