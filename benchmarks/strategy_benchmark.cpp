// The strategy test of 買い方の検証: `hot` with N = 1,000 and k = 10 over
// 32,767 draws, walked incrementally (counts kept up to date draw by draw),
// beside the naive way that recounts the last N draws before every draw.
#include <benchmark/benchmark.h>

#include <ctime>

#include "lab/strategy_picker.h"
#include "lab/strategy_walk.h"
#include "naive_strategy.h"

namespace {

n3::Strategy Hot() {
    n3::Strategy s;
    s.rule = n3::StrategyRule::Hot;
    s.n = 1000;
    s.k = 10;
    return s;
}

void StrategyHot(benchmark::State& state) {
    const auto& h = n3::bench::GeneratedHistory();
    const std::vector<n3::Strategy> strategies{Hot()};
    for (auto _ : state) benchmark::DoNotOptimize(n3::RunStrategies(h, {}, strategies));
    state.counters["draws"] = double(h.size());
}
BENCHMARK(StrategyHot)->Unit(benchmark::kMillisecond);

// Both ways timed once in processor time, with their ratio.
void StrategyHotVersusNaive(benchmark::State& state) {
    const auto cpuMs = [] { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; };
    const auto& h = n3::bench::GeneratedHistory();
    const n3::Strategy s = Hot();
    double walkMs = 0, naiveMs = 0;
    long long walkHits = 0, naiveHits = 0;
    for (auto _ : state) {
        const double t0 = cpuMs();
        for (int i = 0; i < 10; ++i) walkHits = n3::RunStrategies(h, {}, {s}).tallies[0].hits;
        const double t1 = cpuMs();
        naiveHits = n3::bench::NaiveHits(h, s);
        const double t2 = cpuMs();
        walkMs = (t1 - t0) / 10;
        naiveMs = t2 - t1;
    }
    if (walkHits != naiveHits) state.SkipWithError("the walk and the recount count different hits");
    state.counters["walk_ms"] = walkMs;
    state.counters["naive_ms"] = naiveMs;
    state.counters["ratio"] = naiveMs / walkMs;
    state.counters["hits"] = double(walkHits);
}
BENCHMARK(StrategyHotVersusNaive)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
