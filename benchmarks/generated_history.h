#pragma once
// Draws 1..n with pseudo-random digits, the same for every run.
#include <random>

#include "shell/draw.h"

namespace n3::bench {

inline DrawHistory GeneratedHistory(int n, unsigned seed = 20261207) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> digit(0, 9);
    DrawHistory h;
    h.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i) {
        Draw d;
        d.回数 = i;
        for (auto& x : d.digits) x = digit(rng);
        h.push_back(d);
    }
    return h;
}

}  // namespace n3::bench
