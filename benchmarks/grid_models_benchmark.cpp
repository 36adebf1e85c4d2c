// How long each window takes to build its grid from the history.
#include <benchmark/benchmark.h>

#include <map>

#include "test_history.h"
#include "windows/window_table.h"

namespace {

const n3::DrawHistory& History(int n) {
    static std::map<int, n3::DrawHistory> cache;
    auto& h = cache[n];
    if (h.empty()) h = n3::testing::generatedHistory(n);
    return h;
}

void BuildWindow(benchmark::State& state, const n3::AnalysisWindowInfo* info) {
    const auto& history = History(int(state.range(0)));
    const auto stats = n3::LoadStartupStatistics(history);
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto grid = n3::BuildAnalysisGrid(*info, history, stats);
        bytes = grid.memoryBytes();
        benchmark::DoNotOptimize(grid);
    }
    state.counters["MB"] = double(bytes) / (1024.0 * 1024.0);
}

const int kRegistered = [] {
    for (const auto& info : n3::AnalysisWindowTable()) {
        if (!info.build) continue;
        benchmark::RegisterBenchmark(("BuildGrid/" + std::string(info.className)).c_str(), BuildWindow, &info)
            ->Arg(7000)
            ->Arg(32767)
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

void StartupStatistics(benchmark::State& state) {
    const auto& history = History(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(n3::LoadStartupStatistics(history));
}
BENCHMARK(StartupStatistics)->Arg(7000)->Arg(32767)->Unit(benchmark::kMicrosecond);

}  // namespace
