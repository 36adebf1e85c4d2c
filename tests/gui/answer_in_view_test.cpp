// The answer is in view when a window opens: 数字検索 waits in its 番号
// field and shows a result from the top, a short grid is shown whole, the
// windows of draws open at their newest rows, the lab windows show their
// verdict and 回収率 at the opening size, and 乱数性の検定 says its verdict
// in one line.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "fake_host.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/analysis/range_controls.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/lookup/number_box.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

using Host = n3::testing::FakeHost;

class NumberLookupInView : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<AnalysisWindow>(host, *FindAnalysisWindow("数字検索"));
        window->load();
        window->resize(900, 600);
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    Host host{n3::testing::generatedHistory(400, 9)};
    std::unique_ptr<AnalysisWindow> window;
};

}  // namespace

TEST_F(NumberLookupInView, TypingGoesIntoTheNumberFieldAndTheResultIsShownFromTheTop) {
    QLineEdit* edit = window->numberBox()->edit();
    EXPECT_EQ(QApplication::focusWidget(), edit);
    // Scrolled down before the lookup: the result still starts at the top.
    QScrollBar* bar = window->grid()->body()->verticalScrollBar();
    bar->setValue(bar->maximum());
    ASSERT_GT(bar->value(), 0);
    QSignalSpy computed(window.get(), &AnalysisWindow::computed);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("919"));
    EXPECT_EQ(edit->text(), QStringLiteral("919"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(computed.wait(10000));
    EXPECT_EQ(window->shownNumber(), 919);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(window->grid()->body()->horizontalScrollBar()->value(), 0);
}

TEST_F(NumberLookupInView, DoubleClickInTheListShowsTheTable) {
    QTableView* table = window->tableView();
    ASSERT_NE(table, nullptr);
    QTabBar* tabs = window->views()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(window->views()->indexOf(table)).center());
    ASSERT_EQ(window->views()->currentWidget(), table);
    QSignalSpy computed(window.get(), &AnalysisWindow::computed);
    const QRect cell = table->visualRect(table->model()->index(5, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(computed.wait(10000));
    EXPECT_EQ(window->views()->currentWidget(), window->grid());
    EXPECT_EQ(window->numberBox()->edit()->text(), QStringLiteral("005"));
}

TEST_F(NumberLookupInView, TabGoesThroughTheControlsInReadingOrder) {
    const std::vector<QWidget*> order = {window->numberBox()->edit(),
                                         window->numberBox()->lookupButton(),
                                         window->rangeControls()->choice(),
                                         window->rangeControls()->fromBox(),
                                         window->rangeControls()->toBox(),
                                         window->rangeControls()->recomputeButton(),
                                         window->views()->tabBar(),
                                         window->grid()->body(),
                                         window->printButton(),
                                         window->closeButton()};
    // The spin boxes of the range take the focus only when the range asks for them.
    std::vector<QWidget*> reachable;
    for (QWidget* w : order)
        if (w->isEnabled() && w->isVisible() && w->focusPolicy() & Qt::TabFocus) reachable.push_back(w);
    ASSERT_GE(reachable.size(), 7u);
    ASSERT_EQ(QApplication::focusWidget(), reachable.front());
    for (std::size_t i = 1; i < reachable.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // A spin box holds its focus in its line edit.
        while (focus && !std::count(order.begin(), order.end(), focus)) focus = focus->parentWidget();
        EXPECT_EQ(focus, reachable[i]) << "Tab " << i << " reached "
                                       << (focus ? focus->objectName().toStdString() : "");
    }
}

// 回数別出現分析 shows every row at its opening size; 出現頻度分析 and the
// windows of draws open at their last rows.
class OpeningView : public ::testing::Test {
protected:
    void SetUp() override {
        DrawStore::Open(dir.file("db.db")).Import(n3::testing::generatedHistory(300, 21));
        dialogs::SetMessageResponder([](const dialogs::MessageRequest&) { return dialogs::Result::No; });
        window = std::make_unique<MainWindow>(dir.file("db.db"), dir.file("settings.ini"));
        ASSERT_TRUE(window->startUp());
        window->resize(1366, 768);
        window->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        window.reset();
        dialogs::SetMessageResponder(nullptr);
    }
    AnalysisWindow* open(const char* menuName, const char* windowClass) {
        EXPECT_TRUE(window->trigger(menuName));
        QMdiSubWindow* sub = window->subWindow(windowClass);
        return sub ? qobject_cast<AnalysisWindow*>(sub->widget()) : nullptr;
    }
    n3::testing::TempDir dir;
    std::unique_ptr<MainWindow> window;
};

TEST_F(OpeningView, AShortGridIsShownWhole) {
    AnalysisWindow* w = open("appearanceByCount", "回数別出現分析");
    ASSERT_NE(w, nullptr);
    QTableView* body = w->grid()->body();
    const int rows = w->grid()->gridModel().rows();
    ASSERT_GE(rows, 8);
    const QRect last = body->visualRect(body->model()->index(rows - 1, 0));
    EXPECT_TRUE(body->viewport()->rect().contains(last)) << "the last row is below the edge";
}

TEST_F(OpeningView, WindowsOpenAtTheirLastRows) {
    for (const auto& [menu, name] :
         {std::pair{"appearanceFrequency", "出現頻度分析"}, std::pair{"appearanceInterval", "出現間隔分析"}}) {
        AnalysisWindow* w = open(menu, name);
        ASSERT_NE(w, nullptr) << name;
        QCoreApplication::processEvents();
        QScrollBar* bar = w->grid()->body()->verticalScrollBar();
        EXPECT_GT(bar->maximum(), 0) << name;
        EXPECT_EQ(bar->value(), bar->maximum()) << name;
    }
}

// At 1366×768, 判定 and 回収率 of both lab windows are in view as they open,
// in the same columns.
TEST_F(OpeningView, LabWindowsShowVerdictAndReturnAtTheOpeningSize) {
    for (const auto& [menu, name] : {std::pair{"backtest", "予想の検証"}, std::pair{"strategyTest", "買い方の検証"}}) {
        AnalysisWindow* w = open(menu, name);
        ASSERT_NE(w, nullptr) << name;
        const GridModel& grid = w->grid()->gridModel();
        EXPECT_EQ(grid.text(2, 2), "判定") << name;
        EXPECT_EQ(grid.text(3, 2), "回収率") << name;
        QTableView* headings = w->grid()->frozenBand();
        for (int column : {2, 3}) {
            const QRect cell = headings->visualRect(headings->model()->index(1, column - 1));
            EXPECT_TRUE(headings->viewport()->rect().contains(cell)) << name << " column " << column;
        }
        EXPECT_TRUE(window->findChild<QMdiArea*>()->viewport()->rect().contains(w->parentWidget()->geometry()))
            << name << " opens inside the main window";
    }
}

TEST(RandomnessVerdict, OneLineAboveTheGridAndAPlainDescription) {
    const AnalysisWindowInfo& info = *FindAnalysisWindow("乱数性の検定");
    EXPECT_EQ(std::string(info.description).find("min("), std::string::npos);
    EXPECT_EQ(std::string(info.description).find("p値"), std::string::npos);

    Host fair(n3::testing::generatedHistory(500, 3));
    fair.yieldRunsEvents = false;
    AnalysisWindow w(fair, info);
    w.load();
    w.show();
    EXPECT_TRUE(w.headline()->isVisible());
    EXPECT_NE(w.headline()->text().indexOf(QStringLiteral("どれも、偏りは偶然と区別できません")), -1)
        << w.headline()->text().toStdString();
    EXPECT_NE(w.headline()->text().indexOf(QStringLiteral("（第1回〜第500回）")), -1);

    DrawHistory ones;
    for (int i = 1; i <= 300; ++i) {
        Draw d;
        d.drawNo = i;
        d.digits = {1, i % 2, 1};
        ones.push_back(d);
    }
    Host biased(ones);
    biased.yieldRunsEvents = false;
    AnalysisWindow doubt(biased, info);
    doubt.load();
    EXPECT_NE(doubt.headline()->text().indexOf(QStringLiteral("偶然としては珍しい偏りがあります")), -1)
        << doubt.headline()->text().toStdString();
}
