// Every rule of 買い方の検証 over 32,767 draws: the walk (RunStrategies, as
// the window runs it) beside the naive recount before every draw, in
// processor time, each the best of several runs, with the figure measured
// before the rule key was kept per strategy and the ranking kept in arrays
// ("today_ms", this machine, median of three), the figure before the
// prediction rule read the cycle digits alone and the walk reserved its
// trace ("round_start_ms") and the goal. The naive recount is the floor
// each rule must beat: "ratio" is naive over walk, at least 1 when it does.
#include <benchmark/benchmark.h>

#include <ctime>

#include "lab/strategy_picker.h"
#include "lab/strategy_walk.h"
#include "naive_strategy.h"

namespace {

n3::Strategy Rule(n3::StrategyRule rule) {
    n3::Strategy s;
    s.rule = rule;
    s.n = 1000;
    s.k = 10;
    s.sumLow = 13;
    s.sumHigh = 13;
    if (rule == n3::StrategyRule::Fixed)
        for (int i = 0; i < 100; ++i) s.numbers.push_back(i * 7 % 1000);
    return s;
}

double CpuMs() { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; }

void StrategyRuleVersusNaive(benchmark::State& state, n3::StrategyRule rule, double todayMs, double roundStartMs,
                             double goalMs) {
    const auto& h = n3::bench::GeneratedHistory();
    const n3::Strategy s = Rule(rule);
    const bool naiveExists = rule != n3::StrategyRule::Prediction;
    constexpr int kRepeats = 5;
    double walkMs = 0, naiveMs = 0;
    long long walkHits = 0, naiveHits = 0;
    for (auto _ : state) {
        double best = 1e300;
        for (int i = 0; i < kRepeats; ++i) {
            const double t0 = CpuMs();
            walkHits = n3::RunStrategies(h, {}, {s}).tallies[0].hits;
            best = std::min(best, CpuMs() - t0);
        }
        walkMs = best;
        if (naiveExists) {
            double naiveBest = 1e300;
            // A recount of seconds (the ranked rules) is run once.
            for (int i = 0; i < kRepeats && (i == 0 || naiveBest < 100); ++i) {
                const double t1 = CpuMs();
                naiveHits = n3::bench::NaiveHits(h, s);
                naiveBest = std::min(naiveBest, CpuMs() - t1);
            }
            naiveMs = naiveBest;
        }
    }
    if (naiveExists && walkHits != naiveHits) state.SkipWithError("the walk and the recount count different hits");
    state.counters["walk_ms"] = walkMs;
    state.counters["today_ms"] = todayMs;
    state.counters["round_start_ms"] = roundStartMs;
    state.counters["goal_ms"] = goalMs;
    if (naiveExists) {
        state.counters["naive_ms"] = naiveMs;
        state.counters["ratio"] = naiveMs / walkMs;
    }
}

using R = n3::StrategyRule;
// today_ms: the walk before the rule key was kept; round_start_ms: before the cycle digits were read alone
// (loaded machine); goal: under 10 ms, fixed with 100 numbers under 30 ms.
BENCHMARK_CAPTURE(StrategyRuleVersusNaive, fixed_100, R::Fixed, 199, 5.4, 30)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StrategyRuleVersusNaive, last, R::Last, 2.2, 0.98, 10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StrategyRuleVersusNaive, hot, R::Hot, 19.7, 3.5, 10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StrategyRuleVersusNaive, cold, R::Cold, 21.3, 2.3, 10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StrategyRuleVersusNaive, overdue, R::Overdue, 12.4, 2.5, 10)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StrategyRuleVersusNaive, sum, R::Sum, 7.6, 4.9, 10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StrategyRuleVersusNaive, prediction, R::Prediction, 18.3, 16.5, 10)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
