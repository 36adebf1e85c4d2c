// The backtest of 予想の検証: the whole lab (every method, every target) in
// one walk, beside the naive way that makes a fresh prediction for each
// target by walking all the draws before it again.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "core/startup_statistics.h"
#include "io/history_csv.h"
#include "lab/backtest.h"
#include "lab/backtest_figures.h"
#include "lab/backtest_window.h"
#include "test_history.h"

namespace {

// The real history (N3_HISTORY_CSV, else the shared data file); empty when unreadable.
const n3::DrawHistory& RealHistory() {
    static const n3::DrawHistory history = [] {
        const char* path = std::getenv("N3_HISTORY_CSV");
        auto parsed = n3::ReadHistoryCsvFile(path ? path : "/work/shared/data/numbers3-history.csv");
        n3::DrawHistory h = parsed.ok() ? parsed.draws : n3::DrawHistory{};
        std::sort(h.begin(), h.end(), [](const n3::Draw& a, const n3::Draw& b) { return a.drawNo < b.drawNo; });
        return h;
    }();
    return history;
}

const n3::DrawHistory& History(int which) {
    static const n3::DrawHistory generated = n3::testing::generatedHistory(n3::kMaxDrawNo);
    return which == 0 ? RealHistory() : generated;
}

const char* Name(int which) { return which == 0 ? "real history" : "32,767 draws"; }

// The naive way: for each target a fresh walk over the draws before it.
long long NaiveHits(const n3::DrawHistory& h) {
    long long hits = 0;
    for (const n3::Draw& d : h) {
        if (!d.complete()) continue;
        const n3::BacktestRun one = n3::RunBacktest(h, {}, 0, n3::DrawRange{d.drawNo, d.drawNo});
        for (const auto& t : one.tallies) hits += t.hits;
    }
    return hits;
}

long long LabHits(const n3::DrawHistory& h) {
    const n3::BacktestFigures f = n3::FiguresOf(n3::RunBacktest(h, {}, 0));
    long long hits = 0;
    for (const auto& m : f.methods) hits += m.tally.hits;
    return hits;
}

bool Loaded(benchmark::State& state, const n3::DrawHistory& h) {
    if (!h.empty()) return true;
    state.SkipWithError("the real history could not be read (set N3_HISTORY_CSV)");
    return false;
}

void Lab(benchmark::State& state) {
    const auto& h = History(int(state.range(0)));
    if (!Loaded(state, h)) return;
    for (auto _ : state) benchmark::DoNotOptimize(LabHits(h));
    state.SetLabel(Name(int(state.range(0))));
    state.counters["targets"] = double(n3::RunBacktest(h, {}, 0).targets);
}
BENCHMARK(Lab)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Grid, chart and JSON member: what the window and `show` build.
void WindowContent(benchmark::State& state) {
    const auto& h = History(int(state.range(0)));
    if (!Loaded(state, h)) return;
    const auto stats = n3::LoadStartupStatistics(h);
    const n3::ResultHistory results;
    for (auto _ : state)
        benchmark::DoNotOptimize(n3::予想の検証::Content(n3::WindowInput{h, stats, results, {}, {}, std::nullopt}));
    state.SetLabel(Name(int(state.range(0))));
}
BENCHMARK(WindowContent)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The lab beside the naive way, timed once each in processor time (the
// machine may be busy with other work), and their ratio.
void LabVersusNaive(benchmark::State& state) {
    const auto cpuMs = [] { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; };
    const auto& h = History(int(state.range(0)));
    if (!Loaded(state, h)) return;
    double labMs = 0, naiveMs = 0;
    long long labHits = 0, naiveHits = 0;
    for (auto _ : state) {
        const double t0 = cpuMs();
        for (int i = 0; i < 10; ++i) labHits = LabHits(h);
        const double t1 = cpuMs();
        naiveHits = NaiveHits(h);
        const double t2 = cpuMs();
        labMs = (t1 - t0) / 10;
        naiveMs = t2 - t1;
    }
    if (labHits != naiveHits) state.SkipWithError("the lab and the naive way count different hits");
    state.SetLabel(Name(int(state.range(0))));
    state.counters["lab_ms"] = labMs;
    state.counters["naive_ms"] = naiveMs;
    state.counters["ratio"] = naiveMs / labMs;
    state.counters["hits"] = double(labHits);
}
BENCHMARK(LabVersusNaive)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
