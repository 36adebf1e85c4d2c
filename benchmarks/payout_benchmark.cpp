// 配当分析: the whole window (figures, four grids, charts, headline) on the
// shipped history with its complete results (data/numbers3-results.csv),
// and on 32,767 draws that all have a date and prizes. Each reports its
// thread CPU milliseconds per build as a window builds it again on the same
// snapshot ("cpu_ms", the payout figures kept with the snapshot) and the
// first build on a new snapshot ("first_cpu_ms"), beside the figure of the
// build before the figures were kept ("before_cpu_ms", this machine) and
// the goal: under 8 ms at 32,767 draws.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "core/history_snapshot.h"
#include "core/window_content.h"
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

// The shipped history with every draw's date and prizes (the results
// file holds the digits too); empty when the file is not there.
const Loaded& RealHistory() {
    static const Loaded loaded = [] {
        Loaded l;
        const std::string path = std::string(N3_DATA_DIR) + "/numbers3-results.csv";
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

void PayoutWindow(benchmark::State& state, const Loaded& (*data)(), double beforeMs, double goalMs) {
    const Loaded& loaded = data();
    if (loaded.results.empty()) {
        state.SkipWithError("data/numbers3-results.csv is missing");
        return;
    }
    const n3::AnalysisWindowInfo* window = n3::FindAnalysisWindow("配当分析");
    n3::HistorySnapshot snapshot{loaded.history, n3::LoadStartupStatistics(loaded.history), loaded.results, {}};
    const n3::WindowInput input = n3::InputOf(snapshot);
    double start = ThreadCpuMs();
    benchmark::DoNotOptimize(n3::BuildWindowContent(*window, input));
    const double first = ThreadCpuMs() - start;
    double total = 0;
    for (auto _ : state) {
        start = ThreadCpuMs();
        benchmark::DoNotOptimize(n3::BuildWindowContent(*window, input));
        total += ThreadCpuMs() - start;
    }
    state.counters["cpu_ms"] = total / double(state.iterations());
    state.counters["first_cpu_ms"] = first;
    state.counters["before_cpu_ms"] = beforeMs;
    if (goalMs > 0) state.counters["goal_cpu_ms"] = goalMs;
    state.counters["draws"] = double(loaded.history.size());
}

BENCHMARK_CAPTURE(PayoutWindow, 実際の履歴, &RealHistory, 5.8, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PayoutWindow, 32767回, &LongHistory, 20.1, 8)->Unit(benchmark::kMillisecond);

}  // namespace
