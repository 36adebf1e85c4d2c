#pragma once
// The numbers a rule picks for the next draw, kept up to date draw by draw:
// the counts over the last N complete draws in a ring, and the draw each
// candidate last came, each in an ordered set so that the k first are read
// off without recounting. Taking a draw costs a few set updates, whatever N.
#include <deque>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "core/strategy.h"

namespace n3 {

class StrategyPicker {
public:
    explicit StrategyPicker(const Strategy& strategy);

    // The candidates to buy for the next draw, ascending. `cycleNumbers` are
    // the straight numbers of the cycle methods, read by the rule prediction.
    std::vector<int> Pick(const std::vector<int>& cycleNumbers = {}) const;
    // Takes a complete draw's number 0..999 after it has been bought for.
    void Take(int winning);
    bool usesPrediction() const { return strategy_.rule == StrategyRule::Prediction; }

private:
    using Key = std::pair<int, int>;  // (order value, candidate)
    void Count(int candidate, int delta);

    Strategy strategy_;
    std::vector<int> fixed_;  // fixed and sum: the same every draw
    int taken_ = 0;           // complete draws taken
    std::optional<int> last_;
    std::vector<int> counts_;    // by candidate, over the ring
    std::deque<int> ring_;       // the last n draws' candidates, -1 for none
    std::vector<int> lastSeen_;  // by candidate: index of the draw it last came, -1 never
    std::set<Key> order_;        // hot: (-count, c); cold: (count, c); overdue: (lastSeen, c)
};

// The same picks by counting again over the draws before each target: the
// plain way, kept for the tests and the benchmark.
std::vector<int> NaivePick(const Strategy& strategy, const std::vector<int>& earlierWinning);

}  // namespace n3
