// The entry window over the largest history (draws 1 to 32767): opening it
// (reading every row into the model) and showing it once, offscreen.
#ifdef N3_WITH_GUI
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <vector>

#include "fake_host.h"
#include "platform/qt/entry/draw_entry_model.h"
#include "platform/qt/entry/entry_window.h"
#include "qt_app.h"
#include "temp_dir.h"

namespace {

void OpenAndShowEntryWindow(benchmark::State& state) {
    n3::bench::App();
    const n3::testing::TempDir dir;
    const std::string path = dir.file("n3.db");
    std::vector<n3::Draw> draws;
    for (int no = 1; no <= int(state.range(0)); ++no) {
        n3::Draw d;
        d.drawNo = no;
        d.digits = {no % 10, (no / 10) % 10, 3};
        draws.push_back(d);
    }
    n3::Database::Open(path)->draws().Import(draws);
    n3::testing::FakeHost host(path);
    int rows = 0;
    for (auto _ : state) {
        const std::unique_ptr<n3::EntryWindow> window(static_cast<n3::EntryWindow*>(n3::CreateEntryWindow(host)));
        window->load();
        window->show();
        QCoreApplication::processEvents();
        rows = window->model() ? window->model()->rowCount() : 0;
    }
    if (rows != state.range(0)) state.SkipWithError("the window did not show every row");
    state.counters["rows"] = rows;
}

BENCHMARK(OpenAndShowEntryWindow)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
