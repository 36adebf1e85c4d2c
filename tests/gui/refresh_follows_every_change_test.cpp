// The open windows follow every change of the database, whoever makes it,
// and what they show after a change is what a window opened afresh on the
// database would show: the windows that skip an unchanged input and the
// windows that compute again both end where a full rebuild ends, and so do
// the grids of one row a draw that take an appended draw into their rows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <random>

#include "cli_run.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/store/database.h"
#include "same_grid.h"
#include "temp_dir.h"
#include "test_history.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

constexpr const char* kWindows[] = {"出現頻度分析", "数字合計分析", "分割10データ分析", "出現間隔分析", "次回の抽せん"};

class RefreshFollowsEveryChange : public ::testing::Test {
protected:
    void SetUp() override {
        DrawStore::Open(db).Import(n3::testing::generatedHistory(120));
        dialogs::SetMessageResponder([](const dialogs::MessageRequest& r) {
            return r.buttons == dialogs::Buttons::Ok ? dialogs::Result::Ok : dialogs::Result::No;
        });
        main = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        ASSERT_TRUE(main->startUp());
        main->show();
        for (const char* name : kWindows) {
            main->ShowChild(name);
            auto* w = qobject_cast<AnalysisWindow*>(main->child(QString::fromUtf8(name)));
            ASSERT_NE(w, nullptr) << name;
            windows.push_back(w);
        }
    }
    void TearDown() override {
        main.reset();
        dialogs::SetMessageResponder(nullptr);
    }

    // Runs the event loop until the change has reached the snapshot and no
    // window computes any more.
    void settle() {
        QElapsedTimer guard;
        guard.start();
        const auto busy = [this] {
            return std::any_of(windows.begin(), windows.end(), [](AnalysisWindow* w) { return w->computing(); });
        };
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QTest::qWait(1);
        } while ((busy() || main->snapshot().history.size() != std::size_t(main->database().draws().DrawCount())) &&
                 guard.elapsed() < 20000);
        ASSERT_FALSE(busy());
    }

    // Every window shows what it would show when opened now on a snapshot
    // read afresh from the file.
    void expectFullRebuild(const std::string& after) {
        const auto fresh = std::make_shared<const HistorySnapshot>(Database::Open(db)->ReadSnapshot());
        for (AnalysisWindow* w : windows) {
            const GridModel full =
                BuildWindowContent(w->info(), InputOf(*fresh, w->shownFlags(), w->shownRange())).grid();
            ASSERT_TRUE(n3::testing::SameGrid(w->grid()->gridModel(), full))
                << w->info().className << " after " << after;
        }
    }

    TempDir dir;
    std::string db = dir.file("n3.db");
    std::unique_ptr<MainWindow> main;
    std::vector<AnalysisWindow*> windows;
};

}  // namespace

TEST_F(RefreshFollowsEveryChange, RandomAppendsEditsAndDeletionsEndAsAFullRebuild) {
    std::mt19937 rng(36);
    std::uniform_int_distribution<int> digit(0, 9), pick(0, 4);
    DrawStore& draws = main->database().draws();
    int appends = 0;
    for (int step = 0; step < 24; ++step) {
        const DrawHistory now = main->snapshot().history;
        ASSERT_FALSE(now.empty());
        const int newest = now.back().drawNo;
        const int earlier = now[rng() % now.size()].drawNo;
        std::string what;
        switch (pick(rng)) {
        case 0:
        case 1: {  // a draw appended at the end
            Draw d;
            d.drawNo = newest + 1;
            d.digits = {digit(rng), digit(rng), digit(rng)};
            draws.Import({d});
            what = "appending " + std::to_string(d.drawNo);
            ++appends;
            break;
        }
        case 2: {  // a digit of an earlier draw changed
            draws.SetDigit(earlier, int(rng() % 3), digit(rng));
            what = "editing " + std::to_string(earlier);
            break;
        }
        case 3: {  // the newest or an earlier draw deleted
            const int drawNo = rng() % 2 ? newest : earlier;
            draws.DeleteDraw(drawNo);
            what = "deleting " + std::to_string(drawNo);
            break;
        }
        default: {  // a write that changes nothing: the same digits again
            draws.Import({now.back()});
            what = "writing the newest draw again";
            break;
        }
        }
        settle();
        expectFullRebuild(what);
        if (HasFatalFailure()) return;
    }
    // The appends reached the draw-row grids as extensions, not rebuilds.
    ASSERT_GT(appends, 0);
    for (AnalysisWindow* w : windows) {
        if (!w->info().drawRows.buildInto) continue;
        EXPECT_GT(w->extendedGrids(), 0) << w->info().className;
        EXPECT_LE(w->extendedGrids(), appends) << w->info().className;
    }
}

TEST_F(RefreshFollowsEveryChange, AnImportByTheCommandLineReachesTheOpenWindows) {
    const std::string csv = dir.write("more.csv", "回数,第1数字,第2数字,第3数字\n121,9,9,9\n122,0,0,7\n");
    QSignalSpy frequencyDone(windows[0], &AnalysisWindow::computed);
    // Another process: the GUI's own connection hears nothing of it.
    const n3::testing::CliRun run = n3::testing::Cli("--db " + db + " import " + csv);
    ASSERT_EQ(run.status, 0) << run.out;
    ASSERT_TRUE(frequencyDone.wait(10000));
    settle();
    EXPECT_EQ(main->snapshot().stats.LatestDrawNo, 122);
    expectFullRebuild("the command line's import");
}
