// One new draw reaching five open windows: the real main window on a
// database of 32,766 draws with 一発ズバリン予想 and four analyses open;
// draw 32,767 is committed and the clock runs until every window has
// computed and repainted (wall and the process's processor time), the
// event loop sleeping while it waits. Before each round the draw is deleted
// again and the windows settle. Where the wall time goes: the write itself
// ("import_ms", mostly the disk's flush), the new snapshot with the
// prediction rebuilt ("snapshot_ms", from the start), every window computed
// ("computed_ms", from the start) and the part after the commit
// ("after_commit_ms"), printed beside the figures of the build before
// ("before_*", this machine under load, four other builds running) and the
// goal: under 60 ms after the commit on a quiet machine.
#ifdef N3_WITH_GUI
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <thread>

#include <QTableView>
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/store/database.h"
#include "qt_app.h"
#include "temp_dir.h"
#include "test_history.h"

namespace {

constexpr const char* kAnalyses[] = {"出現頻度分析", "数字合計分析", "分割10データ分析",
                                     "偶数奇数の組合せパターン分析"};

double CpuMs() { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; }

// Counts the windows' computed() from its making on.
class Computations {
public:
    explicit Computations(const std::vector<n3::AnalysisWindow*>& windows) : done_(windows.size(), false) {
        for (std::size_t i = 0; i < windows.size(); ++i)
            links_.push_back(QObject::connect(windows[i], &n3::AnalysisWindow::computed, [this, i] {
                done_[i] = true;
                if (std::find(done_.begin(), done_.end(), false) == done_.end()) loop_.quit();
            }));
    }
    ~Computations() {
        for (const auto& link : links_) QObject::disconnect(link);
    }
    // Runs the event loop, sleeping while nothing happens, until every
    // window has computed once (false after a minute without).
    bool waitForAll() {
        if (std::find(done_.begin(), done_.end(), false) == done_.end()) return true;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop_, [this] { loop_.exit(1); });
        guard.start(60000);
        return loop_.exec() == 0;
    }

private:
    std::vector<bool> done_;
    std::vector<QMetaObject::Connection> links_;
    QEventLoop loop_;
};

// The main window on a database of 32,766 draws with 一発ズバリン予想 and
// the four analyses open; draw 32,767 is kept aside to be written.
struct FiveWindows {
    n3::testing::TempDir dir;
    std::string db = dir.file("n3.db");
    n3::Draw last;
    std::unique_ptr<n3::MainWindow> main;
    std::vector<n3::AnalysisWindow*> windows;
    std::chrono::steady_clock::time_point snapshotAt;  // when the newest snapshot reached the main window

    // Opens the windows and notes when each new snapshot arrives; false
    // (and the run skipped) when they do not open.
    bool openFor(benchmark::State& state) {
        if (const std::string failed = open(); !failed.empty()) {
            state.SkipWithError(failed.c_str());
            return false;
        }
        QObject::connect(main.get(), &n3::MainWindow::historyChanged,
                         [this] { snapshotAt = std::chrono::steady_clock::now(); });
        return true;
    }
    // Untimed: the last draw taken away again, and a watch on every window's
    // next computation.
    std::unique_ptr<Computations> nextRound(benchmark::State& state) {
        state.PauseTiming();
        if (!withoutLast()) state.SkipWithError("the windows did not follow the deletion");
        auto computations = std::make_unique<Computations>(windows);
        state.ResumeTiming();
        return computations;
    }
    // Empty when all is open, else what failed.
    std::string open() {
        n3::bench::App();
        n3::DrawHistory history = n3::testing::generatedHistory(n3::kMaxDrawNo);
        last = history.back();
        history.pop_back();
        n3::DrawStore::Open(db).Import(history);
        n3::dialogs::SetMessageResponder([](const n3::dialogs::MessageRequest& r) {
            return r.buttons == n3::dialogs::Buttons::Ok ? n3::dialogs::Result::Ok : n3::dialogs::Result::No;
        });
        main = std::make_unique<n3::MainWindow>(db, dir.file("settings.ini"));
        if (!main->startUp()) return "the main window did not start";
        main->resize(1400, 1000);
        main->show();
        QCoreApplication::processEvents();  // the prediction opens
        for (const char* name : kAnalyses) {
            main->ShowChild(name);
            windows.push_back(qobject_cast<n3::AnalysisWindow*>(main->child(QString::fromUtf8(name))));
            if (!windows.back()) return "a window did not open";
        }
        QCoreApplication::processEvents();
        return {};
    }
    // The last draw deleted again, and the windows settled; false when they did not follow.
    bool withoutLast() {
        if (main->snapshot().history.back().drawNo != last.drawNo) return true;
        Computations settle(windows);
        main->database().draws().DeleteDraw(last.drawNo);
        const bool followed = settle.waitForAll();
        QCoreApplication::processEvents();
        return followed;
    }
    void repaint() {
        for (n3::AnalysisWindow* w : windows) w->grid()->body()->viewport()->repaint();
        QCoreApplication::processEvents();
    }
    ~FiveWindows() {
        main.reset();
        n3::dialogs::SetMessageResponder(nullptr);
    }
};

double MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void LiveRefreshFiveWindows(benchmark::State& state, double beforeCpuMs, double beforeAfterCommitMs) {
    FiveWindows five;
    if (!five.openFor(state)) return;
    double wall = 0, cpu = 0, importMs = 0, snapshotMs = 0, computedMs = 0;
    for (auto _ : state) {
        auto computations = five.nextRound(state);
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = CpuMs();
        five.main->database().draws().Import({five.last});
        importMs += MsSince(start);
        if (!computations->waitForAll()) state.SkipWithError("the windows did not follow the new draw");
        snapshotMs += std::chrono::duration<double, std::milli>(five.snapshotAt - start).count();
        computedMs += MsSince(start);
        five.repaint();
        cpu += CpuMs() - cpuStart;
        wall += MsSince(start);
    }
    const double n = double(state.iterations());
    state.counters["wall_ms"] = wall / n;
    state.counters["cpu_ms"] = cpu / n;
    state.counters["import_ms"] = importMs / n;
    state.counters["snapshot_ms"] = snapshotMs / n;
    state.counters["computed_ms"] = computedMs / n;
    state.counters["after_commit_ms"] = (wall - importMs) / n;
    state.counters["before_cpu_ms"] = beforeCpuMs;
    state.counters["before_after_commit_ms"] = beforeAfterCommitMs;
    state.counters["goal_after_commit_ms"] = 60;
}

// Another program's write: draw 32,767 written through a connection of its
// own on another thread, and the clock runs from its commit until every
// window has computed and repainted ("seen_ms"; the new snapshot made and
// the prediction rebuilt: "snapshot_ms"), beside the figures when only a
// 500 ms look at the data version found it ("before_*", this machine
// under load, four other builds running) and the goal: within 150 ms.
void OtherProgramWrite(benchmark::State& state, double beforeSeenMs, double beforeSnapshotMs) {
    FiveWindows five;
    if (!five.openFor(state)) return;
    double seen = 0, worst = 0, snapshotMs = 0;
    for (auto _ : state) {
        auto computations = five.nextRound(state);
        std::chrono::steady_clock::time_point committed;
        std::thread other([&] {
            n3::DrawStore::Open(five.db).Import({five.last});
            committed = std::chrono::steady_clock::now();
        });
        const bool followed = computations->waitForAll();
        five.repaint();
        other.join();
        if (!followed) state.SkipWithError("the windows did not follow the other program's draw");
        const double ms = MsSince(committed);
        snapshotMs += std::chrono::duration<double, std::milli>(five.snapshotAt - committed).count();
        seen += ms;
        worst = std::max(worst, ms);
    }
    state.counters["seen_ms"] = seen / double(state.iterations());
    state.counters["snapshot_ms"] = snapshotMs / double(state.iterations());
    state.counters["worst_seen_ms"] = worst;
    state.counters["before_seen_ms"] = beforeSeenMs;
    state.counters["before_snapshot_ms"] = beforeSnapshotMs;
    state.counters["goal_seen_ms"] = 150;
}

BENCHMARK_CAPTURE(LiveRefreshFiveWindows, at_32767, 56, 270)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OtherProgramWrite, at_32767, 517, 273)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
