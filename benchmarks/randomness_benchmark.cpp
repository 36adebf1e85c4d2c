// The randomness tests and every chart series on a long history: each
// should stay well under 20 ms at 32,767 draws.
#include <benchmark/benchmark.h>

#include "analysis/analysis_charts.h"
#include "lab/last_draws.h"
#include "lab/randomness_window.h"
#include "test_history.h"

namespace {

const n3::DrawHistory& LongHistory() {
    static const n3::DrawHistory h = n3::testing::generatedHistory(32767, 7, 97);
    return h;
}

void RandomnessTestsAll(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(n3::RunRandomnessTests(n3::TallyDraws(LongHistory(), {})));
}
BENCHMARK(RandomnessTestsAll)->Unit(benchmark::kMillisecond);

void RandomnessTestsLast1000(benchmark::State& state) {
    for (auto _ : state) {
        const n3::DrawRange range = n3::LastDrawsRange(LongHistory(), 1000);
        benchmark::DoNotOptimize(n3::RunRandomnessTests(n3::TallyDraws(LongHistory(), range)));
    }
}
BENCHMARK(RandomnessTestsLast1000)->Unit(benchmark::kMillisecond);

// The whole window: tally, tests, grid, both charts and the JSON member.
void RandomnessWindowContent(benchmark::State& state) {
    const auto stats = n3::LoadStartupStatistics(LongHistory());
    const n3::ResultHistory results;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            n3::乱数性の検定::Content(n3::WindowInput{LongHistory(), stats, results, {}, {}, std::nullopt}));
}
BENCHMARK(RandomnessWindowContent)->Unit(benchmark::kMillisecond);

template <auto Charts>
void AnalysisCharts(benchmark::State& state) {
    const auto stats = n3::LoadStartupStatistics(LongHistory());
    for (auto _ : state) benchmark::DoNotOptimize(Charts(LongHistory(), stats, n3::kNumbers3));
}
BENCHMARK(AnalysisCharts<&n3::AppearanceFrequencyCharts>)->Name("Charts/出現頻度分析")->Unit(benchmark::kMillisecond);
BENCHMARK(AnalysisCharts<&n3::DigitSumCharts>)->Name("Charts/数字合計分析")->Unit(benchmark::kMillisecond);
BENCHMARK(AnalysisCharts<&n3::AppearanceIntervalCharts>)->Name("Charts/出現間隔分析")->Unit(benchmark::kMillisecond);

}  // namespace
