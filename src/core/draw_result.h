#pragma once
// What a result list publishes for one draw beyond its three digits: the
// draw date and, for every kind of prize, the number of winning units and
// the prize per unit in yen. Every value may be unknown.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/draw.h"

namespace n3 {

// The five prizes of a Numbers 3 draw, in the order result lists print them.
enum class PrizeKind { Straight, Box, SetStraight, SetBox, Mini };
inline constexpr int kPrizeKindCount = 5;
inline constexpr std::array<std::string_view, kPrizeKindCount> kPrizeKindNames = {
    "ストレート", "ボックス", "セット（ストレート）", "セット（ボックス）", "ミニ",
};

// The largest figures stored. Real prizes per unit stay far below a
// million yen; the bounds keep every sum of the ticket book (prize × 口数 ×
// draws × purchases) well inside 64 bits.
inline constexpr std::int64_t kMaxPrizeYen = 99'999'999;
inline constexpr std::int64_t kMaxWinners = 999'999'999;

struct Prize {
    std::optional<std::int64_t> winners;  // 口数
    std::optional<std::int64_t> yen;      // 当せん金額 per unit
    bool operator==(const Prize&) const = default;
};

struct DrawResult {
    int drawNo = 0;
    std::string date;            // YYYY-MM-DD, empty when unknown
    bool dateEstimated = false;  // the date follows the draw calendar, not a published list
    std::array<Prize, kPrizeKindCount> prizes;
    // The last day a prize of this draw is paid, as the result file's
    // 支払期間 line gives it; empty when not published (ClaimDeadlineOf
    // then estimates it).
    std::string claimDeadline;

    const Prize& prize(PrizeKind kind) const { return prizes[std::size_t(kind)]; }
    // Nothing known: no date, no figure.
    bool empty() const;
    Prize& prize(PrizeKind kind) { return prizes[std::size_t(kind)]; }
    bool operator==(const DrawResult&) const = default;
};

// Ascending by 回数, at most one entry per draw.
using ResultHistory = std::vector<DrawResult>;

// Brings figures as lists print them to what they mean for draw `digits`:
// a prize of 0 yen without winners is "no prize" (unknown, NULL), and a
// number of the game with all digits alike (777) has no box or set prizes at
// all, whatever the list printed.
void SettleResult(DrawResult& result, const DrawDigits& digits, const Game& game = kNumbers3);

// The prizes the game pays, in PrizeKind order: box and set where the game
// sells them, ミニ only where it sells ミニ.
std::vector<PrizeKind> PrizeKindsOf(const Game& game);

// The entry of draw `drawNo`, or nullptr.
const DrawResult* FindResult(const ResultHistory& results, int drawNo);

}  // namespace n3
