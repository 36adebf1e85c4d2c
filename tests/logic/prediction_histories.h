#pragma once
// Histories for comparing predictions: random digits with missing draw
// numbers, half-entered draws and, now and then, a small digit alphabet so
// that the cycle methods find plenty.
#include <random>

#include "core/draw.h"

namespace n3::testing {

inline DrawHistory holeyHistory(int draws, unsigned seed, int firstNo = 1) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> percent(0, 99);
    const int alphabet = seed % 3 == 0 ? 4 : 10;
    std::uniform_int_distribution<int> digit(0, alphabet - 1);
    DrawHistory h;
    int no = firstNo;
    for (int i = 0; i < draws && no <= kMaxDrawNo; ++i, ++no) {
        if (percent(rng) < 8) ++no;  // a draw number nobody entered
        Draw d;
        d.drawNo = no;
        for (int place = 0; place < kNumbers3.digits; ++place) d.digits[std::size_t(place)] = digit(rng);
        if (percent(rng) < 7) d.digits[std::size_t(percent(rng) % 3)].reset();  // half-entered
        h.push_back(d);
    }
    return h;
}

// The draws of `h` whose number is below `drawNo`.
inline DrawHistory prefixBefore(const DrawHistory& h, int drawNo) {
    DrawHistory p;
    for (const Draw& d : h)
        if (d.drawNo < drawNo) p.push_back(d);
    return p;
}

}  // namespace n3::testing
