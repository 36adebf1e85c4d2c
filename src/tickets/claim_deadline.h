#pragma once
// When the prize of a winning ticket must be collected: the last day of the
// claim window the result file names (支払期間), or, where none was
// published, one year after the draw date, marked as a guide （目安）.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/draw_result.h"
#include "tickets/ticket_check.h"

namespace n3 {

// Winnings whose deadline is this many days away or fewer are named at
// start-up and in the book's status line.
inline constexpr int kClaimWarningDays = 30;

struct ClaimDeadline {
    std::string date;        // YYYY-MM-DD
    bool estimated = false;  // one year after the draw, not published
};

// The deadline of a draw's prizes, or nullopt when neither a deadline nor a
// draw date is known.
std::optional<ClaimDeadline> ClaimDeadlineOf(const DrawResult* result);

// "2027-08-19", or "2027-08-19（目安）" for an estimated one.
std::string DeadlineText(const ClaimDeadline& deadline);

// The same calendar day a year later (29 February: the 28th).
std::string YearAfter(std::string_view date);

// Days from `from` to `to` (both YYYY-MM-DD): 0 on the day itself, negative
// when `to` lies before `from`.
int DaysBetween(std::string_view from, std::string_view to);

// What a winning draw of a purchase is, claim-wise, on `today`.
enum class ClaimState {
    NotWinning,  // not drawn, or lost: nothing to collect
    Received,    // marked 受け取り済み
    Open,        // to be collected before the deadline
    Due,         // the deadline is kClaimWarningDays away or fewer
    Expired,     // the deadline has passed: 期限切れ
    Unknown,     // won, but no date tells the deadline
};
ClaimState ClaimStateOf(const Purchase& p, const DrawOutcome& o, const std::optional<ClaimDeadline>& deadline,
                        std::string_view today);

// The book's column: "2027-08-19", "2027-08-19（目安）", "受け取り済み",
// "期限切れ（2025-08-19）", or "" when there is nothing to collect.
std::string ClaimText(ClaimState state, const std::optional<ClaimDeadline>& deadline);

// Sets `expired` on every outcome whose state on `today` is Expired, so that
// the book's sums leave those prizes out (tickets/ticket_summary.h).
void MarkExpired(const std::vector<Purchase>& book, std::vector<DrawOutcome>& outcomes, const ResultHistory& results,
                 std::string_view today);

// A winning, uncollected draw whose deadline is near or has passed.
struct ClaimWarning {
    std::int64_t purchaseId = 0;
    int drawNo = 0;
    std::string prize;  // "ストレート", "セット（ボックス）"
    std::optional<std::int64_t> yen;
    ClaimDeadline deadline;
    int daysLeft = 0;  // from today to the deadline; negative once expired
};

// The outcomes of the book (CheckBook's) in state `state` (Due or Expired)
// on `today`.
std::vector<ClaimWarning> ClaimWarnings(const std::vector<Purchase>& book, const std::vector<DrawOutcome>& outcomes,
                                        const ResultHistory& results, std::string_view today,
                                        ClaimState state = ClaimState::Due);

// "当せん金の支払期限が近い券があります: 第7050回 ストレート 88,500円 期限 2027-08-19（あと12日）"
// (several separated by "、"); empty for none.
std::string ClaimWarningText(const std::vector<ClaimWarning>& warnings);
// "受け取っていない当せん金が期限切れになりました: 第6892回 ストレート 82,900円 期限 2026-08-19。
// 受け取った券は「受け取り済み」にしてください。"; empty for none.
std::string ExpiredClaimText(const std::vector<ClaimWarning>& expired);
// The question before 受け取り済み: "第6892回 ストレート 128 当せん 82,900円を受け取り済みにしますか？",
// or, taking the mark back, "…の受け取り済みを取り消しますか？".
std::string ReceivedQuestion(const Purchase& p, const DrawOutcome& o, bool received);

}  // namespace n3
