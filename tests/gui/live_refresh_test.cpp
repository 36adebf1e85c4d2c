// Every open window follows the history as it changes: draws typed in the
// entry window (once each row is complete), an import. The windows stay
// open, keep where they are scrolled and compute again on their worker.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/entry/entry_grid_view.h"
#include "platform/qt/entry/entry_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"
#include "test_history.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

class LiveRefresh : public ::testing::Test {
protected:
    void SetUp() override {
        DrawStore::Open(db).Import(n3::testing::generatedHistory(300));
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages.push_back(r.text.toStdString());
            return r.buttons == dialogs::Buttons::YesNo ? dialogs::Result::Yes : dialogs::Result::Ok;
        });
        dialogs::SetFileResponder([this](const dialogs::FileRequest&) { return chosenFile; });
        main = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        ASSERT_TRUE(main->startUp());
        main->show();
    }
    void TearDown() override {
        main.reset();
        dialogs::SetMessageResponder(nullptr);
        dialogs::SetFileResponder(nullptr);
    }

    AnalysisWindow* openAnalysis(const char* menu, const char* windowClass) {
        main->trigger(QString::fromUtf8(menu));
        return qobject_cast<AnalysisWindow*>(main->child(QString::fromUtf8(windowClass)));
    }
    // The window shows what a window opened now would show.
    static void ExpectShowsTheSnapshot(const AnalysisWindow& w, const HistorySnapshot& snapshot) {
        const GridModel fresh = BuildWindowContent(w.info(), InputOf(snapshot, w.shownFlags(), w.shownRange())).grid();
        const GridModel& shown = w.grid()->gridModel();
        ASSERT_EQ(shown.rows(), fresh.rows());
        ASSERT_EQ(shown.columns(), fresh.columns());
        for (int r = 1; r <= fresh.rows(); ++r)
            for (int c = 1; c <= fresh.columns(); ++c)
                ASSERT_EQ(shown.text(c, r), fresh.text(c, r)) << w.info().className << " (" << c << "," << r << ")";
    }

    TempDir dir;
    std::string db = dir.file("n3.db");
    std::vector<std::string> messages;
    QString chosenFile;
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(LiveRefresh, RowsTypedInTheEntryWindowReachTheOpenAnalysesAsEachRowCompletes) {
    AnalysisWindow* frequency = openAnalysis("appearanceFrequency", "出現頻度分析");
    AnalysisWindow* byDraw = openAnalysis("digitSum", "数字合計分析");
    ASSERT_NE(frequency, nullptr);
    ASSERT_NE(byDraw, nullptr);
    QTableView* body = byDraw->grid()->body();
    QCoreApplication::processEvents();  // laid out
    QScrollBar* bar = body->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    bar->setValue(bar->maximum() / 2);
    body->setCurrentIndex(body->model()->index(40, 2));
    const int scrolled = bar->value();
    const int nines = main->snapshot().stats.DigitCount[9];

    main->trigger(QStringLiteral("entry"));
    auto* entry = qobject_cast<EntryWindow*>(main->child(QStringLiteral("当選データ入力")));
    ASSERT_NE(entry, nullptr);
    EntryGridView* grid = entry->grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(grid->model()->rowCount() - 1, 3));
    {
        // The new empty draw is a change too: its computation ends first.
        QSignalSpy emptyRowDone(frequency, &AnalysisWindow::computed);
        QTest::keyClick(grid, Qt::Key_Return);  // draw 301, without a question
        ASSERT_TRUE(emptyRowDone.wait(10000));
        if (byDraw->computing()) QSignalSpy(byDraw, &AnalysisWindow::computed).wait(10000);
    }
    QSignalSpy frequencyDone(frequency, &AnalysisWindow::computed);
    QSignalSpy byDrawDone(byDraw, &AnalysisWindow::computed);
    QTest::keyClicks(grid, "99");
    QCoreApplication::processEvents();
    // Two digits are not a draw yet: no window computes.
    EXPECT_EQ(main->snapshot().stats.LatestDrawNo, 300);
    EXPECT_FALSE(frequency->computing());
    EXPECT_TRUE(frequencyDone.isEmpty());

    QTest::keyClick(grid, Qt::Key_9);
    ASSERT_TRUE(frequencyDone.wait(10000));
    if (byDrawDone.isEmpty()) {
        ASSERT_TRUE(byDrawDone.wait(10000));
    }
    EXPECT_EQ(main->snapshot().stats.LatestDrawNo, 301);
    EXPECT_EQ(main->snapshot().stats.DigitCount[9], nines + 3);
    ExpectShowsTheSnapshot(*frequency, main->snapshot());
    ExpectShowsTheSnapshot(*byDraw, main->snapshot());
    // Still open, still where the user left them.
    EXPECT_EQ(main->child(QStringLiteral("出現頻度分析")), frequency);
    EXPECT_EQ(main->child(QStringLiteral("数字合計分析")), byDraw);
    EXPECT_EQ(bar->value(), scrolled);
    EXPECT_EQ(body->currentIndex(), body->model()->index(40, 2));
    EXPECT_TRUE(messages.empty());
}

TEST_F(LiveRefresh, AnImportReachesTheOpenAnalysesWithoutClosingThem) {
    AnalysisWindow* frequency = openAnalysis("appearanceFrequency", "出現頻度分析");
    ASSERT_NE(frequency, nullptr);
    chosenFile = QString::fromStdString(dir.write("more.csv", "回数,第1数字,第2数字,第3数字\n301,9,9,9\n302,9,9,9\n"));
    QSignalSpy done(frequency, &AnalysisWindow::computed);
    ASSERT_TRUE(main->trigger(QStringLiteral("importCsv")));
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(main->snapshot().stats.LatestDrawNo, 302);
    ExpectShowsTheSnapshot(*frequency, main->snapshot());
    EXPECT_EQ(main->child(QStringLiteral("出現頻度分析")), frequency);
    ASSERT_EQ(messages.size(), 1u);  // the summary only
}

// Another program's commit is seen through the database's files, the
// timer that looks at the data version stopped.
TEST_F(LiveRefresh, AnotherProgramsWriteIsSeenThroughTheFiles) {
    AnalysisWindow* frequency = openAnalysis("appearanceFrequency", "出現頻度分析");
    ASSERT_NE(frequency, nullptr);
    auto* poll = main->findChild<QTimer*>(QStringLiteral("otherWriters"));
    ASSERT_NE(poll, nullptr);
    poll->stop();
    QSignalSpy done(frequency, &AnalysisWindow::computed);
    DrawStore::Open(db).Import({Draw{301, {4, 5, 6}}});  // written by another program
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(main->snapshot().stats.LatestDrawNo, 301);
    ExpectShowsTheSnapshot(*frequency, main->snapshot());
}

TEST_F(LiveRefresh, ReloadRecomputesInsteadOfClosing) {
    AnalysisWindow* frequency = openAnalysis("appearanceFrequency", "出現頻度分析");
    ASSERT_NE(frequency, nullptr);
    Draw extra;
    extra.drawNo = 301;
    extra.digits = {0, 0, 0};
    DrawStore::Open(db).Import({extra});  // written by another program
    QSignalSpy done(frequency, &AnalysisWindow::computed);
    main->trigger(QStringLiteral("reload"));
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(main->snapshot().stats.LatestDrawNo, 301);
    ExpectShowsTheSnapshot(*frequency, main->snapshot());
    EXPECT_EQ(main->child(QStringLiteral("出現頻度分析")), frequency);
}
