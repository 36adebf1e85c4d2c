// Each grid of the window table built for ナンバーズ3 and for ナンバーズ4 on
// the same number of draws (32,767, every draw complete): in every round a
// few builds of one game, then of the other, so that both see the same load,
// and of each game the best build in processor time ("n3_ms", "n4_ms",
// each build after the first finding the memory its grid had before).
// Printed: their ratio beside its goal of 1.5, and the ナンバーズ4 grid
// against its floor (the same number of cells written once into two plain
// arrays already in memory) beside its goal of 10.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "test_history.h"
#include "windows/window_table.h"

namespace {

double CpuMs() { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; }

double FloorMs(int columns, int rows) {
    const std::size_t cells = std::size_t(columns) * std::size_t(rows);
    std::vector<std::uint32_t> text(cells), style(cells);
    constexpr int kRepeats = 20;
    const double start = CpuMs();
    for (int i = 0; i < kRepeats; ++i) {
        std::size_t at = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c, ++at) {
                text[at] = std::uint32_t(r * 3 + c);
                style[at] = std::uint32_t(c & 7);
            }
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(style.data());
        benchmark::ClobberMemory();
    }
    return (CpuMs() - start) / kRepeats;
}

struct GameHistory {
    n3::DrawHistory history;
    n3::StartupStatistics stats;
};

const GameHistory& HistoryOf(const n3::Game& game) {
    static GameHistory three, four;
    GameHistory& h = game.digits == n3::kNumbers3.digits ? three : four;
    if (h.history.empty()) {
        h.history = n3::testing::generatedHistory(n3::kMaxDrawNo, 7, 0, game);
        h.stats = n3::LoadStartupStatistics(h.history, game);
    }
    return h;
}

void BuildBothGames(benchmark::State& state, const n3::AnalysisWindowInfo* info) {
    const GameHistory& three = HistoryOf(n3::kNumbers3);
    const GameHistory& four = HistoryOf(n3::kNumbers4);
    double threeMs = 1e300, fourMs = 1e300;
    // The best of a few builds in a row of the game's grid; the grid's size.
    const auto best = [info](const GameHistory& h, const n3::Game& game, double& ms) {
        std::pair<int, int> size;
        for (int i = 0; i < 3; ++i) {
            const double start = CpuMs();
            auto grid = n3::BuildAnalysisGrid(*info, h.history, h.stats, game);
            ms = std::min(ms, CpuMs() - start);
            size = {grid.columns(), grid.rows()};
            benchmark::DoNotOptimize(grid);
        }
        return size;
    };
    std::pair<int, int> size;
    for (auto _ : state) {
        best(three, n3::kNumbers3, threeMs);
        size = best(four, n3::kNumbers4, fourMs);
    }
    state.counters["n3_ms"] = threeMs;
    state.counters["n4_ms"] = fourMs;
    state.counters["n4_to_n3"] = threeMs > 0 ? fourMs / threeMs : 0;
    state.counters["goal_n4_to_n3"] = 1.5;
    const double floor = FloorMs(size.first, size.second);
    state.counters["n4_floor_ms"] = floor;
    state.counters["n4_floor_ratio"] = floor > 0 ? fourMs / floor : 0;
    state.counters["goal_floor_ratio"] = 10;
}

const int kRegistered = [] {
    for (const auto& info : n3::AnalysisWindowTable()) {
        if (!info.build) continue;
        benchmark::RegisterBenchmark(("GameTwins/" + std::string(info.className)).c_str(), BuildBothGames, &info)
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

}  // namespace
