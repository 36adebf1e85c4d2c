#pragma once
// How the figure windows write their figures: p-values, fixed decimals, and
// the level below which a test's (adjusted) p says "not chance".
#include <string>

namespace n3 {

// Below this p (after the Bonferroni adjustment) a deviation is called
// more than chance; the same level as the lab's tests.
inline constexpr double kChanceLevel = 0.01;

// How a p-value below 0.0001 is written.
enum class TinyP {
    Scientific,  // two significant figures: "1.2e-05" (0 stays "0.0000")
    Bound,       // "<0.0001"
};
// A p-value: four decimals, or as `tiny` says when below 0.0001.
std::string PValueText(double p, TinyP tiny = TinyP::Scientific);
// `value` with `decimals` digits after the point.
std::string FixedText(double value, int decimals);

}  // namespace n3
