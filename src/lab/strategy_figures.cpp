#include "lab/strategy_figures.h"

#include <algorithm>
#include <cmath>

#include "lab/backtest_figures.h"

namespace n3 {

namespace {

StrategyFigures FiguresOf(const Strategy& s, const StrategyTally& t, int tested) {
    StrategyFigures f;
    f.strategy = s;
    f.tally = t;
    if (t.kindChanceHits() > 0) f.ratio = t.hits / t.kindChanceHits();
    if (t.hitVariance > 0) {
        f.z = (t.hits - t.kindChanceHits()) / std::sqrt(t.hitVariance);
        f.p = TwoSidedP(*f.z);
        f.pCorrected = std::min(1.0, tested * *f.p);
    }
    if (t.draws > 0) {
        f.hitRate = double(t.hits) / t.draws;
        std::tie(f.wilsonLow, f.wilsonHigh) = WilsonInterval(t.hits, t.draws);
    }
    if (t.moneyDraws > 0) {
        f.spentYen = t.spentYen;
        f.wonYen = t.wonYen;
        f.returnRate = double(t.wonYen) / double(t.spentYen);
    }
    f.verdict = VerdictOf(f.pCorrected, f.z);
    return f;
}

}  // namespace

StrategyTestFigures FiguresOf(const StrategyRun& run) {
    StrategyTestFigures f;
    f.targets = run.targets;
    if (!run.trace.targets.empty()) {
        f.from = run.range.from != 0 ? run.range.from : run.trace.targets.front();
        f.to = run.range.to != 0 ? run.range.to : run.trace.targets.back();
    }
    f.moneyTargets = run.moneyTargets;
    const int tested = int(run.strategies.size());
    for (std::size_t i = 0; i < run.strategies.size(); ++i) {
        f.strategies.push_back(FiguresOf(run.strategies[i], run.tallies[i], tested));
        f.moneyKnown = f.moneyKnown || run.tallies[i].moneyDraws > 0;
    }
    return f;
}

}  // namespace n3
