#include "lab/backtest_figures.h"

#include "lab/backtest.h"

namespace n3 {

namespace {

MethodFigures FiguresOf(std::string_view method, const MethodTally& t) {
    MethodFigures f;
    static_cast<HitTestFigures&>(f) = HitTestOf({
        .hits = t.hits,
        .expected = t.straightChanceHits(),
        .variance = t.hitVariance(),
        .trials = t.bets,
        .tested = kBacktestMethodCount,
        .controlHits = t.controlHits,
        .moneyCounted = t.moneyBets > 0,
        .spentYen = t.moneyTickets * kNumbers3.unitPriceYen,
        .wonYen = t.wonYen,
    });
    f.method = method;
    f.tally = t;
    if (t.bets > 0) {
        f.digitShare = double(t.digitHits) / (3.0 * t.bets);
        f.digitChanceShare = t.digitExpected() / (3.0 * t.bets);
    }
    return f;
}

}  // namespace

BacktestFigures FiguresOf(const BacktestRun& run) {
    BacktestFigures f;
    f.optionCount = run.optionCount;
    f.targets = run.targets;
    f.moneyTargets = run.moneyTargets;
    if (run.targets > 0) {
        f.from = run.range.from != 0 ? run.range.from : run.firstTarget;
        f.to = run.range.to != 0 ? run.range.to : run.lastTarget;
    }
    for (int m = 0; m < kBacktestMethodCount; ++m) {
        f.methods[std::size_t(m)] = FiguresOf(kBacktestMethodNames[std::size_t(m)], run.tallies[std::size_t(m)]);
        f.moneyKnown = f.moneyKnown || run.tallies[std::size_t(m)].moneyBets > 0;
    }
    return f;
}

}  // namespace n3
