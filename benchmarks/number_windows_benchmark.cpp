// 数字検索 and 次回の抽せん on 32,767 draws, each beside the 出現頻度分析
// window's build on the same history: every benchmark reports its own
// milliseconds and, as "ratio", its time over the frequency window's, both
// in the thread's CPU time so that other work on the machine does not skew
// them. The target is under 20 ms per window.
#include <benchmark/benchmark.h>

#include <time.h>

#include "io/history_csv.h"
#include "test_history.h"
#include "windows/window_table.h"

namespace {

const n3::DrawHistory& LongHistory() {
    static const n3::DrawHistory h = n3::testing::generatedHistory(n3::kMaxDrawNo, 7, 97);
    return h;
}

// The shipped results (dates and prizes of draws 6673–7053): the next-draw
// card averages their prizes.
const n3::ResultHistory& ShippedResults() {
    static const n3::ResultHistory results = [] {
        const auto parsed = n3::ReadHistoryCsvFile(std::string(N3_DATA_DIR) + "/numbers3-results.csv");
        return parsed.ok() ? parsed.results : n3::ResultHistory{};
    }();
    return results;
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double Milliseconds(const n3::AnalysisWindowInfo& window, const n3::WindowInput& input) {
    const double start = ThreadCpuMs();
    benchmark::DoNotOptimize(n3::BuildWindowContent(window, input));
    return ThreadCpuMs() - start;
}

void WindowBesideFrequency(benchmark::State& state, const char* name, std::optional<int> number) {
    const n3::AnalysisWindowInfo* window = n3::FindAnalysisWindow(name);
    const n3::AnalysisWindowInfo* frequency = n3::FindAnalysisWindow("出現頻度分析");
    const auto stats = n3::LoadStartupStatistics(LongHistory());
    const n3::WindowInput input{LongHistory(), stats, ShippedResults(), {}, {}, number};
    double own = 0, reference = 0;
    for (auto _ : state) {
        own += Milliseconds(*window, input);
        state.PauseTiming();
        reference += Milliseconds(*frequency, input);
        state.ResumeTiming();
    }
    state.counters["cpu_ms"] = own / double(state.iterations());
    state.counters["出現頻度分析_cpu_ms"] = reference / double(state.iterations());
    state.counters["ratio"] = reference > 0 ? own / reference : 0;
}

BENCHMARK_CAPTURE(WindowBesideFrequency, 数字検索_919, "数字検索", 919)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WindowBesideFrequency, 数字検索_番号なし, "数字検索", std::nullopt)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WindowBesideFrequency, 次回の抽せん, "次回の抽せん", std::nullopt)->Unit(benchmark::kMillisecond);

}  // namespace
