// Opening a grid in the view and painting it once, offscreen; and
// painting after a jump to the last row.
#ifdef N3_WITH_GUI
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>

#include "platform/qt/grid/grid_view.h"
#include "qt_app.h"
#include "test_history.h"
#include "windows/window_table.h"

namespace {

QApplication& App() { return n3::bench::App(); }

void OpenAndPaint(benchmark::State& state, const n3::AnalysisWindowInfo* info) {
    App();
    const auto history = n3::testing::generatedHistory(int(state.range(0)));
    const auto stats = n3::LoadStartupStatistics(history);
    QPixmap canvas(900, 600);
    for (auto _ : state) {
        n3::GridView view;
        view.resize(900, 600);
        view.setGridModel(n3::BuildAnalysisGrid(*info, history, stats));
        view.render(&canvas);
    }
}

void ScrollToLastRowAndPaint(benchmark::State& state, const n3::AnalysisWindowInfo* info) {
    App();
    const auto history = n3::testing::generatedHistory(int(state.range(0)));
    const auto stats = n3::LoadStartupStatistics(history);
    n3::GridView view;
    view.resize(900, 600);
    view.setGridModel(n3::BuildAnalysisGrid(*info, history, stats));
    QPixmap canvas(900, 600);
    bool bottom = false;
    for (auto _ : state) {
        QScrollBar* bar = view.body()->verticalScrollBar();
        bar->setValue(bottom ? bar->maximum() : bar->minimum());
        bottom = !bottom;
        view.render(&canvas);
    }
}

const int kRegistered = [] {
    for (const char* name : {"出現頻度分析", "出現回数分析", "分割10データ分析", "下一桁連続出現回数分析"}) {
        const auto* info = n3::FindAnalysisWindow(name);
        if (!info || !info->build) continue;
        benchmark::RegisterBenchmark((std::string("OpenAndPaint/") + name).c_str(), OpenAndPaint, info)
            ->Arg(32767)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("ScrollTopBottomPaint/") + name).c_str(), ScrollToLastRowAndPaint,
                                     info)
            ->Arg(32767)
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

}  // namespace
#endif
