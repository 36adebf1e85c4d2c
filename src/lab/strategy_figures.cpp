#include "lab/strategy_figures.h"

namespace n3 {

namespace {

StrategyFigures FiguresOf(const Strategy& s, const StrategyTally& t, int tested) {
    StrategyFigures f;
    static_cast<HitTestFigures&>(f) = HitTestOf({
        .hits = t.hits,
        .expected = t.kindChanceHits(),
        .variance = t.hitVariance,
        .trials = t.draws,
        .tested = tested,
        .controlHits = t.controlHits,
        .moneyCounted = t.moneyDraws > 0,
        .spentYen = t.spentYen,
        .wonYen = t.wonYen,
    });
    f.strategy = s;
    f.tally = t;
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
