#pragma once
// ミニ分析's figures: for each of the 100 last-two-digit values, how often it
// came, when it last came, the draws since (ブランク) and the longest run of
// draws without it (最長ブランク), with a χ² goodness-of-fit test against
// the uniform distribution.
//
// The counted draws are the complete draws of the range in draw order,
// dated or not; N is their number.
#include <array>
#include <optional>

#include "analysis/range_coverage.h"

namespace n3 {

inline constexpr int kMiniValues = 100;
inline constexpr int kMiniDf = kMiniValues - 1;

struct MiniValue {
    int count = 0;
    std::optional<int> last;  // the draw number of its last occurrence
    int since = 0;            // counted draws after it (N when it never came)
    int longestGap = 0;       // the longest run without it, the runs before the first and after the last included
};

struct MiniFigures {
    int draws = 0;  // N
    RangeCoverage coverage;
    double expected = 0;  // N / 100
    std::array<MiniValue, kMiniValues> values{};
    std::optional<double> chi2;  // null when N = 0
    std::optional<double> p;
};

MiniFigures TallyMini(const DrawHistory& history, DrawRange range);

}  // namespace n3
