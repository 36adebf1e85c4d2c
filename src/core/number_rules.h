#pragma once
// The rules of a number of a numbers game, read from the game's description
// (core/game.h): its digits, digit sum and box key, how many orders its
// digits come in, which ticket kinds may be bought for it, the candidate a
// ticket of each kind stands for, and what a drawn number wins. Every
// function takes the game; without one it is ナンバーズ3.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"
#include "core/game.h"

namespace n3 {

inline constexpr int kAllNumberCount = kNumbers3.numberCount();

// A number as its type, by how its digits repeat: シングル (all different),
// ダブル (one pair), ダブルダブル (two pairs), トリプル (three alike) and
// ゾロ目 (four alike). A three-digit number with all digits alike is トリプル.
enum class NumberType { Single, Double, DoubleDouble, Triple, Quadruple };
NumberType TypeOf(int number, const Game& game = kNumbers3);
std::string_view TypeName(NumberType type);
// The types a number of the game can have, from most orders to fewest.
std::vector<NumberType> TypesOf(const Game& game = kNumbers3);
// The orders its digits can come in: 6, 3 or 1 for three digits; 24, 12,
// 6, 4 or 1 for four.
int OrdersOf(NumberType type, const Game& game = kNumbers3);

// The digits of `number`, leftmost first; the places past game.digits are 0.
std::array<int, kMaxGameDigits> DigitsOf(int number, const Game& game = kNumbers3);
int DigitSum(int number, const Game& game = kNumbers3);
// The number with its digits sorted ascending: equal for all orders of the same digits.
int BoxKey(int number, const Game& game = kNumbers3);
// How many different numbers its digits make: 6, 3 or 1 for three digits,
// 24, 12, 6, 4 or 1 for four.
int NumberOrders(int number, const Game& game = kNumbers3);
// The last game.miniDigits digits, as ミニ reads them.
int MiniOf(int number, const Game& game = kNumbers3);
// The number of a complete draw of the game.
int NumberOf(const Draw& draw, const Game& game = kNumbers3);
// A draw's digits as typed so far: the game's digits, '?' for one not
// there or outside 0..9.
std::string DigitsText(const DrawDigits& digits, const Game& game = kNumbers3);
// "007" for 7: the game's digits, leading zeros kept.
std::string NumberText(int number, const Game& game = kNumbers3);

// How many digits the number of a ticket of the kind has (ミニ: miniDigits).
int TicketDigits(TicketKind kind, const Game& game = kNumbers3);
// The number of a ticket written with exactly TicketDigits digits; none for
// any other text.
std::optional<int> ParseTicketNumber(TicketKind kind, std::string_view text, const Game& game = kNumbers3);
// Whether the game sells the kind for the number: box and set only for a
// number whose orders are one of the game's box kinds (never all digits
// alike). `number` is a full number of the game, also for ミニ.
bool SellsFor(TicketKind kind, int number, const Game& game = kNumbers3);

// What a ticket of the kind bought with `bought` (TicketDigits digits) wins
// when `drawn` is drawn: ストレート the exact number; ボックス the same digits
// in any order; セット its straight prize on the exact number, its box prize
// on another order; ミニ the last digits in order.
std::optional<PrizeKind> PrizeWon(TicketKind kind, int bought, int drawn, const Game& game = kNumbers3);

// Candidates: what a strategy buys under a kind — every number (straight),
// the box keys of the numbers box is sold for (box and set), every ミニ
// number (mini). All of them, ascending:
std::vector<int> CandidatesOf(TicketKind kind, const Game& game);
// ... and kept once for ナンバーズ3.
const std::vector<int>& CandidatesOf(TicketKind kind);
// The candidate that wins with the drawn number `winning`: the number, its
// box key (none when box is not sold for it), or its ミニ number.
std::optional<int> WinningCandidate(TicketKind kind, int winning, const Game& game = kNumbers3);
// What a number written by the player stands for under the kind: the same
// conversion as WinningCandidate, none outside the game's numbers.
std::optional<int> CandidateOfNumber(TicketKind kind, int number, const Game& game = kNumbers3);
// How many of the game's numbers make the candidate win: 1 (straight), its
// orders (box and set), 10^(digits - miniDigits) (mini).
int WinningNumbers(TicketKind kind, int candidate, const Game& game = kNumbers3);
// WinningNumbers as a share of the game's numbers: the chance the candidate
// wins one draw.
double WinChance(TicketKind kind, int candidate, const Game& game = kNumbers3);
// The candidates whose digit sum lies in [low, high].
std::vector<int> CandidatesWithSum(TicketKind kind, int low, int high, const Game& game = kNumbers3);

}  // namespace n3
