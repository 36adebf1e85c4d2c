#pragma once
// The distributions and tests of chance that the analyses and the lab both
// read: χ², the normal p-value, the Wilson interval and the digit sums of
// the thousand numbers.
#include <utility>
#include <vector>

#include "core/game.h"

namespace n3 {

// χ² of observed counts against expected counts (cells with expectation 0 are skipped).
double ChiSquare(const double* observed, const double* expected, int cells);

// Upper-tail p-value of χ² with `df` degrees of freedom.
double ChiSquareP(double chi2, int df);
// Two-sided p-value of a standard normal z.
double TwoSidedP(double z);
// Two-sided p-value of `count` in `trials` draws that each give it with
// probability `chance`: twice the smaller tail, at most 1.
double BinomialTwoSidedP(int count, int trials, double chance);

// How many of the game's numbers have digits that sum to s (0..9 x digits).
int NumbersWithDigitSum(int s, const Game& game = kNumbers3);

// Sums pooled into bins for the χ² test: each bin is [first, last] with its
// expected count for `draws` draws. Walks 0..27, closing a bin once its
// expectation reaches 5; a last bin under 5 joins the bin before.
struct SumBin {
    int first = 0;
    int last = 0;
    double expected = 0;
};
std::vector<SumBin> PoolSums(int draws);

// The 95% Wilson score interval of `hits` out of `n` (n > 0).
std::pair<double, double> WilsonInterval(int hits, int n);

}  // namespace n3
