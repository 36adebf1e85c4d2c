#include "lab/backtest_figures.h"

#include <algorithm>
#include <cmath>

namespace n3 {

namespace {

MethodFigures FiguresOf(std::string_view method, const MethodTally& t) {
    MethodFigures f;
    f.method = method;
    f.tally = t;
    if (t.straightChanceHits() > 0) f.ratio = t.hits / t.straightChanceHits();
    if (t.hitVariance() > 0) {
        f.z = (t.hits - t.straightChanceHits()) / std::sqrt(t.hitVariance());
        f.p = TwoSidedP(*f.z);
        f.pCorrected = std::min(1.0, kBacktestMethodCount * *f.p);
    }
    if (t.bets > 0) {
        f.hitRate = double(t.hits) / t.bets;
        std::tie(f.wilsonLow, f.wilsonHigh) = WilsonInterval(t.hits, t.bets);
        f.digitShare = double(t.digitHits) / (3.0 * t.bets);
        f.digitChanceShare = t.digitExpected() / (3.0 * t.bets);
    }
    if (t.moneyBets > 0) {
        f.spentYen = t.moneyTickets * kNumbers3.unitPriceYen;
        f.wonYen = t.wonYen;
        f.returnRate = double(t.wonYen) / double(*f.spentYen);
    }
    f.verdict = VerdictOf(f.pCorrected, f.z);
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
