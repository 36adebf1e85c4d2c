#pragma once
// 乱数性の検定: ten tests of whether the draws in a range look like what a
// fair machine gives. Each test gives its statistic, degrees of freedom,
// p-value and a verdict; the p-values are Bonferroni-corrected for the ten.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/window_content.h"

namespace n3 {

inline constexpr int kRandomnessTestCount = 10;

struct RandomnessTest {
    std::string name;
    int n = 0;                // draws (or, for 引っ張り, pairs) the test used
    double statistic = 0;     // χ², or z for 引っ張り
    std::optional<int> df;    // none for the z-test
    std::optional<double> p;  // none under "データ不足"
    std::optional<double> pCorrected;
    std::string verdict;  // kVerdictChance, kVerdictBias or "データ不足"
};

// The counts every test reads, gathered in one walk over the range.
struct DrawTallies {
    int draws = 0;                                    // complete draws in the range
    std::array<int, 10> pooled{};                     // digit counts, all positions
    std::array<std::array<int, 10>, 3> byPosition{};  // digit counts per position
    std::array<int, 3> kinds{};                       // シングル, ダブル, トリプル
    std::array<int, 28> sums{};                       // draws per digit sum
    std::array<std::array<int, 100>, 3> pairs{};      // position pairs 1-2, 2-3, 1-3: 10*a+b
    int pullPairs = 0;                                // (n-1, n) pairs, both in range
    int pullHits = 0;                                 // pairs sharing a digit
    double pullExpected = 0;                          // Σ P(share) over the pairs
    double pullVariance = 0;                          // Σ P(1-P)
    int firstDrawNo = 0;                              // first and last draw counted
    int lastDrawNo = 0;
};

// Counts the complete draws of `history` inside `range`.
DrawTallies TallyDraws(const DrawHistory& history, DrawRange range);

// The ten tests, in their fixed order.
std::vector<RandomnessTest> RunRandomnessTests(const DrawTallies& tallies);

// The verdict for a corrected p-value.
std::string VerdictFor(double pCorrected);

}  // namespace n3
