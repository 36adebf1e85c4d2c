// The first start on an empty database: the shipped history is offered
// once, Yes (the default) takes it in, No leaves the database empty and the
// question comes again; then the result list shows what came in.
#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "io/history_csv.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/entry/result_list_window.h"
#include "platform/qt/entry/result_table_model.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"
#include "test_paths.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

class FirstStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        history = ReadHistoryCsvFile(std::string(n3::testing::kDataDir) + "/numbers3-history.csv");
        results = ReadHistoryCsvFile(std::string(n3::testing::kDataDir) + "/numbers3-results.csv");
        ASSERT_TRUE(history.ok() && results.ok());
        question = QStringLiteral("過去の当選データ（第%1回〜第%2回）を取り込みますか？")
                       .arg(history.draws.front().drawNo)
                       .arg(history.draws.back().drawNo);
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            asked.push_back(r);
            return r.text == question ? answer : dialogs::Result::Ok;
        });
    }
    void TearDown() override {
        window.reset();
        dialogs::SetMessageResponder(nullptr);
    }

    // One start of the program on the test's database.
    void start() {
        window.reset();
        window = std::make_unique<MainWindow>(dir.file("db.db"), dir.file("settings.ini"));
        window->setBundledDataFolder(n3::testing::kDataDir);
        ASSERT_TRUE(window->startUp());
    }
    int questions() const {
        return int(std::count_if(asked.begin(), asked.end(), [this](const auto& r) { return r.text == question; }));
    }

    TempDir dir;
    CsvParseResult history, results;
    QString question;
    dialogs::Result answer = dialogs::Result::Yes;
    std::vector<dialogs::MessageRequest> asked;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(FirstStartTest, YesTakesInTheShippedHistoryAndItsResults) {
    start();
    ASSERT_EQ(questions(), 1);
    EXPECT_EQ(asked.back().buttons, dialogs::Buttons::YesNoDefaultYes);
    EXPECT_EQ(window->snapshot().history.size(), history.draws.size());
    EXPECT_EQ(window->snapshot().results, results.results);
    EXPECT_EQ(window->snapshot().stats.LatestDrawNo, history.draws.back().drawNo);

    // The next start finds the draws: no question.
    start();
    EXPECT_EQ(questions(), 1);

    // The result list, newest first, with the shipped figures.
    window->show();
    ASSERT_TRUE(window->trigger("resultList"));
    auto* list = qobject_cast<ResultListWindow*>(window->child("当選結果一覧"));
    ASSERT_NE(list, nullptr);
    const ResultTableModel& grid = *list->model();
    EXPECT_EQ(grid.rowCount(), int(history.draws.size()));
    EXPECT_EQ(grid.index(0, 0).data().toString().toStdString(), std::to_string(history.draws.back().drawNo));
    EXPECT_EQ(grid.index(0, 1).data().toString().toStdString(), results.results.back().date);
    const int last = grid.rowCount() - 1;
    EXPECT_EQ(grid.index(last, 0).data().toString().toStdString(), std::to_string(history.draws.front().drawNo));
    EXPECT_EQ(grid.index(last, 1).data().toString(), QStringLiteral("1994-10-07"));  // every date ships now
    // It prints like the other lists.
    auto* print = list->findChild<QPushButton*>(QStringLiteral("printButton"));
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("印刷(&P)"));
    // Closed with a real click on its button.
    auto* close = list->findChild<QPushButton*>(QStringLiteral("closeButton"));
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->child("当選結果一覧"), nullptr);
}

TEST_F(FirstStartTest, NoLeavesTheDatabaseEmptyAndTheQuestionComesAgain) {
    answer = dialogs::Result::No;
    start();
    EXPECT_EQ(questions(), 1);
    EXPECT_TRUE(window->snapshot().history.empty());
    EXPECT_EQ(DrawStore::Open(dir.file("db.db")).DrawCount(), 0);
    start();
    EXPECT_EQ(questions(), 2);
    answer = dialogs::Result::Yes;
    start();
    EXPECT_EQ(questions(), 3);
    EXPECT_EQ(window->snapshot().history.size(), history.draws.size());
}

TEST_F(FirstStartTest, ADatabaseWithDrawsOrNoShippedFilesIsNotAsked) {
    Draw d;
    d.drawNo = 1;
    d.digits = {1, 2, 3};
    DrawStore::Open(dir.file("db.db")).Import({d});
    start();
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(window->snapshot().history.size(), 1u);

    TempDir other;
    window = std::make_unique<MainWindow>(other.file("db.db"), other.file("settings.ini"));
    window->setBundledDataFolder(other.file("nothing-here"));
    ASSERT_TRUE(window->startUp());
    EXPECT_EQ(questions(), 0);
}
