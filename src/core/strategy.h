#pragma once
// A player's way of choosing numbers, as data: the rule that picks the
// numbers for a draw from the draws before it, the ticket kind and the
// units bought per number. The lab walks the history with it
// (lab/strategy_walk.h); the database keeps the named ones.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace n3 {

enum class StrategyRule { Fixed, Last, Hot, Cold, Overdue, Sum, Prediction };
inline constexpr int kStrategyRuleCount = 7;
// The rule's word on the command line and in the database.
inline constexpr std::array<std::string_view, kStrategyRuleCount> kStrategyRuleWords = {
    "fixed", "last", "hot", "cold", "overdue", "sum", "prediction",
};
// The rule as the window names it.
inline constexpr std::array<std::string_view, kStrategyRuleCount> kStrategyRuleCaptions = {
    "決まった番号", "前回の番号", "よく出る番号", "出ない番号", "ご無沙汰の番号", "数字の合計", "周期法の予想",
};

struct Strategy {
    std::int64_t id = 0;  // the database row; 0 for one not stored
    std::string name;
    StrategyRule rule = StrategyRule::Fixed;
    int n = 100;               // hot, cold: the last n complete draws
    int k = 1;                 // hot, cold, overdue: how many numbers
    std::vector<int> numbers;  // fixed: 0..999 (ミニ: 0..99)
    int sumLow = 0;            // sum: the digit sums a..b
    int sumHigh = 0;
    TicketKind kind = TicketKind::Straight;
    int units = 1;  // 口 per number

    bool operator==(const Strategy&) const = default;
};

}  // namespace n3
