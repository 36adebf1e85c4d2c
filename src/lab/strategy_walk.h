#pragma once
// The test of the player's strategies: one walk forward over the complete
// draws of a range, each draw bought for with only the draws before it,
// tallied per strategy beside chance, a random control and the money.
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"
#include "core/strategy.h"
#include "core/window_content.h"

namespace n3 {

// What one strategy did over the targets.
struct StrategyTally {
    int draws = 0;                    // targets with a purchase
    long long tickets = 0;            // numbers bought, summed over those targets
    int hits = 0;                     // numbers that won (at most one a draw)
    long long chanceThousandths = 0;  // the hits chance gives, in thousandths
    double hitVariance = 0;           // sum over the draws of P (1 - P), P the draw's chance of a hit
    int controlHits = 0;              // hits of random tickets of the same kind and number
    // Over the purchases on draws whose prize for the kind is known:
    int moneyDraws = 0;
    long long moneyTickets = 0;
    long long spentYen = 0;
    long long wonYen = 0;

    // The hits chance gives, each ticket at its own kind's chance (box 6 or
    // 3 in 1000, mini 10): the JSON's "expectedHits" of a strategy.
    double kindChanceHits() const { return chanceThousandths / 1000.0; }
};

// Cumulative figures after each target, for the chart.
struct StrategyTrace {
    std::vector<int> targets;                     // draw numbers
    std::vector<std::vector<int>> hits;           // [strategy][target]
    std::vector<std::vector<double>> expected;    // [strategy][target]
    std::vector<std::vector<long long>> balance;  // won - spent, [strategy][target]
};

struct StrategyRun {
    DrawRange range;
    int targets = 0;
    int moneyTargets = 0;  // targets whose straight prize is known
    std::vector<Strategy> strategies;
    std::vector<StrategyTally> tallies;
    StrategyTrace trace;
};

// Tests every strategy (each must pass StrategyError) over the complete
// draws 1..32767 inside `range`. `optionCount` is the prediction's option
// count, for the rule prediction.
StrategyRun RunStrategies(const DrawHistory& history, const ResultHistory& results,
                          const std::vector<Strategy>& strategies, DrawRange range = {}, int optionCount = 0);

// The seed of a strategy's random control for one draw: from what the
// strategy buys, so a strategy draws the same control wherever it is listed.
std::uint64_t StrategyControlSeed(const Strategy& s, int drawNo);

}  // namespace n3
