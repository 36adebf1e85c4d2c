// 数字検索 and 次回の抽せん on 32,767 draws, each beside the 出現頻度分析
// window's build on the same history: every benchmark reports its own
// milliseconds and, as "ratio", its time over the frequency window's.
// The target is under 20 ms per window.
#include <benchmark/benchmark.h>

#include <chrono>

#include "../tests/logic/test_history.h"
#include "windows/window_table.h"
#include "io/history_csv.h"

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

double Milliseconds(const n3::AnalysisWindowInfo& window, const n3::WindowInput& input) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(n3::BuildWindowContent(window, input));
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
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
    state.counters["ms"] = own / double(state.iterations());
    state.counters["出現頻度分析ms"] = reference / double(state.iterations());
    state.counters["ratio"] = reference > 0 ? own / reference : 0;
}

BENCHMARK_CAPTURE(WindowBesideFrequency, 数字検索_919, "数字検索", 919)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WindowBesideFrequency, 数字検索_番号なし, "数字検索", std::nullopt)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WindowBesideFrequency, 次回の抽せん, "次回の抽せん", std::nullopt)->Unit(benchmark::kMillisecond);

}  // namespace
