#pragma once
// One purchase of the ticket book: a number bought with one bet type for
// one or more consecutive draws, and the rules of what may be bought.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/game.h"
#include "tickets/yen_sum.h"

namespace n3 {

inline constexpr int kMaxCoveredDraws = 20;  // 継続回数 1..20
inline constexpr int kMaxUnits = 99;         // 口数 1..99
// The book holds at most this many purchases (a purchase a day for over
// fifty years), so that checking it takes a bounded amount of memory.
inline constexpr int kMaxPurchases = 20'000;
inline constexpr std::size_t kMaxMemoBytes = 600;  // 200 Japanese characters

struct Purchase {
    std::int64_t id = 0;  // the store's row id; 0 before it is stored
    std::string 購入日;   // YYYY-MM-DD
    int 最初の回数 = 0;
    int 継続回数 = 1;
    std::string 番号;  // the game's digits, ミニ's for ミニ; leading zeros kept
    TicketKind 種類 = TicketKind::Straight;
    int 口数 = 1;
    std::string メモ;
    bool 受け取り済み = false;      // the player has collected what it won
    const Game* game = &kNumbers3;  // the game it was bought for

    int lastDraw() const { return 最初の回数 + 継続回数 - 1; }
    // The game's unit price per unit per draw, セット included.
    std::int64_t cost() const { return MultiplyYen(MultiplyYen(game->unitPriceYen, 口数), 継続回数); }
    bool operator==(const Purchase& other) const {
        return id == other.id && 購入日 == other.購入日 && 最初の回数 == other.最初の回数 &&
               継続回数 == other.継続回数 && 番号 == other.番号 && 種類 == other.種類 && 口数 == other.口数 &&
               メモ == other.メモ && 受け取り済み == other.受け取り済み && game->id == other.game->id;
    }
};

// True for a real calendar date written YYYY-MM-DD.
bool IsValidDate(std::string_view text);
// The reason (Japanese) a purchase cannot be stored; empty when it can.
std::string PurchaseError(const Purchase& p);
// What a memo written from now on must also keep to: no control characters
// (a terminal's escapes) and at most kMaxMemoBytes. Memos stored before
// these rules are read and shown (cleaned) as they are.
std::string NewMemoError(std::string_view memo);

}  // namespace n3
