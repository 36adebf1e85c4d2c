#pragma once
// The numbers a rule picks for the next draw, kept up to date draw by draw:
// the counts over the last N complete draws in a ring, each count's
// candidates as a bit set, and the candidates in the order they last came
// as a linked list, so that the k first are read off without recounting
// or re-sorting. Taking a draw costs a few array writes, whatever N.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/strategy.h"

namespace n3 {

class StrategyPicker {
public:
    explicit StrategyPicker(const Strategy& strategy);

    // The candidates to buy for the next draw, ascending; valid until the
    // next call. `cycleNumbers` are the straight numbers of the cycle
    // methods, read by the rule prediction.
    const std::vector<int>& Pick(const std::vector<int>& cycleNumbers = {});
    // Takes a complete draw's number 0..999 after it has been bought for.
    void Take(int winning);
    bool usesPrediction() const { return strategy_.rule == StrategyRule::Prediction; }

private:
    static constexpr int kSlots = 1000;  // candidates are 0..999
    using Members = std::array<std::uint64_t, (kSlots + 63) / 64>;
    void Count(int candidate, int delta);
    void PickRanked();
    void PickOverdue();

    Strategy strategy_;
    std::vector<int> fixed_;   // fixed and sum: the same every draw
    std::vector<int> picked_;  // what Pick returned last
    int taken_ = 0;            // complete draws taken
    std::optional<int> last_;
    // hot, cold: the count of each candidate over the ring, and for each
    // count the candidates that have it.
    std::vector<int> counts_;
    std::vector<int> ring_;  // the last n draws' candidates, -1 for none, from ringStart_
    std::size_t ringStart_ = 0;
    std::vector<Members> withCount_;
    std::vector<int> sizeOfCount_;
    int highestCount_ = 0;
    // overdue: the candidates from the longest absent to the latest, never
    // seen first in ascending order; kSlots is the list's head and tail.
    std::vector<int> next_, previous_;
};

// The same picks by counting again over the draws before each target: the
// plain way, kept for the tests and the benchmark.
std::vector<int> NaivePick(const Strategy& strategy, const std::vector<int>& earlierWinning);

}  // namespace n3
