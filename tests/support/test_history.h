#pragma once
// Small histories written in a line: history({{1, 5,5,5}, {2, 0,1,-1}}),
// where -1 leaves a digit empty.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <random>

#include "core/draw.h"

namespace n3::testing {

inline DrawHistory history(std::initializer_list<std::array<int, 4>> rows) {
    DrawHistory h;
    for (const auto& r : rows) {
        Draw d;
        d.drawNo = r[0];
        for (int i = 0; i < 3; ++i)
            if (r[std::size_t(i) + 1] >= 0) d.digits[std::size_t(i)] = r[std::size_t(i) + 1];
        h.push_back(d);
    }
    return h;
}

// Draws 1..n with pseudo-random digits; every `gapEvery`-th draw (if > 0)
// has its second digit left empty.
inline DrawHistory generatedHistory(int n, unsigned seed = 7, int gapEvery = 0, const Game& game = kNumbers3) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> digit(0, 9);
    DrawHistory h;
    h.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i) {
        Draw d;
        d.drawNo = i;
        for (int place = 0; place < game.digits; ++place) d.digits[std::size_t(place)] = digit(rng);
        if (gapEvery > 0 && i % gapEvery == 0) d.digits[1].reset();
        h.push_back(d);
    }
    return h;
}

}  // namespace n3::testing
