#pragma once
// The figures of the backtest as the window, the JSON and the chart show
// them: each method's counts beside chance, with the z-score, its two-sided
// p-value (Bonferroni-corrected for the seven methods), the hit rate with
// its 95% Wilson interval and the money over the draws with a known prize.
#include <optional>
#include <string_view>

#include "lab/backtest_methods.h"
#include "lab/hit_test_figures.h"

namespace n3 {

inline constexpr double kTheoreticalReturn = 0.45;  // about what the lottery pays back

// A method's row: the hit test's figures and what only a method has.
struct MethodFigures : HitTestFigures {
    std::string_view method;
    MethodTally tally;
    std::optional<double> digitShare;        // digit hits / winning digits of the bets
    std::optional<double> digitChanceShare;  // expected digit hits / winning digits of the bets
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

struct BacktestRun;  // lab/backtest.h

BacktestFigures FiguresOf(const BacktestRun& run);

}  // namespace n3
