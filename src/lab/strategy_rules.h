#pragma once
// What a strategy's rule and kind mean for one draw: the candidates a kind
// buys (straight 000-999, box and set the digit combinations in ascending
// order without triples, mini 00-99), the candidate a winning number makes,
// the chance of each candidate, and the checks that keep a strategy within
// what can be bought.
#include <optional>
#include <string>
#include <vector>

#include "core/strategy.h"

namespace n3 {

inline constexpr int kStrategyMaxNumbers = 100;  // at most this many numbers a draw
inline constexpr int kStrategyMaxUnits = 99;
inline constexpr int kStrategyMaxWindow = 32767;

// Every candidate of the kind, ascending.
const std::vector<int>& CandidatesOf(StrategyKind kind);
// The candidate that wins with the three-digit number `winning` (0..999):
// the number, its digits sorted ascending (none for a triple under box or
// set), or its last two digits.
std::optional<int> WinningCandidate(StrategyKind kind, int winning);
// What a number written by the player stands for under the kind: the same
// conversion as WinningCandidate, a mini number taken as 00-99.
std::optional<int> CandidateOfNumber(StrategyKind kind, int number);
// The chance that a candidate wins one draw, in thousandths: 1 (straight),
// 6 or 3 (box and set, 3 for a double), 10 (mini).
int ChanceThousandths(StrategyKind kind, int candidate);
// The candidates whose digit sum lies in [low, high].
std::vector<int> CandidatesWithSum(StrategyKind kind, int low, int high);

// Why the strategy cannot be tested, in Japanese; empty when it can.
std::string StrategyError(const Strategy& s);
// The strategy in words for the grid, e.g. "よく出る番号（直近100回・10個）".
std::string DescribeRule(const Strategy& s);
// "ボックス 1口".
std::string DescribeKind(const Strategy& s);
// A short line that names the whole strategy: the rule word and its figures,
// e.g. "hot n=100 k=10", for seeds and default names.
std::string RuleKey(const Strategy& s);

std::optional<StrategyRule> ParseStrategyRule(std::string_view word);
std::optional<StrategyKind> ParseStrategyKind(std::string_view word);
// "123,456" into numbers; nullopt when a part is not a whole number 0..999.
std::optional<std::vector<int>> ParseNumberList(std::string_view text);
// The numbers as the player wrote them: "123,456" (ミニ "05,17").
std::string NumberListText(const Strategy& s);

}  // namespace n3
