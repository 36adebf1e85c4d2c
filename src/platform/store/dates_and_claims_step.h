#pragma once
// Schema version 6: what the program knows about a draw's date and a
// prize's claim beyond the published figures.
//   当選結果.抽せん日推定   1 when the date was worked out from the draw
//                           schedule (core/draw_schedule.h), 0 when published
//   当選結果.支払期限       the last day a prize of the draw is paid, from the
//                           result file's 支払期間 line; NULL when not published
//   購入記録.受け取り済み   1 once the player has collected the purchase's winnings
// Every row already stored keeps its values: dates are published, no
// deadline is known, nothing has been collected.
namespace n3 {

inline constexpr int kDatesAndClaimsVersion = 6;

// The step's SQL, run inside the upgrade's transaction.
const char* DatesAndClaimsSql();

}  // namespace n3
