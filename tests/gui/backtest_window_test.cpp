// The window 予想の検証 in the main window: its menu, and the same figures
// as the command line shows, with the option flags of the prediction.
#include <gtest/gtest.h>

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

// Draw 1 is 123, draws 2..7 are 444..999, draws 8..40 are 123 again: the
// 7-draw cycle predicts 123 from draw 9 on and always hits.
std::vector<Draw> SevenCycleDraws() {
    std::vector<Draw> draws;
    for (int n = 1; n <= 40; ++n) {
        Draw d;
        d.drawNo = n;
        const bool cycle = n == 1 || n >= 8;
        d.digits = {cycle ? 1 : n + 2, cycle ? 2 : n + 2, cycle ? 3 : n + 2};
        draws.push_back(d);
    }
    return draws;
}

class BacktestWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        DrawStore::Open(dir.file("db.db")).Import(SevenCycleDraws());
        dialogs::SetMessageResponder([](const dialogs::MessageRequest&) { return dialogs::Result::Ok; });
        window = std::make_unique<MainWindow>(dir.file("db.db"), dir.file("settings.ini"));
        ASSERT_TRUE(window->startUp());
        window->show();
        QCoreApplication::processEvents();
        if (QMdiSubWindow* sub = window->subWindow("一発ズバリン")) sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void TearDown() override {
        window.reset();
        dialogs::SetMessageResponder(nullptr);
    }

    TempDir dir;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(BacktestWindowTest, VerifyMenuSitsBetweenAnalysisAndDataAndOpensTheWindow) {
    QStringList captions;
    for (QAction* a : window->menuBar()->actions()) captions << a->text();
    const auto verify = captions.indexOf("検証(&V)");
    ASSERT_GE(verify, 0) << captions.join(" ").toStdString();
    EXPECT_EQ(captions.at(verify - 1), "データ分析(&S)");
    EXPECT_EQ(captions.at(verify + 1), "データ管理(&M)");
    QAction* item = window->menuAction("backtest");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "予想の検証(&B)");
    EXPECT_TRUE(window->menuAction("verifyMenu")->menu()->actions().contains(item));

    ASSERT_TRUE(window->trigger("backtest"));
    QMdiSubWindow* sub = window->subWindow("予想の検証");
    ASSERT_NE(sub, nullptr);
    auto* analysis = qobject_cast<AnalysisWindow*>(sub->widget());
    ASSERT_NE(analysis, nullptr);
    const GridModel& grid = analysis->grid()->gridModel();
    EXPECT_EQ(grid.text(1, 3), " 7回周期法");
    // 判定 stands right after 予想方法.
    EXPECT_EQ(grid.text(2, 2), "判定");
    EXPECT_EQ(grid.text(2, 3), "偶然より多い");
    EXPECT_EQ(grid.text(3, 2), "回収率");  // the money next, in view at the opening size
    EXPECT_EQ(grid.text(6, 3), "32");      // 購入回数: targets 9..40
    EXPECT_EQ(grid.text(8, 3), "32");      // 的中回数
    EXPECT_EQ(grid.frozenRows, 2);
}
