#pragma once
// The backtest: for every target draw, the prediction a fresh start would
// show on the draws before it, what each method would have bought, and
// whether that hit. One walk over the history, tallied per method.
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"
#include "core/game.h"
#include "core/window_content.h"
#include "lab/backtest_methods.h"
#include "prediction/prediction_walk.h"

namespace n3 {

// The cumulative hits and expected hits of each method after each target,
// for the chart.
struct BacktestTrace {
    std::vector<int> targets;  // draw numbers
    std::array<std::vector<int>, kBacktestMethodCount> hits;
    std::array<std::vector<double>, kBacktestMethodCount> expected;
};

struct BacktestRun {
    int optionCount = 0;
    DrawRange range;
    int targets = 0;
    int moneyTargets = 0;  // targets whose straight prize is known
    int firstTarget = 0;   // draw numbers; 0 without targets
    int lastTarget = 0;
    std::array<MethodTally, kBacktestMethodCount> tallies;
    BacktestTrace trace;  // empty when the run was asked for none
    // What the methods say after the last draw walked: for a run over the
    // whole history, the prediction for the next draw.
    DigitPrediction next;
};

// Targets are the complete draws numbered 1..32767 inside `range`; each is
// predicted from every draw before it in the history, with `optionCount`
// options on. `results` gives the straight prizes for the money figures.
// Without `withTrace` the run keeps only the totals (what a summary needs).
BacktestRun RunBacktest(const DrawHistory& history, const ResultHistory& results, int optionCount, DrawRange range = {},
                        bool withTrace = true);

// The run over the whole history with the trace, kept in `memo` (when not
// null) for the next window that asks on the same snapshot.
std::shared_ptr<const BacktestRun> WholeBacktest(const DrawHistory& history, const ResultHistory& results,
                                                 int optionCount, DrawRange range, SnapshotMemo* memo);
// The totals over the whole history: the memo's run when one is kept
// (with or without trace), else a run without trace, kept for next time.
std::shared_ptr<const BacktestRun> BacktestTotals(const DrawHistory& history, const ResultHistory& results,
                                                  int optionCount, SnapshotMemo* memo);

}  // namespace n3
