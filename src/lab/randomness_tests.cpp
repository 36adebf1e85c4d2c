#include "lab/randomness_tests.h"

#include <algorithm>
#include <cmath>

#include "stats/distributions.h"
#include "stats/verdict.h"

namespace n3 {

namespace {

constexpr std::array<std::array<int, 2>, 3> kPositionPairs{{{0, 1}, {1, 2}, {0, 2}}};
constexpr int kMinDrawsDigits = 50;
constexpr int kMinDrawsKinds = 500;
constexpr int kMinDrawsPairs = 500;
constexpr int kMinPullPairs = 30;

int DistinctDigits(const Draw& d) {
    const int a = d.digit(0), b = d.digit(1), c = d.digit(2);
    if (a == b && b == c) return 1;
    if (a == b || b == c || a == c) return 2;
    return 3;
}

bool SharesDigit(const Draw& previous, const Draw& draw) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (draw.digit(i) == previous.digit(j)) return true;
    return false;
}

// The statistic is still given where it can be computed; only the p-value is withheld.
RandomnessTest Insufficient(std::string name, int n, std::optional<int> df, double statistic = 0) {
    RandomnessTest t;
    t.name = std::move(name);
    t.n = n;
    t.df = df;
    t.statistic = statistic;
    t.verdict = "データ不足";
    return t;
}

RandomnessTest Finish(std::string name, int n, double statistic, std::optional<int> df, double p) {
    RandomnessTest t;
    t.name = std::move(name);
    t.n = n;
    t.statistic = statistic;
    t.df = df;
    t.p = p;
    t.pCorrected = std::min(1.0, kRandomnessTestCount * p);
    t.verdict = VerdictFor(*t.pCorrected);
    return t;
}

// χ² of counts against the uniform share 1/cells.
template <std::size_t N>
RandomnessTest UniformTest(std::string name, int draws, const std::array<int, N>& counts, int trials, int minDraws) {
    constexpr int df = int(N) - 1;
    std::array<double, N> observed{}, expected{};
    for (std::size_t i = 0; i < N; ++i) {
        observed[i] = counts[i];
        expected[i] = double(trials) / double(N);
    }
    const double chi2 = ChiSquare(observed.data(), expected.data(), int(N));
    if (draws < minDraws) return Insufficient(std::move(name), draws, df, chi2);
    return Finish(std::move(name), draws, chi2, df, ChiSquareP(chi2, df));
}

RandomnessTest KindsTest(const DrawTallies& t) {
    const std::string name = "組合せの型";
    const double shares[3] = {0.72, 0.27, 0.01};
    double observed[3], expected[3];
    for (int i = 0; i < 3; ++i) {
        observed[i] = t.kinds[std::size_t(i)];
        expected[i] = shares[i] * t.draws;
    }
    const double chi2 = ChiSquare(observed, expected, 3);
    if (t.draws < kMinDrawsKinds) return Insufficient(name, t.draws, 2, chi2);
    return Finish(name, t.draws, chi2, 2, ChiSquareP(chi2, 2));
}

RandomnessTest SumTest(const DrawTallies& t) {
    const std::string name = "数字の合計";
    const std::vector<SumBin> bins = PoolSums(t.draws);
    if (bins.size() < 2) return Insufficient(name, t.draws, std::nullopt);
    std::vector<double> observed, expected;
    for (const SumBin& b : bins) {
        double o = 0;
        for (int s = b.first; s <= b.last; ++s) o += t.sums[std::size_t(s)];
        observed.push_back(o);
        expected.push_back(b.expected);
    }
    const int df = int(bins.size()) - 1;
    const double chi2 = ChiSquare(observed.data(), expected.data(), int(bins.size()));
    return Finish(name, t.draws, chi2, df, ChiSquareP(chi2, df));
}

RandomnessTest PullTest(const DrawTallies& t) {
    const std::string name = "引っ張り";
    if (t.pullVariance <= 0) return Insufficient(name, t.pullPairs, std::nullopt);
    const double z = (t.pullHits - t.pullExpected) / std::sqrt(t.pullVariance);
    if (t.pullPairs < kMinPullPairs) return Insufficient(name, t.pullPairs, std::nullopt, z);
    return Finish(name, t.pullPairs, z, std::nullopt, TwoSidedP(z));
}

}  // namespace

DrawTallies TallyDraws(const DrawHistory& history, DrawRange range) {
    DrawTallies t;
    const Draw* previous = nullptr;  // the previous record, when it is complete and in range
    for (const Draw& d : history) {
        if (!d.complete() || !range.contains(d.drawNo)) {
            previous = nullptr;
            continue;
        }
        if (t.draws == 0) t.firstDrawNo = d.drawNo;
        t.lastDrawNo = d.drawNo;
        ++t.draws;
        int sum = 0;
        for (int i = 0; i < 3; ++i) {
            ++t.pooled[std::size_t(d.digit(i))];
            ++t.byPosition[std::size_t(i)][std::size_t(d.digit(i))];
            sum += d.digit(i);
        }
        ++t.sums[std::size_t(sum)];
        ++t.kinds[std::size_t(3 - DistinctDigits(d))];
        for (std::size_t p = 0; p < kPositionPairs.size(); ++p)
            ++t.pairs[p][std::size_t(10 * d.digit(kPositionPairs[p][0]) + d.digit(kPositionPairs[p][1]))];
        if (previous && previous->drawNo == d.drawNo - 1) {
            const double miss = (10.0 - DistinctDigits(*previous)) / 10.0;
            const double q = 1.0 - miss * miss * miss;
            ++t.pullPairs;
            t.pullExpected += q;
            t.pullVariance += q * (1.0 - q);
            if (SharesDigit(*previous, d)) ++t.pullHits;
        }
        previous = &d;
    }
    return t;
}

std::vector<RandomnessTest> RunRandomnessTests(const DrawTallies& t) {
    std::vector<RandomnessTest> tests;
    tests.push_back(UniformTest("数字の出現回数", t.draws, t.pooled, 3 * t.draws, kMinDrawsDigits));
    const char* positions[3] = {"第1数字の出現回数", "第2数字の出現回数", "第3数字の出現回数"};
    for (std::size_t i = 0; i < 3; ++i)
        tests.push_back(UniformTest(positions[i], t.draws, t.byPosition[i], t.draws, kMinDrawsDigits));
    tests.push_back(KindsTest(t));
    tests.push_back(SumTest(t));
    tests.push_back(PullTest(t));
    const char* pairNames[3] = {"位置の独立性（第1・第2）", "位置の独立性（第2・第3）", "位置の独立性（第1・第3）"};
    for (std::size_t i = 0; i < 3; ++i)
        tests.push_back(UniformTest(pairNames[i], t.draws, t.pairs[i], t.draws, kMinDrawsPairs));
    return tests;
}

std::string VerdictFor(double pCorrected) {
    return std::string(pCorrected >= kVerdictLevel ? kVerdictChance : kVerdictBias);
}

}  // namespace n3
