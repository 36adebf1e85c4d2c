#pragma once
// The figures of the strategy test as the window, the JSON and the chart
// show them, read the same way as those of 予想の検証: hits beside chance,
// z and its two-sided p-value (Bonferroni over the strategies tested
// together), the hit rate with its 95% Wilson interval, the random control
// and the money on the draws with a known prize.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/hit_test_figures.h"
#include "lab/strategy_walk.h"

namespace n3 {

// A strategy's row: the hit test's figures and the strategy tested.
struct StrategyFigures : HitTestFigures {
    Strategy strategy;
    StrategyTally tally;
};

struct StrategyTestFigures {
    int targets = 0;
    std::optional<int> from;
    std::optional<int> to;
    bool moneyKnown = false;
    int moneyTargets = 0;         // the targets whose prizes are known
    bool singleStrategy = false;  // one strategy given on the command line
    std::vector<StrategyFigures> strategies;
};

StrategyTestFigures FiguresOf(const StrategyRun& run);

}  // namespace n3
