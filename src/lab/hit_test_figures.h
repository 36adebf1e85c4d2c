#pragma once
// The figures of a hit test, shared by 予想の検証 (a method per row) and
// 買い方の検証 (a strategy per row): how often the tickets held the winning
// number beside what chance gives, the z-score and its two-sided p-value
// corrected for the rows tested together (Bonferroni), the hit rate with its
// 95% Wilson interval, a random control, the money and the verdict.
#include <optional>
#include <string_view>

namespace n3 {

// What a test counted over its targets, in the terms every hit test shares.
struct HitCounts {
    int hits = 0;               // targets on which a ticket won
    double expected = 0;        // the hits chance gives
    double variance = 0;        // the variance of the hits under chance: sum of P (1 - P)
    int trials = 0;             // targets with a purchase: the hit rate's denominator
    int tested = 1;             // rows tested together, the Bonferroni factor
    int controlHits = 0;        // hits of the random control
    bool moneyCounted = false;  // some purchase fell on a target with a known prize
    long long spentYen = 0;     // over those purchases
    long long wonYen = 0;
};

struct HitTestFigures {
    int hits = 0;
    double expected = 0;
    int controlHits = 0;
    std::optional<double> ratio;       // hits / expected
    std::optional<double> z;           // (hits - expected) / sqrt(variance)
    std::optional<double> p;           // two-sided
    std::optional<double> pCorrected;  // min(1, tested × p)
    std::optional<double> hitRate;     // hits / trials
    std::optional<double> wilsonLow;
    std::optional<double> wilsonHigh;
    std::optional<long long> spentYen;  // none when no prize was known
    std::optional<long long> wonYen;
    std::optional<double> returnRate;  // won / spent
    std::string_view verdict;
};

HitTestFigures HitTestOf(const HitCounts& counts);

}  // namespace n3
