#include "stats/sample_stats.h"

#include <algorithm>
#include <cmath>

namespace n3 {

std::optional<double> MedianOf(std::vector<double>& values) {
    const std::size_t n = values.size();
    if (n == 0) return std::nullopt;
    const std::size_t half = n / 2;
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(half), values.end());
    const double upper = values[half];
    if (n % 2 == 1) return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + std::ptrdiff_t(half));
    return (lower + upper) / 2;
}

std::optional<double> MeanOf(const std::vector<double>& values) {
    if (values.empty()) return std::nullopt;
    double sum = 0;
    for (double v : values) sum += v;
    return sum / double(values.size());
}

std::optional<double> SampleSdOf(const std::vector<double>& values) {
    if (values.size() < 2) return std::nullopt;
    const double mean = *MeanOf(values);
    double squares = 0;
    for (double v : values) squares += (v - mean) * (v - mean);
    return std::sqrt(squares / double(values.size() - 1));
}

std::pair<double, double> NormalInterval95(double mean, double sd, int n) {
    const double half = 1.96 * sd / std::sqrt(double(n));
    return {mean - half, mean + half};
}

std::optional<double> PearsonCorrelation(const std::vector<double>& x, const std::vector<double>& y) {
    const std::size_t n = std::min(x.size(), y.size());
    if (n < 2) return std::nullopt;
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < n; ++i) {
        mx += x[i];
        my += y[i];
    }
    mx /= double(n);
    my /= double(n);
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    if (sxx <= 0 || syy <= 0) return std::nullopt;
    return sxy / std::sqrt(sxx * syy);
}

}  // namespace n3
