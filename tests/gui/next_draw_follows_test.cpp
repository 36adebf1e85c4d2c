// 次回の抽せん follows 一発ズバリン予想's options as they are switched, as it
// follows the history: no button to press, the digits and the option count
// in step at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "entry_test_support.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/prediction/prediction_window.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

class NextDrawFollows : public ::testing::Test {
protected:
    void SetUp() override {
        DrawStore::Open(db).Import(n3::testing::generatedHistory(300, 11));
        main = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        ASSERT_TRUE(main->startUp());
        main->show();
        QCoreApplication::processEvents();  // the prediction opens at start-up
        prediction = qobject_cast<PredictionWindow*>(main->child(QStringLiteral("一発ズバリン")));
        ASSERT_NE(prediction, nullptr);
        ASSERT_TRUE(main->trigger(QStringLiteral("nextDraw")));
        next = qobject_cast<AnalysisWindow*>(main->child(QStringLiteral("次回の抽せん")));
        ASSERT_NE(next, nullptr);
        settle();
    }
    void TearDown() override { main.reset(); }
    void settle() {
        QCoreApplication::processEvents();
        while (next->computing()) ASSERT_TRUE(QSignalSpy(next, &AnalysisWindow::computed).wait(10000));
    }
    // The card shows what a card opened now with the prediction's options would.
    void expectInStepWithThePrediction() const {
        const OptionFlags flags = main->optionFlags();
        EXPECT_EQ(next->shownFlags(), flags);
        const GridModel fresh = BuildWindowContent(next->info(), InputOf(main->snapshot(), flags)).grid();
        const GridModel& shown = next->grid()->gridModel();
        ASSERT_EQ(shown.rows(), fresh.rows());
        for (int r = 1; r <= fresh.rows(); ++r)
            for (int c = 1; c <= fresh.columns(); ++c) ASSERT_EQ(shown.text(c, r), fresh.text(c, r)) << c << "," << r;
    }
    std::string optionLine() const { return next->grid()->gridModel().text(1, 2); }

    TempDir dir;
    std::string db = dir.file("n3.db");
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
    PredictionWindow* prediction = nullptr;
    AnalysisWindow* next = nullptr;
};

}  // namespace

TEST_F(NextDrawFollows, SwitchingTwoOptionsReachesTheOpenCardAtOnce) {
    EXPECT_EQ(next->findChild<QPushButton*>(QStringLiteral("useOptionFlags")), nullptr);
    EXPECT_NE(optionLine().find("オプション0個"), std::string::npos) << optionLine();
    const std::string before = next->grid()->gridModel().text(2, 4 + 6);  // 一発予想's digits

    QTest::mouseClick(prediction->reflectButton(0), Qt::LeftButton);
    settle();
    EXPECT_NE(optionLine().find("オプション1個"), std::string::npos) << optionLine();
    QTest::mouseClick(prediction->reflectButton(2), Qt::LeftButton);
    settle();
    EXPECT_NE(optionLine().find("オプション2個"), std::string::npos) << optionLine();
    expectInStepWithThePrediction();

    // And back: 反映しない is followed the same way.
    QTest::mouseClick(prediction->ignoreButton(0), Qt::LeftButton);
    QTest::mouseClick(prediction->ignoreButton(2), Qt::LeftButton);
    settle();
    EXPECT_NE(optionLine().find("オプション0個"), std::string::npos) << optionLine();
    EXPECT_EQ(next->grid()->gridModel().text(2, 4 + 6), before);
    expectInStepWithThePrediction();
    EXPECT_TRUE(messages.asked.empty());
}
