#include "analysis/deviation_colour.h"

#include "stats/distributions.h"

namespace n3 {

namespace {

constexpr Colour kAbove{255, 170, 170};
constexpr Colour kBelow{170, 200, 255};

}  // namespace

Colour SignalColour(int count, int trials, double chance, const CellTest& test) {
    if (trials <= 0) return Colour{};
    if (BinomialTwoSidedP(count, trials, chance) * test.cells >= test.level) return Colour{};
    return count > trials * chance ? kAbove : kBelow;
}

}  // namespace n3
