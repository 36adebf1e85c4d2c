#include "stats/distributions.h"

#include <algorithm>
#include <array>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <cmath>

namespace n3 {

double ChiSquare(const double* observed, const double* expected, int cells) {
    double chi2 = 0;
    for (int i = 0; i < cells; ++i) {
        if (expected[i] <= 0) continue;
        const double d = observed[i] - expected[i];
        chi2 += d * d / expected[i];
    }
    return chi2;
}

double ChiSquareP(double chi2, int df) {
    const boost::math::chi_squared_distribution<double> dist(df);
    return boost::math::cdf(boost::math::complement(dist, std::max(0.0, chi2)));
}

double TwoSidedP(double z) {
    const boost::math::normal_distribution<double> dist;
    return std::min(1.0, 2.0 * boost::math::cdf(boost::math::complement(dist, std::fabs(z))));
}

double BinomialTwoSidedP(int count, int trials, double chance) {
    if (trials <= 0 || count < 0 || count > trials || !(chance > 0) || !(chance < 1)) return 1.0;
    const boost::math::binomial_distribution<double> dist(trials, chance);
    const double atMost = boost::math::cdf(dist, count);
    const double atLeast = count == 0 ? 1.0 : boost::math::cdf(boost::math::complement(dist, count - 1));
    return std::min(1.0, 2.0 * std::min(atMost, atLeast));
}

int NumbersWithDigitSum(int s, const Game& game) {
    // Ways to reach each sum, one digit at a time: kept per digit count.
    static const auto ways = [] {
        std::array<std::vector<int>, kMaxGameDigits + 1> all;
        all[0] = {1};
        for (int n = 1; n <= kMaxGameDigits; ++n) {
            all[std::size_t(n)].assign(std::size_t(9 * n + 1), 0);
            for (std::size_t t = 0; t < all[std::size_t(n - 1)].size(); ++t)
                for (std::size_t d = 0; d < 10; ++d) all[std::size_t(n)][t + d] += all[std::size_t(n - 1)][t];
        }
        return all;
    }();
    const std::vector<int>& w = ways[std::size_t(game.digits)];
    return s < 0 || s >= int(w.size()) ? 0 : w[std::size_t(s)];
}

std::vector<SumBin> PoolSums(int draws) {
    std::vector<SumBin> bins;
    SumBin current;
    bool open = false;
    for (int s = 0; s <= 27; ++s) {
        if (!open) current = SumBin{s, s, 0};
        open = true;
        current.last = s;
        current.expected += draws * NumbersWithDigitSum(s) / double(kNumbers3.numberCount());
        if (current.expected >= 5) {
            bins.push_back(current);
            open = false;
        }
    }
    if (open) {
        if (bins.empty()) {
            bins.push_back(current);
        } else {
            bins.back().last = current.last;
            bins.back().expected += current.expected;
        }
    }
    // A single bin under 5 cannot carry the test either; callers see fewer than two bins.
    if (bins.size() == 1 && bins[0].expected < 5) bins.clear();
    return bins;
}

std::pair<double, double> WilsonInterval(int hits, int n) {
    static const double z = boost::math::quantile(boost::math::normal_distribution<double>(), 0.975);
    const double phat = double(hits) / n;
    const double z2n = z * z / n;
    const double centre = (phat + z2n / 2) / (1 + z2n);
    const double half = z * std::sqrt(phat * (1 - phat) / n + z2n / (4.0 * n)) / (1 + z2n);
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

}  // namespace n3
