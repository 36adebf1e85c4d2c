#pragma once
// How the digit views write their figures: p-values, fixed decimals, and
// the level below which a test's (adjusted) p says "not chance".
#include <string>

namespace n3 {

// Below this p (after the Bonferroni adjustment) a deviation is called
// more than chance; the same level as the lab's tests.
inline constexpr double kChanceLevel = 0.01;

// Four decimals, or two significant figures when tiny.
std::string PValueText(double p);
// `value` with `decimals` digits after the point.
std::string FixedText(double value, int decimals);

}  // namespace n3
