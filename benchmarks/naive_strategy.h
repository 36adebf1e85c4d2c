#pragma once
// What the strategy benchmarks hold the walk against: the generated history
// of 32,767 draws, and the naive walk that recounts the draws before each
// draw with NaivePick.
#include <vector>

#include "core/number_rules.h"
#include "lab/strategy_picker.h"
#include "test_history.h"

namespace n3::bench {

inline const DrawHistory& GeneratedHistory() {
    static const DrawHistory h = testing::generatedHistory(kMaxDrawNo);
    return h;
}

inline long long NaiveHits(const DrawHistory& h, const Strategy& s) {
    std::vector<int> earlier;
    long long hits = 0;
    for (const Draw& d : h) {
        if (!d.complete()) continue;
        const int w = NumberOf(d);
        for (const int c : NaivePick(s, earlier)) hits += c == w;
        earlier.push_back(w);
    }
    return hits;
}

}  // namespace n3::bench
