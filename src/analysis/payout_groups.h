#pragma once
// The straight factors of patterns of numbers (ゾロ目, numbers that read
// as a date, numbers holding a digit …) tested against the grand mean, and
// the split-half check of whether a number's factor lasts.
#include <string_view>
#include <vector>

#include "analysis/payout_factors.h"

namespace n3 {

// The groups in the order they are shown.
inline constexpr int kPayoutGroupCount = 17;
std::string_view PayoutGroupName(int group);
// Whether a straight draw of `number` drawn on month/day belongs to the group.
bool InPayoutGroup(int group, int number, int month, int day);

// Per group: wins, factor with its own 95% interval, z against the grand
// mean log factor, the two-sided normal p and Bonferroni over the groups
// with two wins or more. Figures stay empty below two wins.
std::vector<PayoutGroup> PayoutGroupsOf(const PayoutKindFigures& straight);

// The counted straight draws in draw order, split after the first ⌊N/2⌋:
// the correlation of the numbers' mean log factors in the two halves.
PayoutStability PayoutStabilityOf(const PayoutKindFigures& straight);

}  // namespace n3
