#pragma once
// Plain figures of a sample: median, mean, sample standard deviation, the
// normal interval of a mean and the Pearson correlation of two samples.
#include <optional>
#include <utility>
#include <vector>

namespace n3 {

// The middle value; for an even count the mean of the two middle values.
// nullopt for an empty sample. Sorts `values` in place.
std::optional<double> MedianOf(std::vector<double>& values);

// nullopt for an empty sample.
std::optional<double> MeanOf(const std::vector<double>& values);

// Standard deviation with n − 1 in the denominator; nullopt below two values.
std::optional<double> SampleSdOf(const std::vector<double>& values);

// mean ∓ 1.96 · sd / √n: the 95% normal interval of a mean.
std::pair<double, double> NormalInterval95(double mean, double sd, int n);

// Pearson's r of paired samples; nullopt below two pairs or when either
// sample has no spread.
std::optional<double> PearsonCorrelation(const std::vector<double>& x, const std::vector<double>& y);

}  // namespace n3
