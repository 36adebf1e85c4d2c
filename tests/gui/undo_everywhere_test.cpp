// Undo and redo in 当選データ入力 reach every open window and the database
// as typing does; one Ctrl+Z takes back a whole typed row, Backspace one
// digit; ending the program with a half-typed row asks as the window does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "entry_test_support.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

class UndoEverywhere : public ::testing::Test {
protected:
    void SetUp() override {
        DrawStore::Open(db).Import(n3::testing::generatedHistory(300));
        main = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        ASSERT_TRUE(main->startUp());
        main->show();
        QCoreApplication::processEvents();
        main->trigger(QStringLiteral("digitSum"));
        sums = qobject_cast<AnalysisWindow*>(main->child(QStringLiteral("数字合計分析")));
        ASSERT_NE(sums, nullptr);
        settle();
        main->trigger(QStringLiteral("entry"));
        entry = qobject_cast<EntryWindow*>(main->child(QStringLiteral("当選データ入力")));
        ASSERT_NE(entry, nullptr);
        grid = entry->grid();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(grid->model()->rowCount() - 1, 3));
        QTest::keyClick(grid, Qt::Key_Return);  // draw 301, opened from the keyboard
        settle();
    }
    void TearDown() override { main.reset(); }

    // Lets the pending snapshot and the analysis' computation finish.
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (sums->computing()) {
            ASSERT_TRUE(QSignalSpy(sums, &AnalysisWindow::computed).wait(10000));
        }
    }
    void keys(const char* typed) {
        QTest::keyClicks(grid, typed);
        settle();
    }
    void chord(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(grid, key, modifiers);
        settle();
    }
    // Draw 301 as a fresh connection (the command-line tool) reads it; "-"
    // when it is not stored.
    std::string stored301() const {
        for (const Draw& d : ReadBack(db))
            if (d.drawNo == 301) {
                std::string s;
                for (int i = 0; i < kNumbers3.digits; ++i)
                    s += d.digits[std::size_t(i)] ? char('0' + *d.digits[std::size_t(i)]) : '_';
                return s;
            }
        return "-";
    }
    // The analysis shows what a window opened now on the database would.
    void expectAnalysisFollowsTheDatabase() const {
        const HistorySnapshot fresh = Database::Open(db, false)->ReadSnapshot();
        EXPECT_EQ(main->snapshot().stats.LatestDrawNo, fresh.stats.LatestDrawNo);
        const GridModel expected =
            BuildWindowContent(sums->info(), InputOf(fresh, sums->shownFlags(), sums->shownRange())).grid();
        const GridModel& shown = sums->grid()->gridModel();
        ASSERT_EQ(shown.rows(), expected.rows());
        for (int r = 1; r <= expected.rows(); ++r)
            for (int c = 1; c <= expected.columns(); ++c)
                ASSERT_EQ(shown.text(c, r), expected.text(c, r)) << c << "," << r;
    }

    TempDir dir;
    std::string db = dir.file("n3.db");
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
    AnalysisWindow* sums = nullptr;
    EntryWindow* entry = nullptr;
    EntryGridView* grid = nullptr;
};

}  // namespace

TEST_F(UndoEverywhere, OneCtrlZTakesBackTheTypedRowEverywhereAndASecondTheAddedRow) {
    keys("357");
    ASSERT_EQ(stored301(), "357");
    ASSERT_EQ(main->snapshot().stats.LatestDrawNo, 301);
    expectAnalysisFollowsTheDatabase();

    chord(Qt::Key_Z);
    EXPECT_EQ(stored301(), "___");
    EXPECT_EQ(entry->model()->data(entry->model()->index(300, 1)).toString(), "");
    EXPECT_FALSE(entry->holdsHistory());
    EXPECT_EQ(main->snapshot().stats.LatestDrawNo, 300);
    expectAnalysisFollowsTheDatabase();

    chord(Qt::Key_Z);
    EXPECT_EQ(stored301(), "-");
    EXPECT_EQ(entry->model()->rowCount(), 300);
    expectAnalysisFollowsTheDatabase();

    // Redone, step by step, the same way.
    chord(Qt::Key_Y);
    EXPECT_EQ(stored301(), "___");
    chord(Qt::Key_Y);
    EXPECT_EQ(stored301(), "357");
    EXPECT_EQ(main->snapshot().stats.LatestDrawNo, 301);
    expectAnalysisFollowsTheDatabase();
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(UndoEverywhere, BackspaceInsideARowTakesBackOneDigit) {
    keys("35");
    ASSERT_EQ(stored301(), "35_");
    chord(Qt::Key_Backspace, Qt::NoModifier);
    EXPECT_EQ(stored301(), "3__");
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(300, 2));
    keys("87");
    EXPECT_EQ(stored301(), "387");
    expectAnalysisFollowsTheDatabase();
    // The row typed with a correction is still one step.
    chord(Qt::Key_Z);
    EXPECT_EQ(stored301(), "___");
}

TEST_F(UndoEverywhere, EndingTheProgramWithAHalfTypedRowAsksAsTheEntryWindowDoes) {
    keys("35");
    // The entry window's own question, when it alone is closed.
    messages.answers = {dialogs::Result::Yes};
    QTest::mouseClick(entry->closeButton(), Qt::LeftButton);
    ASSERT_EQ(messages.asked.size(), 1u);
    const dialogs::MessageRequest windowQuestion = messages.asked[0];
    ASSERT_NE(main->child(QStringLiteral("当選データ入力")), nullptr);

    // 終了 asks the same; はい (go on typing) keeps everything open.
    messages.answers = {dialogs::Result::Yes};
    ASSERT_TRUE(main->trigger(QStringLiteral("quit")));
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[1].text, windowQuestion.text);
    EXPECT_EQ(messages.asked[1].buttons, windowQuestion.buttons);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->child(QStringLiteral("当選データ入力")), entry);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(300, 3));  // on the missing digit
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), main->subWindow(QStringLiteral("当選データ入力")));

    // The title bar's close box the same; いいえ ends the program, once asked.
    main->close();
    ASSERT_EQ(messages.asked.size(), 3u);
    EXPECT_EQ(messages.asked[2].text, windowQuestion.text);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(stored301(), "35_");
}
