// Where players meet 配当分析: 次回の抽せん's return with the 推定倍率 and
// its ten highest and lowest numbers, and the 推定倍率 of a purchase.
#include <gtest/gtest.h>

#include "analysis/payout_factors.h"
#include "lab/next_draw.h"
#include "lab/next_draw_payout.h"
#include "lab/ticket_payout.h"

namespace n3 {
namespace {

// Figures by hand: straight 推定倍率 n/1000 for number n (so 999 is the
// highest and 000 the lowest), box and ミニ 2.0 everywhere.
PayoutFigures HandFigures() {
    PayoutFigures f;
    f.kinds[0].kind = PayoutKind::Straight;
    f.kinds[0].draws = 2;
    f.kinds[0].items.resize(1000);
    for (int n = 0; n < 1000; ++n) f.kinds[0].items[std::size_t(n)].shrunk = n / 1000.0;
    f.kinds[1].kind = PayoutKind::Box;
    f.kinds[1].items.resize(210);
    for (PayoutItem& item : f.kinds[1].items) item.shrunk = 2.0;
    f.kinds[2].kind = PayoutKind::Mini;
    f.kinds[2].items.resize(100);
    for (PayoutItem& item : f.kinds[2].items) item.shrunk = 2.0;
    return f;
}

std::vector<KindOdds> Odds() {
    return {{"ストレート", 0.001, 90000, 10, 90.0, std::nullopt, 0, std::nullopt},
            {"ボックス（シングル）", 0.006, 15000, 10, 90.0, std::nullopt, 0, std::nullopt},
            {"ボックス（ダブル）", 0.003, 30000, 10, 90.0, std::nullopt, 0, std::nullopt},
            {"ミニ", 0.01, 9000, 10, 90.0, std::nullopt, 0, std::nullopt}};
}

TEST(NextDrawPayout, ReturnIsThePlainAverageTimesTheFactor) {
    const NextDrawPayout p = NextDrawPayoutOf(HandFigures(), Odds(), 500);
    ASSERT_EQ(p.returns.size(), 3u);
    EXPECT_EQ(p.returns[0].kind, "ストレート");
    EXPECT_DOUBLE_EQ(*p.returns[0].plainPer200, 90.0);
    EXPECT_DOUBLE_EQ(*p.returns[0].estimatedPer200, 45.0);
    EXPECT_EQ(p.returns[1].kind, "ボックス（ダブル）");
    EXPECT_DOUBLE_EQ(*p.returns[1].estimatedPer200, 180.0);
    EXPECT_EQ(p.returns[2].kind, "ミニ");
    // A triple has no box.
    EXPECT_EQ(NextDrawPayoutOf(HandFigures(), Odds(), 777).returns.size(), 2u);
}

TEST(NextDrawPayout, TenHighestAndTenLowest) {
    const NextDrawPayout p = NextDrawPayoutOf(HandFigures(), Odds(), std::nullopt);
    EXPECT_TRUE(p.returns.empty());
    ASSERT_EQ(p.highest.size(), 10u);
    ASSERT_EQ(p.lowest.size(), 10u);
    EXPECT_EQ(p.highest.front().number, 999);
    EXPECT_EQ(p.highest.back().number, 990);
    EXPECT_EQ(p.lowest.front().number, 0);
    EXPECT_EQ(p.lowest.back().number, 9);
}

TEST(TicketPayout, EachKindReadsItsOwnFactor) {
    PayoutFigures f = HandFigures();
    f.kinds[2].items[23].shrunk = 0.5;
    const TicketFactors factors = TicketFactorsOf(f);
    Purchase p;
    p.番号 = "123";
    p.種類 = TicketKind::Straight;
    EXPECT_DOUBLE_EQ(*factors.of(p), 0.123);
    p.種類 = TicketKind::Box;
    EXPECT_DOUBLE_EQ(*factors.of(p), 2.0);
    p.番号 = "777";
    EXPECT_FALSE(factors.of(p));
    p.種類 = TicketKind::Mini;
    p.番号 = "23";
    EXPECT_DOUBLE_EQ(*factors.of(p), 0.5);
    p.番号 = "2x";
    EXPECT_FALSE(factors.of(p));
}

}  // namespace
}  // namespace n3
