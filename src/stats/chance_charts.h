#pragma once
// The charts of what chance gives beside what was drawn: digit counts with
// their binomial band, the sum histogram with its exact distribution, and
// gap histograms with the geometric distribution. Series over categories
// put every point's x at its category index.
#include <array>
#include <string>
#include <vector>

#include "core/chart_data.h"

namespace n3 {

// The ten digit counts as bars, the expected count (trials / 10) as a line
// and the 95% band of a Binomial(trials, 1/10) count shaded.
ChartData DigitCountChart(const std::string& title, const std::array<int, 10>& counts, int trials);

// Draws per digit sum 0..27 as bars, and draws × (triples with that sum ÷ 1000).
ChartData SumHistogramChart(const std::string& title, const std::array<int, 28>& sums);

// Gaps 1..counts.size() as bars (the last bar holds that gap and longer),
// against total × the geometric probability of a gap with success chance p.
ChartData GapHistogramChart(const std::string& title, const std::vector<int>& counts, double p);

// The lowest and highest count inside the central 95% of Binomial(trials, p).
std::array<double, 2> BinomialBand95(int trials, double p);

// "2,218": a whole number with thousands separators.
std::string GroupedNumber(long long value);

}  // namespace n3
