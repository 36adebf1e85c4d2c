// The start-up load from a real database file: open, read every draw,
// compute the statistics.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "platform/store/draw_store.h"
#include "platform/store/startup_load.h"
#include "test_history.h"

namespace {

std::string Database(int n) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("n3bench-" + std::to_string(::getpid()) + "-" + std::to_string(n) + ".db");
    if (!std::filesystem::exists(path)) {
        n3::DrawStore::Open(path.string()).Import(n3::testing::generatedHistory(n));
    }
    return path.string();
}

void StartupLoad(benchmark::State& state) {
    const std::string path = Database(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(n3::LoadHistorySnapshot(path));
    std::filesystem::remove(path);
}
BENCHMARK(StartupLoad)->Arg(7000)->Arg(32767)->Unit(benchmark::kMillisecond);

void ImportAllDraws(benchmark::State& state) {
    std::vector<n3::Draw> draws;
    for (int i = 1; i <= state.range(0); ++i) {
        n3::Draw d;
        d.drawNo = i;
        d.digits = {i % 10, (i / 10) % 10, (i / 100) % 10};
        draws.push_back(d);
    }
    for (auto _ : state) {
        state.PauseTiming();
        const auto path = std::filesystem::temp_directory_path() / ("n3import-" + std::to_string(::getpid()) + ".db");
        std::filesystem::remove(path);
        auto store = n3::DrawStore::Open(path.string());
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.Import(draws));
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
    }
}
BENCHMARK(ImportAllDraws)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
