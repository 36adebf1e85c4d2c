// Claim deadlines: published or a year after the draw （目安）, and what a
// winning draw of the book says at 31, 30 and 0 days and after.
#include <gtest/gtest.h>

#include "tickets/claim_deadline.h"

namespace n3 {
namespace {

TEST(ClaimDeadline, APublishedDeadlineComesFirst) {
    DrawResult r;
    r.drawNo = 7073;
    r.date = "2026-09-17";
    r.claimDeadline = "2027-09-17";
    const auto d = ClaimDeadlineOf(&r);
    ASSERT_TRUE(d);
    EXPECT_EQ(DeadlineText(*d), "2027-09-17");
}

TEST(ClaimDeadline, OtherwiseAYearAfterTheDrawMarkedAsAGuide) {
    DrawResult r;
    r.date = "2024-02-29";
    const auto d = ClaimDeadlineOf(&r);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->date, "2025-02-28");
    EXPECT_EQ(DeadlineText(*d), "2025-02-28（目安）");
    EXPECT_EQ(YearAfter("2026-08-17"), "2027-08-17");
    EXPECT_FALSE(ClaimDeadlineOf(nullptr));
    EXPECT_FALSE(ClaimDeadlineOf(&(const DrawResult&)DrawResult{}));
}

TEST(ClaimDeadline, DaysBetweenCountsCalendarDays) {
    EXPECT_EQ(DaysBetween("2026-12-31", "2027-01-01"), 1);
    EXPECT_EQ(DaysBetween("2024-02-28", "2024-03-01"), 2);
    EXPECT_EQ(DaysBetween("2027-08-19", "2027-08-17"), -2);
}

struct DayCase {
    const char* name;
    std::string today;
    bool received;
    ClaimState state;
    std::string text;
};
void PrintTo(const DayCase& c, std::ostream* out) { *out << c.name; }

class ClaimStateTest : public ::testing::TestWithParam<DayCase> {};

// A straight ticket on draw 7050 (2026-08-17, 919 drawn): won 88,500 yen,
// deadline 2027-08-17 （目安）.
TEST_P(ClaimStateTest, FollowsTheDaysLeft) {
    const DayCase& c = GetParam();
    Purchase p;
    p.購入日 = "2026-08-17";
    p.最初の回数 = 7050;
    p.番号 = "919";
    p.受け取り済み = c.received;
    DrawOutcome won;
    won.drawNo = 7050;
    won.outcome = Outcome::Won;
    won.prize = PrizeKind::Straight;
    won.yen = 88500;
    DrawResult r;
    r.drawNo = 7050;
    r.date = "2026-08-17";
    const ResultHistory results = {r};
    const auto deadline = ClaimDeadlineOf(&r);
    const ClaimState state = ClaimStateOf(p, won, deadline, c.today);
    EXPECT_EQ(state, c.state);
    EXPECT_EQ(ClaimText(state, deadline), c.text);
    const auto warnings = ClaimWarnings({p}, {won}, results, c.today);
    if (c.state == ClaimState::Due) {
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_EQ(ClaimWarningText(warnings),
                  "当せん金の支払期限が近い券があります: 第7050回 ストレート 88,500円 期限 2027-08-17（目安）");
    } else {
        EXPECT_TRUE(warnings.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, ClaimStateTest,
    ::testing::Values(DayCase{"ThirtyOneDays", "2027-07-17", false, ClaimState::Open, "2027-08-17（目安）"},
                      DayCase{"ThirtyDays", "2027-07-18", false, ClaimState::Due, "2027-08-17（目安）"},
                      DayCase{"ZeroDays", "2027-08-17", false, ClaimState::Due, "2027-08-17（目安）"},
                      DayCase{"PastTheDeadline", "2027-08-18", false, ClaimState::Expired,
                              "期限切れ（2027-08-17（目安））"},
                      DayCase{"Received", "2027-08-01", true, ClaimState::Received, "受け取り済み"}),
    [](const ::testing::TestParamInfo<DayCase>& p) { return p.param.name; });

TEST(ClaimDeadline, ALostDrawHasNothingToCollect) {
    Purchase p;
    DrawOutcome lost;
    lost.outcome = Outcome::Lost;
    EXPECT_EQ(ClaimStateOf(p, lost, ClaimDeadline{"2027-01-01", false}, "2026-12-31"), ClaimState::NotWinning);
}

}  // namespace
}  // namespace n3
