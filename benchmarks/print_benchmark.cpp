// Printing 分割10データ分析 over the real history to a PDF file, offscreen:
// pages per second, and the time for the whole history (target: < 5 s).
// The history is read from N3_REAL_HISTORY, else the shared data folder;
// without either, 7,053 generated draws stand in.
#ifdef N3_WITH_GUI
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "core/startup_statistics.h"
#include "io/history_csv.h"
#include "platform/qt/print/print_document_builders.h"
#include "platform/qt/print/print_job.h"
#include "qt_app.h"
#include "test_history.h"
#include "windows/window_table.h"

namespace {

n3::DrawHistory RealHistory(std::string& source) {
    const char* env = std::getenv("N3_REAL_HISTORY");
    source = env ? env : "/work/shared/data/numbers3-history.csv";
    n3::CsvParseResult read = n3::ReadHistoryCsvFile(source);
    if (read.ok() && !read.draws.empty()) return std::move(read.draws);
    source = "generated";
    return n3::testing::generatedHistory(7053);
}

void PrintBunkatsu10ToPdf(benchmark::State& state) {
    n3::bench::App();
    std::string source;
    const n3::DrawHistory history = RealHistory(source);
    const n3::StartupStatistics stats = n3::LoadStartupStatistics(history);
    const n3::AnalysisWindowInfo* info = n3::FindAnalysisWindow("分割10データ分析");
    n3::WindowContent content;
    content.grid() = n3::BuildAnalysisGrid(*info, history, stats);
    const n3::PrintDocument doc = n3::MakeAnalysisDocument(*info, content, history);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bunkatsu10.pdf"));
    int pages = 0;
    for (auto _ : state) {
        if (n3::PrintToPdf(doc, pdf, false, {}, &pages) != n3::PrintOutcome::Printed)
            state.SkipWithError("print failed");
    }
    state.SetLabel(source + ", " + std::to_string(history.size()) + " draws");
    state.counters["pages"] = pages;
    state.counters["pages/s"] =
        benchmark::Counter(double(pages) * double(state.iterations()), benchmark::Counter::kIsRate);
}

const int kRegistered = [] {
    benchmark::RegisterBenchmark("PrintToPdf/分割10データ分析", PrintBunkatsu10ToPdf)
        ->Unit(benchmark::kSecond)
        ->Iterations(3)
        ->UseRealTime();
    return 0;
}();

}  // namespace
#endif
