// How long each window takes to build its grid from the history, beside
// the floor (the same number of cells laid out in two plain arrays, a text
// and a style index each) and, at 32,767 draws, the figure of the model
// that kept every number as a string (this machine, processor time,
// the best of five in one run of AllGrids). Goal: every grid at 32,767 draws
// within 10x its floor ("floor_ratio"), and all seventeen together within 5x
// the sum of their floors (AllGrids, beside the total of the build before
// short texts were found by their bytes: "before_total_ms", this machine).
// Each build after the first finds the cells of the grid dropped before it
// kept for reuse, as a window rebuilding its grid does; kept_MB is what the
// process holds for that. Every grid is built for both games: the
// ナンバーズ4 runs ("/ナンバーズ4") also print the time of the ナンバーズ3 twin
// on as many draws and their ratio ("n4_to_n3", goal 1.5).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "core/cell_memory.h"
#include "test_history.h"
#include "windows/window_table.h"

namespace {

const n3::DrawHistory& History(int n, const n3::Game& game = n3::kNumbers3) {
    static std::map<std::pair<int, int>, n3::DrawHistory> cache;
    auto& h = cache[{n, game.digits}];
    if (h.empty()) h = n3::testing::generatedHistory(n, 7, 0, game);
    return h;
}

// Milliseconds per grid at 32,767 draws with the model that kept every
// number as a string and built a map for every style edit.
const std::map<std::string_view, double>& Earlier() {
    static const std::map<std::string_view, double> ms = {
        {"出現頻度分析", 2.67},
        {"回数別出現分析", 0.02},
        {"出現間隔分析", 10.1},
        {"数字間隔分析", 10.7},
        {"出現回数分析", 4.93},
        {"バラツキ分析", 13.5},
        {"引っ張り分析", 7.75},
        {"連番飛び石分析", 10.9},
        {"数字合計分析", 5.11},
        {"低数字高数字の組合せパターン分析", 14.9},
        {"偶数奇数の組合せパターン分析", 19.0},
        {"分割5傾向分析", 16.3},
        {"分割3データ分析", 22.4},
        {"分割5データ分析", 25.4},
        {"分割10データ分析", 24.7},
        {"下一桁出現傾向分析", 11.3},
        {"下一桁連続出現回数分析", 11.3},
    };
    return ms;
}

double CpuMs() { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; }

// The floor: every cell of a grid of that size written once into two
// plain arrays, row by row; either arrays already in memory or, as a
// program that hands its memory back must, fresh ones each time.
enum class Arrays { InMemory, Fresh };
double FloorMs(int columns, int rows, Arrays arrays = Arrays::InMemory) {
    const std::size_t cells = std::size_t(columns) * std::size_t(rows);
    std::vector<std::uint32_t> text(cells), style(cells);
    const double start = CpuMs();
    constexpr int kRepeats = 20;
    for (int i = 0; i < kRepeats; ++i) {
        std::vector<std::uint32_t> freshText, freshStyle;
        if (arrays == Arrays::Fresh) {
            freshText.resize(cells);
            freshStyle.resize(cells);
        }
        auto& t = arrays == Arrays::Fresh ? freshText : text;
        auto& s = arrays == Arrays::Fresh ? freshStyle : style;
        std::size_t at = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c, ++at) {
                t[at] = std::uint32_t(r * 3 + c);
                s[at] = std::uint32_t(c & 7);
            }
        benchmark::DoNotOptimize(t.data());
        benchmark::DoNotOptimize(s.data());
        benchmark::ClobberMemory();
    }
    return (CpuMs() - start) / kRepeats;
}

// A published date for every draw: Monday to Friday from 1994-10-07 on.
const n3::ResultHistory& Dates(int n) {
    static std::map<int, n3::ResultHistory> cache;
    auto& results = cache[n];
    if (!results.empty()) return results;
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int year = 1994, month = 10, day = 7, weekday = 4;  // a Friday
    for (int drawNo = 1; drawNo <= n;) {
        if (weekday < 5) {
            n3::DrawResult r;
            r.drawNo = drawNo++;
            char date[48];
            std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
            r.date = date;
            results.push_back(std::move(r));
        }
        weekday = (weekday + 1) % 7;
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        if (++day > kDays[month - 1] + (month == 2 && leap ? 1 : 0)) {
            day = 1;
            if (++month > 12) month = 1, ++year;
        }
    }
    return results;
}

// A window whose content reads the results (dates) and a range: the whole history.
void BuildContent(benchmark::State& state, const n3::AnalysisWindowInfo* info) {
    const int n = int(state.range(0));
    const auto& history = History(n);
    const auto stats = n3::LoadStartupStatistics(history);
    const n3::WindowInput input{history, stats, Dates(n), {}, {}, std::nullopt};
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto content = n3::BuildWindowContent(*info, input);
        bytes = 0;
        for (const auto& view : content.views)
            if (view.grid) bytes += view.grid->memoryBytes();
        benchmark::DoNotOptimize(content);
    }
    state.counters["MB"] = double(bytes) / (1024.0 * 1024.0);
}

// The best of five builds of the window for `game` on n draws, in milliseconds.
double BestBuildMs(const n3::AnalysisWindowInfo& info, int n, const n3::Game& game) {
    const auto& history = History(n, game);
    const auto stats = n3::LoadStartupStatistics(history, game);
    double best = 1e300;
    for (int i = 0; i < 5; ++i) {
        const double start = CpuMs();
        auto grid = n3::BuildAnalysisGrid(info, history, stats, game);
        best = std::min(best, CpuMs() - start);
        benchmark::DoNotOptimize(grid);
    }
    return best;
}

void BuildWindow(benchmark::State& state, const n3::AnalysisWindowInfo* info, const n3::Game* game) {
    const auto& history = History(int(state.range(0)), *game);
    const auto stats = n3::LoadStartupStatistics(history, *game);
    std::size_t bytes = 0;
    int columns = 0, rows = 0;
    const double start = CpuMs();
    for (auto _ : state) {
        auto grid = n3::BuildAnalysisGrid(*info, history, stats, *game);
        bytes = grid.memoryBytes();
        columns = grid.columns();
        rows = grid.rows();
        benchmark::DoNotOptimize(grid);
    }
    const double ms = (CpuMs() - start) / double(state.iterations());
    state.counters["MB"] = double(bytes) / (1024.0 * 1024.0);
    state.counters["kept_MB"] = double(n3::KeptCellBytes()) / (1024.0 * 1024.0);
    state.counters["floor_ms"] = FloorMs(columns, rows);
    state.counters["floor_ratio"] = ms / state.counters["floor_ms"];
    state.counters["floor_fresh_ms"] = FloorMs(columns, rows, Arrays::Fresh);
    if (state.range(0) == n3::kMaxDrawNo) {
        const auto it = Earlier().find(info->className);
        if (it != Earlier().end() && game == &n3::kNumbers3) state.counters["today_ms"] = it->second;
        state.counters["goal_floor_ratio"] = 10;
    }
    if (game != &n3::kNumbers3) {
        const double twin = BestBuildMs(*info, int(state.range(0)), n3::kNumbers3);
        const double own = BestBuildMs(*info, int(state.range(0)), *game);
        state.counters["n3_ms"] = twin;
        state.counters["n4_ms"] = own;
        state.counters["n4_to_n3"] = twin > 0 ? own / twin : 0;
        state.counters["goal_n4_to_n3"] = 1.5;
    }
}

const int kRegistered = [] {
    // The digit views (counts by date, ミニ, pairs): their whole content.
    for (std::string_view name : {"曜日月別分析", "ミニ分析", "ペア分析"})
        if (const auto* info = n3::FindAnalysisWindow(name))
            benchmark::RegisterBenchmark(("BuildContent/" + std::string(name)).c_str(), BuildContent, info)
                ->Arg(7000)
                ->Arg(32767)
                ->Unit(benchmark::kMillisecond);
    for (const auto& info : n3::AnalysisWindowTable()) {
        if (!info.build) continue;
        for (const n3::Game* game : n3::kGames) {
            // Only the grids of the draw windows: the others read more than draws.
            if (game != &n3::kNumbers3 && !Earlier().count(info.className)) continue;
            const std::string name = "BuildGrid/" + std::string(info.className) +
                                     (game == &n3::kNumbers3 ? "" : "/" + std::string(game->name));
            benchmark::RegisterBenchmark(name.c_str(), BuildWindow, &info, game)
                ->Arg(7000)
                ->Arg(32767)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return 0;
}();

// All seventeen grids one after the other, five times, the best of each
// summed, in processor time; for the game named by the argument (3 or 4).
void AllGrids(benchmark::State& state) {
    const n3::Game& game = *n3::GameById(int(state.range(0)));
    const auto& history = History(n3::kMaxDrawNo, game);
    const auto stats = n3::LoadStartupStatistics(history, game);
    double total = 0, floor = 0, earlier = 0, slowest = 0, worstRatio = 0;
    int grids = 0;
    for (auto _ : state) {
        total = floor = earlier = slowest = worstRatio = 0;
        grids = 0;
        for (const auto& info : n3::AnalysisWindowTable()) {
            if (!info.build || !Earlier().count(info.className)) continue;
            double best = 1e300;
            int columns = 0, rows = 0;
            for (int i = 0; i < 5; ++i) {
                const double start = CpuMs();
                auto grid = n3::BuildAnalysisGrid(info, history, stats, game);
                best = std::min(best, CpuMs() - start);
                columns = grid.columns();
                rows = grid.rows();
            }
            total += best;
            state.counters[std::string(info.className)] = best;
            slowest = std::max(slowest, best);
            const double gridFloor = FloorMs(columns, rows);
            floor += gridFloor;
            // A grid of a few cells has a floor below the clock's step.
            if (gridFloor >= 0.01) worstRatio = std::max(worstRatio, best / gridFloor);
            const auto it = Earlier().find(info.className);
            if (it != Earlier().end() && &game == &n3::kNumbers3) earlier += it->second;
            ++grids;
        }
    }
    state.counters["grids"] = grids;
    state.counters["total_ms"] = total;
    state.counters["slowest_ms"] = slowest;
    state.counters["today_total_ms"] = earlier;
    if (&game == &n3::kNumbers3) state.counters["before_total_ms"] = 36.3;
    state.counters["floor_total_ms"] = floor;
    state.counters["floor_ratio"] = total / floor;
    state.counters["goal_floor_ratio"] = 5;
    state.counters["worst_floor_ratio"] = worstRatio;
    state.counters["ratio_to_today"] = earlier > 0 ? total / earlier : 0;
}
BENCHMARK(AllGrids)->Arg(3)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond);

void StartupStatistics(benchmark::State& state) {
    const auto& history = History(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(n3::LoadStartupStatistics(history));
}
BENCHMARK(StartupStatistics)->Arg(7000)->Arg(32767)->Unit(benchmark::kMicrosecond);

}  // namespace
