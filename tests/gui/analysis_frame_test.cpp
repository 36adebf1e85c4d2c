// The analysis frame's range controls, option-flag button and charts, on a
// window built straight from a window-table row; and a chart painted on paper.
#include <gtest/gtest.h>

#include <memory>

#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <fstream>
#include <future>

#include "fake_host.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/analysis/range_controls.h"
#include "platform/qt/charts/chart_render.h"
#include "platform/qt/charts/chart_view.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/store/database.h"
#include "stats/verdict.h"
#include "temp_dir.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

using FrameHost = n3::testing::FakeHost;

const AnalysisWindowInfo& Row(const char* name) {
    const AnalysisWindowInfo* row = FindAnalysisWindow(name);
    if (!row) throw std::runtime_error(name);
    return *row;
}

std::string Cell(const AnalysisWindow& w, int col, int row) { return w.grid()->gridModel().text(col, row); }

void ClickTab(QTabWidget* tabs, int index) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void TypeNumber(QSpinBox* box, int value) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::number(value));
    QTest::keyClick(box, Qt::Key_Tab);
}

// Clicks a button that recomputes the window and waits for the new figures.
void ClickAndWait(AnalysisWindow& w, QWidget* button) {
    QSignalSpy computed(&w, &AnalysisWindow::computed);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(w.computing());
    ASSERT_TRUE(computed.wait(10000));
    EXPECT_FALSE(w.computing());
}

// A content row that holds its worker until the test lets it go.
std::promise<void> gRelease;
WindowContent HeldContent(const WindowInput& input) {
    gRelease.get_future().wait();
    WindowContent c;
    c.grid().setSize(1, 1);
    c.grid().setNumber(1, 1, input.range.from);
    return c;
}

// A content row that writes the option flags it was given into its grid.
WindowContent FlagsContent(const WindowInput& input) {
    WindowContent c;
    c.grid().setSize(10, 1);
    for (int i = 0; i < 10; ++i) c.grid().setText(i + 1, 1, input.optionFlags[std::size_t(i)] ? "1" : "0");
    return c;
}

}  // namespace

TEST(AnalysisFrame, RangeControlsRecomputeTheTestsOverTheChosenDraws) {
    FrameHost host(n3::testing::generatedHistory(1200, 4));
    AnalysisWindow w(host, Row("乱数性の検定"));
    w.load();
    w.resize(900, 560);
    w.show();
    ASSERT_NE(w.rangeControls(), nullptr);
    EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("useOptionFlags")), nullptr);
    EXPECT_EQ(Cell(w, 2, 3), "1,200");

    RangeControls* range = w.rangeControls();
    EXPECT_FALSE(range->fromBox()->isEnabled());
    range->choice()->setFocus();
    QTest::keyClick(range->choice(), Qt::Key_Down);  // 直近100回
    EXPECT_EQ(Cell(w, 2, 3), "1,200");               // nothing moves before 再計算
    ClickAndWait(w, range->recomputeButton());
    EXPECT_EQ(Cell(w, 2, 3), "100");
    EXPECT_EQ(w.shownRange().from, 1101);
    EXPECT_EQ(Cell(w, 7, 3), kVerdictChance);
    EXPECT_EQ(Cell(w, 7, 7), "データ不足");  // 組合せの型 needs 500 draws

    QTest::keyClick(range->choice(), Qt::Key_Down);
    QTest::keyClick(range->choice(), Qt::Key_Down);
    QTest::keyClick(range->choice(), Qt::Key_Down);  // 第N回〜第M回
    ASSERT_TRUE(range->fromBox()->isEnabled());
    TypeNumber(range->fromBox(), 301);
    TypeNumber(range->toBox(), 1000);
    ClickAndWait(w, range->recomputeButton());
    EXPECT_EQ(Cell(w, 2, 3), "700");
    EXPECT_EQ(Cell(w, 2, 9), "699");
    EXPECT_NE(Cell(w, 1, 1).find("第301回〜第1000回"), std::string::npos);

    // The charts follow the range: 700 draws hold 2,100 digits.
    ASSERT_NE(w.views(), nullptr);
    ClickTab(w.views(), 1);
    ASSERT_TRUE(w.chartView()->isVisible());
    ASSERT_EQ(w.chartView()->charts().size(), 2u);
    double digits = 0;
    for (const auto& p : w.chartView()->charts()[0].series[1].points) digits += p.y;
    EXPECT_EQ(digits, 2100);
    EXPECT_EQ(w.views()->tabText(0), "表");
    EXPECT_EQ(w.views()->tabText(1), "グラフ");
}

TEST(AnalysisFrame, ChartTabOnAnalysesWithChartsAndPngExport) {
    FrameHost host(n3::testing::generatedHistory(300, 8));
    TempDir dir;
    const QString png = QString::fromStdString(dir.file("chart.png"));
    dialogs::SetFileResponder([&](const dialogs::FileRequest& r) {
        EXPECT_TRUE(r.save);
        return png;
    });
    AnalysisWindow w(host, Row("出現間隔分析"));
    w.load();
    w.resize(900, 260);
    w.show();
    EXPECT_EQ(w.rangeControls(), nullptr);
    ASSERT_NE(w.views(), nullptr);
    ClickTab(w.views(), 1);
    // A window too short for a chart grows when the chart is shown.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_GT(w.height(), 260);
    ChartView* charts = w.chartView();
    EXPECT_GE(charts->height(), 380);
    ASSERT_EQ(charts->charts().size(), 11u);  // all digits, then each digit
    EXPECT_TRUE(charts->chooser()->isVisible());
    charts->chooser()->setFocus();
    QTest::keyClick(charts->chooser(), Qt::Key_Down);
    EXPECT_EQ(charts->currentIndex(), 1);
    EXPECT_EQ(charts->chartView()->chart()->title(), "出現間隔の分布（数字0）");
    QTest::mouseClick(charts->saveButton(), Qt::LeftButton);
    dialogs::SetFileResponder(nullptr);
    const QImage saved(png);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), charts->chartView()->size() * charts->chartView()->devicePixelRatio());
}

TEST(AnalysisFrame, WindowsWithoutChartsOrRangesKeepTheirPlainGrid) {
    FrameHost host(n3::testing::generatedHistory(50, 8));
    AnalysisWindow w(host, Row("回数別出現分析"));
    w.load();
    EXPECT_EQ(w.views(), nullptr);
    EXPECT_EQ(w.rangeControls(), nullptr);
    EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("useOptionFlags")), nullptr);
    EXPECT_EQ(w.grid()->parentWidget(), &w);
}

TEST(AnalysisFrame, ThePredictionsOptionsAreFollowedAsTheyAreSwitched) {
    FrameHost host(n3::testing::generatedHistory(50, 8));
    AnalysisWindowInfo row = Row("乱数性の検定");
    row.content = &FlagsContent;
    row.hasRangeControls = false;
    row.usesOptionFlags = true;
    host.flags[2] = true;
    AnalysisWindow w(host, row);
    w.load();
    w.show();
    EXPECT_EQ(w.rangeControls(), nullptr);
    EXPECT_EQ(w.views(), nullptr);  // no charts: the grid stays alone
    EXPECT_EQ(Cell(w, 3, 1), "1");
    EXPECT_EQ(Cell(w, 5, 1), "0");
    // No button to press: the switch itself reaches the window.
    EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("useOptionFlags")), nullptr);
    host.flags[4] = true;
    QSignalSpy computed(&w, &AnalysisWindow::computed);
    w.followOptionFlags();
    ASSERT_TRUE(computed.count() > 0 || computed.wait(10000));
    EXPECT_EQ(Cell(w, 5, 1), "1");
    EXPECT_TRUE(w.shownFlags()[4]);
}

TEST(AnalysisFrame, ALongComputationShowsTheBusyBarAndKeepsTheWindowLive) {
    FrameHost host(n3::testing::generatedHistory(200, 8));
    AnalysisWindowInfo row = Row("乱数性の検定");
    row.content = &HeldContent;
    gRelease = std::promise<void>();
    gRelease.set_value();  // the load runs straight through
    AnalysisWindow w(host, row);
    w.load();
    w.show();
    gRelease = std::promise<void>();
    RangeControls* range = w.rangeControls();
    range->choice()->setFocus();
    QTest::keyClick(range->choice(), Qt::Key_Down);  // 直近100回
    QSignalSpy computed(&w, &AnalysisWindow::computed);
    QTest::mouseClick(range->recomputeButton(), Qt::LeftButton);
    EXPECT_FALSE(range->isEnabled());
    EXPECT_FALSE(w.busyBar()->isVisible());
    // The event loop keeps running; past 200 ms the busy bar and the wait cursor show.
    QElapsedTimer clock;
    clock.start();
    while (!w.busyBar()->isVisible() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(w.busyBar()->isVisible());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    gRelease.set_value();
    ASSERT_TRUE(computed.wait(10000));
    EXPECT_EQ(Cell(w, 1, 1), "101");
    EXPECT_FALSE(w.busyBar()->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(range->isEnabled());
}

TEST(AnalysisFrame, PointerOverABarShowsItsTip) {
    FrameHost host(n3::testing::generatedHistory(300, 8));
    AnalysisWindow w(host, Row("出現頻度分析"));
    w.load();
    w.resize(900, 560);
    w.show();
    ClickTab(w.views(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QChartView* view = w.chartView()->chartView();
    QChart* chart = view->chart();
    QAbstractSeries* bars = nullptr;
    for (QAbstractSeries* s : chart->series())
        if (s->type() == QAbstractSeries::SeriesTypeBar) bars = s;
    ASSERT_NE(bars, nullptr);
    const auto& points = w.chartView()->charts()[0].series[1].points;
    const QPointF middleOfBar3 = chart->mapToPosition(QPointF(3, points[3].y - 5), bars);
    const QPoint at = view->mapFromScene(chart->mapToScene(middleOfBar3));
    QToolTip::hideText();
    QTest::mouseMove(view->viewport(), QPoint(2, 2));  // enter the bar from outside
    QTest::mouseMove(view->viewport(), at);
    EXPECT_NE(QToolTip::text().toStdString().find("数字3: "), std::string::npos) << QToolTip::text().toStdString();
}

TEST(ChartRender, PaintChartDrawsBarsOnAnyDevice) {
    ChartData data;
    data.title = "t";
    data.categories = {"0", "1", "2"};
    ChartSeries bars;
    bars.kind = SeriesKind::Bars;
    bars.colour = Colour{10, 200, 30};
    bars.points = {{0, 5, ""}, {1, 8, ""}, {2, 3, ""}};
    data.series = {bars};
    QImage image(800, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintChart(painter, QRectF(100, 50, 600, 400), data);
    }
    int green = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(10, 200, 30)) continue;
            ++green;
            if (x < 100 || x >= 700 || y < 50 || y >= 450) ++outside;
        }
    EXPECT_GT(green, 2000);
    EXPECT_EQ(outside, 0);
}
