#pragma once
// The charts of what chance gives beside what was drawn: digit counts with
// their binomial band, the sum histogram with its exact distribution, and
// gap histograms with the geometric distribution. Series over categories
// put every point's x at its category index.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart_data.h"
#include "core/game.h"

namespace n3 {

// The ten digit counts as bars, the expected count (trials / 10) as a line
// and the band of a Binomial(trials, 1/10) count that all ten digits stay
// inside 95% of the time shaded.
ChartData DigitCountChart(const std::string& title, const std::array<int, 10>& counts, int trials);

// Draws per digit sum 0..27 as bars, and draws × (triples with that sum ÷ 1000).
ChartData SumHistogramChart(const std::string& title, const std::vector<int>& sums, const Game& game = kNumbers3);

// Gaps 1..counts.size() as bars (the last bar holds that gap and longer),
// against total × the geometric probability of a gap with success chance p.
ChartData GapHistogramChart(const std::string& title, const std::vector<int>& counts, double p);

// The lowest and highest count inside the central 95% of Binomial(trials, p).
std::array<double, 2> BinomialBand95(int trials, double p);
// The same for the central 1 - alpha.
std::array<double, 2> BinomialBand(int trials, double p, double alpha);

// The band every one of the ten digits stays inside, all at once, 95% of
// the time by chance: each digit at 0.05 / 10 (Bonferroni), so a bar
// outside it says what the tests' verdict says.
inline constexpr double kTenDigitsAlpha = 0.05 / 10;
inline constexpr std::string_view kTenDigitsBandName = "偶然の範囲（10個の数字まとめて95%）";

// "2,218": a whole number with thousands separators.
std::string GroupedNumber(long long value);

}  // namespace n3
