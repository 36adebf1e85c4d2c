#pragma once
// The checks that keep a strategy within what can be bought, and the
// strategy in words. What a kind buys and wins (the candidates, the
// candidate a winning number makes, its chance) are the number rules of
// core/number_rules.h.
#include <optional>
#include <string>
#include <vector>

#include "core/number_rules.h"
#include "core/strategy.h"

namespace n3 {

inline constexpr int kStrategyMaxNumbers = 100;  // at most this many numbers a draw
inline constexpr int kStrategyMaxUnits = 99;
inline constexpr int kStrategyMaxWindow = 32767;

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
// "123,456" into numbers; nullopt when a part is not a whole number 0..999.
std::optional<std::vector<int>> ParseNumberList(std::string_view text);
// The numbers as the player wrote them: "123,456" (ミニ "05,17").
std::string NumberListText(const Strategy& s);

}  // namespace n3
