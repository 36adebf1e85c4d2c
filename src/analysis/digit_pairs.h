#pragma once
// ペア分析's figures: for each pair of positions (第1・第2, 第1・第3,
// 第2・第3) how often each ordered pair of digits came, over the complete
// draws of the range, with a χ² goodness-of-fit test against the uniform
// distribution (99 degrees of freedom) and its Bonferroni adjustment over
// the three pairs.
#include <array>
#include <optional>
#include <string_view>

#include "analysis/range_coverage.h"

namespace n3 {

inline constexpr int kPairValues = 100;
inline constexpr int kPairDf = kPairValues - 1;

struct PositionPair {
    int first = 0;  // 0..2, the earlier position
    int second = 0;
    std::string_view key;      // "12"
    std::string_view caption;  // "第1・第2数字"
};
inline constexpr std::array<PositionPair, 3> kPositionPairs = {
    PositionPair{0, 1, "12", "第1・第2数字"},
    PositionPair{0, 2, "13", "第1・第3数字"},
    PositionPair{1, 2, "23", "第2・第3数字"},
};

struct PairCounts {
    std::array<int, kPairValues> counts{};  // [earlier digit × 10 + later digit]
    std::optional<double> chi2;             // null when there are no draws
    std::optional<double> p;
    std::optional<double> adjustedP;  // min(1, 3p)
};

struct PairFigures {
    int draws = 0;
    RangeCoverage coverage;
    double expected = 0;  // draws / 100
    std::array<PairCounts, 3> pairs{};
};

PairFigures TallyPairs(const DrawHistory& history, DrawRange range);

}  // namespace n3
