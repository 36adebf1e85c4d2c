#pragma once
// The random control of the backtest: for each target draw and each method,
// a set of numbers 000-999 of the same size as the method bought, drawn
// uniformly and seeded by the draw number and the method, so that every
// run draws the same sets.
//
// The set is drawn in two steps: first whether it holds the draw's winning
// number (with probability size / 1000), then the rest uniformly from the
// other 999 numbers. Every set of that size is equally likely, and the
// backtest needs only the first step.
#include <cstdint>
#include <vector>

#include "core/number_rules.h"

namespace n3 {

// A small seeded generator (splitmix64): the same numbers on every platform.
class ControlRandom {
public:
    explicit ControlRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // Uniform in [0, bound), bound > 0.
    int Below(int bound);

private:
    std::uint64_t state_;
};

std::uint64_t ControlSeed(int drawNo, int method);

// Whether a set of `size` items drawn uniformly from `universe` equally
// likely items with `seed` holds one given item: the first step alone.
bool ControlHoldsOne(std::uint64_t seed, int size, int universe);

// Whether the control set of `size` numbers for (drawNo, method) holds `winning`.
bool ControlHolds(int drawNo, int method, int size, int winning);

// The whole control set, ascending: the same first step as ControlHolds,
// then the rest. Empty for size <= 0; every number for size >= 1000.
std::vector<int> ControlSet(int drawNo, int method, int size, int winning);

}  // namespace n3
