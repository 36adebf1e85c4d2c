#include "analysis/deviation_colour.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace n3 {

int DeviationStep(double observed, double expected) {
    if (!(expected > 0)) return 0;
    const double z = (observed - expected) / std::sqrt(expected);
    const double size = std::fabs(z);
    const int step = size > 3 ? 3 : size > 2 ? 2 : size > 1 ? 1 : 0;
    return z < 0 ? -step : step;
}

Colour DeviationColour(int step) {
    static constexpr std::array<Colour, 3> kAbove = {Colour{255, 225, 225}, Colour{255, 170, 170},
                                                     Colour{240, 100, 100}};
    static constexpr std::array<Colour, 3> kBelow = {Colour{225, 235, 255}, Colour{170, 200, 255},
                                                     Colour{110, 150, 240}};
    if (step == 0) return Colour{};
    const std::size_t at = std::size_t(std::min(3, std::abs(step)) - 1);
    return step > 0 ? kAbove[at] : kBelow[at];
}

}  // namespace n3
