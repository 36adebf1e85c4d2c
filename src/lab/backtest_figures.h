#pragma once
// The figures of the backtest as the window, the JSON and the chart show
// them: each method's counts beside chance, with the z-score, its two-sided
// p-value (Bonferroni-corrected for the seven methods), the hit rate with
// its 95% Wilson interval and the money over the draws with a known prize.
#include <optional>
#include <string_view>

#include "lab/backtest.h"
#include "stats/distributions.h"
#include "stats/verdict.h"

namespace n3 {

inline constexpr double kTheoreticalReturn = 0.45;  // about what the lottery pays back

struct MethodFigures {
    std::string_view method;
    MethodTally tally;
    std::optional<double> ratio;       // hits / expected
    std::optional<double> z;           // (hits - expected) / sqrt(sum p (1 - p))
    std::optional<double> p;           // two-sided
    std::optional<double> pCorrected;  // min(1, 7 p)
    std::optional<double> hitRate;     // hits / bets
    std::optional<double> wilsonLow;
    std::optional<double> wilsonHigh;
    std::optional<double> digitShare;        // digit hits / winning digits of the bets
    std::optional<double> digitChanceShare;  // expected digit hits / winning digits of the bets
    std::optional<long long> spentYen;       // tickets x 200 over the bets with a known prize
    std::optional<long long> wonYen;
    std::optional<double> returnRate;  // won / spent
    std::string_view verdict;
};

struct BacktestFigures {
    int optionCount = 0;
    int targets = 0;
    std::optional<int> from;  // the range of targets in draw numbers
    std::optional<int> to;
    bool moneyKnown = false;  // some target has a known straight prize
    int moneyTargets = 0;     // the targets the money figures count
    std::array<MethodFigures, kBacktestMethodCount> methods;
};

BacktestFigures FiguresOf(const BacktestRun& run);

}  // namespace n3
