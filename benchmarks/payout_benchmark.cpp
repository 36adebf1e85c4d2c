// 配当分析: the whole window (figures, four grids, charts, headline) on the
// real history with its complete results, and on 32,767 draws that all have
// a date and prizes. Each reports its thread CPU milliseconds per build
// ("cpu_ms"). The targets are under 20 ms and under 50 ms.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "io/history_csv.h"
#include "test_history.h"
#include "windows/window_table.h"

namespace {

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Loaded {
    n3::DrawHistory history;
    n3::ResultHistory results;
};

// The shipped history with every draw's date and prizes (the complete
// results file); empty when the file is not there.
const Loaded& RealHistory() {
    static const Loaded loaded = [] {
        Loaded l;
        const std::string path = std::string(N3_DATA_DIR) + "/numbers3-results-all.csv";
        if (!std::filesystem::exists(path)) return l;
        const auto parsed = n3::ReadHistoryCsvFile(path);
        if (!parsed.ok()) return l;
        l.history = parsed.draws;
        l.results = parsed.results;
        return l;
    }();
    return loaded;
}

// 32,767 draws, 250 a year, each with a date and prizes that vary about
// their kind's usual amount.
const Loaded& LongHistory() {
    static const Loaded loaded = [] {
        Loaded l;
        l.history = n3::testing::generatedHistory(n3::kMaxDrawNo, 11);
        std::mt19937 rng(5);
        std::lognormal_distribution<double> spread(0, 0.2);
        for (const n3::Draw& d : l.history) {
            n3::DrawResult r;
            r.drawNo = d.drawNo;
            char date[32];
            std::snprintf(date, sizeof date, "%04d-%02d-%02d", 1900 + d.drawNo / 250, 1 + d.drawNo % 12,
                          1 + d.drawNo % 28);
            r.date = date;
            r.prize(n3::PrizeKind::Straight).yen = std::llround(90000 * spread(rng));
            r.prize(n3::PrizeKind::Box).yen = std::llround(15000 * spread(rng));
            r.prize(n3::PrizeKind::Mini).yen = std::llround(9000 * spread(rng));
            l.results.push_back(r);
        }
        return l;
    }();
    return loaded;
}

void PayoutWindow(benchmark::State& state, const Loaded& (*data)()) {
    const Loaded& loaded = data();
    if (loaded.results.empty()) {
        state.SkipWithError("data/numbers3-results-all.csv is missing");
        return;
    }
    const n3::AnalysisWindowInfo* window = n3::FindAnalysisWindow("配当分析");
    const auto stats = n3::LoadStartupStatistics(loaded.history);
    const n3::WindowInput input{loaded.history, stats, loaded.results, {}, {}, std::nullopt};
    double total = 0;
    for (auto _ : state) {
        const double start = ThreadCpuMs();
        benchmark::DoNotOptimize(n3::BuildWindowContent(*window, input));
        total += ThreadCpuMs() - start;
    }
    state.counters["cpu_ms"] = total / double(state.iterations());
    state.counters["draws"] = double(loaded.history.size());
}

BENCHMARK_CAPTURE(PayoutWindow, 実際の履歴, &RealHistory)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PayoutWindow, 32767回, &LongHistory)->Unit(benchmark::kMillisecond);

}  // namespace
