// Filling a stored result in from the shipped one: unknown figures are
// taken, differing ones kept and reported (or replaced when asked), and an
// estimated date gives way to the published one.
#include <gtest/gtest.h>

#include "core/result_fill_in.h"

namespace n3 {
namespace {

DrawResult Result(int drawNo, std::string date, std::optional<std::int64_t> straightYen,
                  std::optional<std::int64_t> straightWinners = std::nullopt) {
    DrawResult r;
    r.drawNo = drawNo;
    r.date = std::move(date);
    r.prize(PrizeKind::Straight).yen = straightYen;
    r.prize(PrizeKind::Straight).winners = straightWinners;
    return r;
}

TEST(ResultFillIn, AddsARowTheDatabaseLacks) {
    const DrawResult shipped = Result(7, "1994-11-18", 105000);
    const FilledResult f = FillIn(nullptr, shipped, false);
    EXPECT_EQ(f.result, shipped);
    EXPECT_EQ(f.filled, 2);  // the date and the straight prize
    EXPECT_TRUE(f.differences.empty());
}

TEST(ResultFillIn, TakesOnlyWhatIsUnknownAndReportsADifferenceOnce) {
    DrawResult stored = Result(6809, "2025-09-09", 79100, 166);
    stored.prize(PrizeKind::Mini).winners = 0;  // the old list's "0 with 0 winners"
    DrawResult shipped = Result(6809, "2025-09-09", 79000, 166);
    shipped.prize(PrizeKind::Mini).yen = 7900;
    const FilledResult f = FillIn(&stored, shipped, false);
    EXPECT_EQ(f.result.prize(PrizeKind::Straight).yen, 79100);  // kept
    EXPECT_EQ(f.result.prize(PrizeKind::Mini).yen, 7900);       // filled in
    EXPECT_FALSE(f.result.prize(PrizeKind::Mini).winners.has_value());
    EXPECT_EQ(f.filled, 1);
    ASSERT_EQ(f.differences.size(), 1u);
    EXPECT_EQ(f.differences[0].drawNo, 6809);
    EXPECT_EQ(f.differences[0].field, "ストレート 当せん金額");
    EXPECT_EQ(f.differences[0].stored, "79,100円");
    EXPECT_EQ(f.differences[0].incoming, "79,000円");
    EXPECT_NE(DescribeDifferences(f.differences).find("第6809回 ストレート 当せん金額"), std::string::npos);
}

TEST(ResultFillIn, ReplaceTakesTheShippedValue) {
    const DrawResult stored = Result(10, "1994-12-09", 90000);
    const DrawResult shipped = Result(10, "1994-12-09", 93300);
    const FilledResult f = FillIn(&stored, shipped, true);
    EXPECT_EQ(f.result.prize(PrizeKind::Straight).yen, 93300);
    EXPECT_EQ(f.replaced, 1);
    EXPECT_TRUE(f.differences.empty());
}

TEST(ResultFillIn, APublishedDateReplacesAnEstimatedOneWithoutADifference) {
    DrawResult stored = Result(7054, "2026-08-21", std::nullopt);
    stored.dateEstimated = true;
    const DrawResult shipped = Result(7054, "2026-08-24", 90000);
    const FilledResult f = FillIn(&stored, shipped, false);
    EXPECT_EQ(f.result.date, "2026-08-24");
    EXPECT_FALSE(f.result.dateEstimated);
    EXPECT_TRUE(f.differences.empty());
}

TEST(ResultFillIn, AnEqualRowChangesNothing) {
    const DrawResult stored = Result(3, "1994-10-21", 50000, 12);
    const FilledResult f = FillIn(&stored, stored, false);
    EXPECT_FALSE(f.changed());
    EXPECT_TRUE(f.differences.empty());
}

}  // namespace
}  // namespace n3
