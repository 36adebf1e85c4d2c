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
    std::string daysLeft = {};  // what the warning says of the days left
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
        EXPECT_EQ(
            ClaimWarningText(warnings),
            "当せん金の支払期限が近い券があります: 第7050回 ストレート 88,500円 期限 2027-08-17（目安）" + c.daysLeft);
    } else {
        EXPECT_TRUE(warnings.empty());
    }
    // An expired prize is named apart and marked, so that the sums leave it out.
    const auto expired = ClaimWarnings({p}, {won}, results, c.today, ClaimState::Expired);
    std::vector<DrawOutcome> outcomes = {won};
    MarkExpired({p}, outcomes, results, c.today);
    EXPECT_EQ(outcomes[0].expired, c.state == ClaimState::Expired);
    EXPECT_EQ(ExpiredClaimText(expired),
              c.state != ClaimState::Expired
                  ? ""
                  : "受け取っていない当せん金が期限切れになりました: 第7050回 ストレート 88,500円 期限 "
                    "2027-08-17（目安）。受け取った券は「受け取り済み」にしてください。");
}

INSTANTIATE_TEST_SUITE_P(
    Days, ClaimStateTest,
    ::testing::Values(DayCase{"ThirtyOneDays", "2027-07-17", false, ClaimState::Open, "2027-08-17（目安）"},
                      DayCase{"ThirtyDays", "2027-07-18", false, ClaimState::Due, "2027-08-17（目安）", "（あと30日）"},
                      DayCase{"ZeroDays", "2027-08-17", false, ClaimState::Due, "2027-08-17（目安）", "（今日まで）"},
                      DayCase{"PastTheDeadline", "2027-08-18", false, ClaimState::Expired,
                              "期限切れ（2027-08-17（目安））"},
                      DayCase{"Received", "2027-08-01", true, ClaimState::Received, "受け取り済み"}),
    [](const ::testing::TestParamInfo<DayCase>& p) { return p.param.name; });

TEST(ClaimDeadline, TheQuestionNamesTheTicketAndThePrize) {
    Purchase p;
    p.番号 = "128";
    DrawOutcome won;
    won.drawNo = 6892;
    won.outcome = Outcome::Won;
    won.prize = PrizeKind::Straight;
    won.yen = 82900;
    EXPECT_EQ(ReceivedQuestion(p, won, true), "第6892回 ストレート 128 当せん 82,900円を受け取り済みにしますか？");
    EXPECT_EQ(ReceivedQuestion(p, won, false),
              "第6892回 ストレート 128 当せん 82,900円の受け取り済みを取り消しますか？");
}

TEST(ClaimDeadline, ALostDrawHasNothingToCollect) {
    Purchase p;
    DrawOutcome lost;
    lost.outcome = Outcome::Lost;
    EXPECT_EQ(ClaimStateOf(p, lost, ClaimDeadline{"2027-01-01", false}, "2026-12-31"), ClaimState::NotWinning);
}

}  // namespace
}  // namespace n3
