// How long each window takes to build its grid from the history.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string_view>

#include "test_history.h"
#include "windows/window_table.h"

namespace {

const n3::DrawHistory& History(int n) {
    static std::map<int, n3::DrawHistory> cache;
    auto& h = cache[n];
    if (h.empty()) h = n3::testing::generatedHistory(n);
    return h;
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
            r.回数 = drawNo++;
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
        bytes = content.grid.memoryBytes();
        for (const auto& tab : content.moreGrids) bytes += tab.grid.memoryBytes();
        benchmark::DoNotOptimize(content);
    }
    state.counters["MB"] = double(bytes) / (1024.0 * 1024.0);
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
    // The digit views (counts by date, ミニ, pairs): their whole content.
    for (std::string_view name : {"曜日月別分析", "ミニ分析", "ペア分析"})
        if (const auto* info = n3::FindAnalysisWindow(name))
            benchmark::RegisterBenchmark(("BuildContent/" + std::string(name)).c_str(), BuildContent, info)
                ->Arg(7000)
                ->Arg(32767)
                ->Unit(benchmark::kMillisecond);
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
