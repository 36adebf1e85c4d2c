#pragma once
// A numbers game as data: how many digits its numbers have, which kinds of
// ticket it sells and for which numbers, and what a unit costs. The rules of
// a number (core/number_rules.h) read everything they need from here, so a
// second game is a second description, not a second copy of the rules.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace n3 {

// The kinds of ticket, in the order the book, the strategies and their
// grids list them.
enum class TicketKind { Straight, Box, Set, Mini };
inline constexpr int kTicketKindCount = 4;
// The kind's word on the command line and in the strategies' JSON.
inline constexpr std::array<std::string_view, kTicketKindCount> kTicketKindWords = {
    "straight",
    "box",
    "set",
    "mini",
};
// The kind as windows show it and the database stores it.
inline constexpr std::array<std::string_view, kTicketKindCount> kTicketKindCaptions = {
    "ストレート",
    "ボックス",
    "セット",
    "ミニ",
};

std::string_view TicketKindWord(TicketKind kind);
std::string_view TicketKindCaption(TicketKind kind);
// By its caption (ストレート...) or its word (straight...).
std::optional<TicketKind> ParseTicketKind(std::string_view text);

inline constexpr int kMaxGameDigits = 4;

struct Game {
    std::string_view name;
    int digits = 3;  // 1..kMaxGameDigits
    // The kinds sold, in TicketKind order.
    std::array<bool, kTicketKindCount> sells{};
    // How many orders of its digits a number must have for box and set to be
    // sold for it: a number of one order (all digits alike) has no box to win.
    std::span<const int> boxOrders;
    // ミニ: the number's last miniDigits digits, in order.
    int miniDigits = 0;
    std::int64_t unitPriceYen = 200;
    // The number a player calls the game by: 3 or 4 (the command line's
    // --game, the settings file, the ticket book's ゲーム column).
    int id = 3;
    // The straight prize of the game's payout rule, before the pool is
    // shared: the box prize of a kind is this divided by its orders.
    std::int64_t theoreticalStraightYen = 90000;
    // What a window's caption adds for the game: nothing for the first game,
    // so that a player of ナンバーズ3 alone sees the captions as ever.
    std::string_view captionSuffix;

    // 10^digits: the numbers run 0..numberCount()-1.
    constexpr int numberCount() const {
        int count = 1;
        for (int i = 0; i < digits; ++i) count *= 10;
        return count;
    }
    constexpr bool offers(TicketKind kind) const { return sells[std::size_t(kind)]; }
};

inline constexpr std::array<int, 2> kNumbers3BoxOrders = {6, 3};

// ナンバーズ3: three digits; straight, box and set (box kinds of 6 and 3
// orders; set = half straight, half box), ミニ on the last two digits; 200
// yen a unit.
inline constexpr Game kNumbers3{
    .name = "ナンバーズ3",
    .digits = 3,
    .sells = {true, true, true, true},
    .boxOrders = kNumbers3BoxOrders,
    .miniDigits = 2,
    .unitPriceYen = 200,
    .id = 3,
    .theoreticalStraightYen = 90000,
    .captionSuffix = "",
};

inline constexpr std::array<int, 4> kNumbers4BoxOrders = {24, 12, 6, 4};

// ナンバーズ4: four digits; straight, box and set (box kinds of 24, 12, 6
// and 4 orders: a number of four alike has no box), no ミニ; 200 yen a unit;
// drawn on the same evenings under the same draw numbers as ナンバーズ3.
inline constexpr Game kNumbers4{
    .name = "ナンバーズ4",
    .digits = 4,
    .sells = {true, true, true, false},
    .boxOrders = kNumbers4BoxOrders,
    .miniDigits = 0,
    .unitPriceYen = 200,
    .id = 4,
    .theoreticalStraightYen = 900000,
    .captionSuffix = "（ナンバーズ4）",
};

// Every game the program serves, in menu order.
inline constexpr std::array<const Game*, 2> kGames = {&kNumbers3, &kNumbers4};
// The game a player calls by `id` (3 or 4); none for any other.
const Game* GameById(int id);

}  // namespace n3
