#pragma once
// What each purchase of the ticket book won on each draw it covers, from
// the draw's digits and the prizes published for that draw.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"
#include "tickets/ticket.h"

namespace n3 {

enum class Outcome {
    NotDrawn,      // the draw is not in the history yet (or its digits are not all known)
    Lost,          // drawn, nothing won
    Won,           // drawn, won, and the prize per unit is known
    PrizeUnknown,  // drawn and won, but the prize per unit is not known
};

inline constexpr std::string_view kNotDrawnText = "未抽せん";
inline constexpr std::string_view kLostText = "はずれ";
inline constexpr std::string_view kPrizeUnknownText = "当せん（金額不明）";

struct DrawOutcome {
    std::size_t purchase = 0;  // index into the book
    int drawNo = 0;
    Outcome outcome = Outcome::NotDrawn;
    std::optional<PrizeKind> prize;  // what was won (Won and PrizeUnknown)
    std::int64_t yen = 0;            // prize per unit × 口数 (Won only)
    int drawn = -1;                  // the draw's number (0..999, 0..9999); -1 when not drawn
    const Game* game = &kNumbers3;   // the purchase's game, whose draw `drawn` is
    // Won, not received, and its claim deadline has passed (失効): the prize
    // is no longer money to be had (set by MarkExpired).
    bool expired = false;
};

// The prize a purchase wins on a complete draw, or nullopt. ストレート: the
// exact number; ボックス: the same digits in any order; セット: its straight
// prize on the exact number, its box prize on another order; ミニ: the last
// two digits in order.
std::optional<PrizeKind> WinningPrize(const Purchase& p, const Draw& draw);

// The draws and results of one game, for the purchases of that game.
struct GameDraws {
    const Game* game = &kNumbers3;
    const DrawHistory* history = nullptr;
    const ResultHistory* results = nullptr;
};

// Every purchase × covered draw, in book order and then by draw, each
// purchase against the draws of its game (未抽せん where its game's draws
// are not given).
std::vector<DrawOutcome> CheckBook(const std::vector<Purchase>& book, const std::vector<GameDraws>& games);
// The same with the ナンバーズ3 draws alone.
std::vector<DrawOutcome> CheckBook(const std::vector<Purchase>& book, const DrawHistory& history,
                                   const ResultHistory& results);

// Why a purchase cannot have been made on its date: a ticket is sold up to
// its first draw's day, so a 購入日 after that draw's date (when the
// results know it) is a mistake. Empty when the date is possible.
std::string PurchaseDateError(const Purchase& p, const ResultHistory& results);

// "未抽せん", "はずれ", the prize's name with "当せん", or with
// "当せん（金額不明）" when the draw has no prize list.
std::string OutcomeText(const DrawOutcome& o);
// The draw's digits as its game writes them, or "" when not drawn.
std::string DrawnText(const DrawOutcome& o);

}  // namespace n3
