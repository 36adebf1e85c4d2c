// 配当分析 through the analysis frame: the four tabs with their captions,
// the trend chart beside the first grid, the selector of the factors tab,
// sorting by a factor with a click on its heading, the scatter of the last
// tab and every view in the print.
#include <gtest/gtest.h>

#include <utility>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "fake_host.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/analysis/content_tab_view.h"
#include "platform/qt/charts/chart_view.h"
#include "platform/qt/grid/grid_view.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

// 200 draws over two years, numbers 0..199 in turn twice over (every number
// wins twice), straight prizes 100,000 except every number ending in 7,
// which pays 50,000 — so those numbers have the lowest factors.
std::pair<DrawHistory, ResultHistory> PricedHistory() {
    DrawHistory history;
    ResultHistory results;
    for (int i = 1; i <= 400; ++i) {
        const int number = (i - 1) % 200;
        Draw d;
        d.drawNo = i;
        d.digits = {number / 100, number / 10 % 10, number % 10};
        history.push_back(d);
        DrawResult r;
        r.drawNo = i;
        r.date = (i <= 200 ? "2020-" : "2021-") + std::string(i % 2 ? "03-" : "04-") + std::string(i % 3 ? "10" : "11");
        r.prize(PrizeKind::Straight).yen = number % 10 == 7 ? 50000 : 100000;
        r.prize(PrizeKind::Box).yen = 20000;
        r.prize(PrizeKind::Mini).yen = 9000;
        results.push_back(r);
    }
    return {std::move(history), std::move(results)};
}

}  // namespace

TEST(PayoutWindow, FourTabsSelectorSortingAndPrint) {
    auto [history, results] = PricedHistory();
    n3::testing::FakeHost host(std::move(history), std::move(results));
    AnalysisWindow w(host, *FindAnalysisWindow("配当分析"));
    w.load();
    w.resize(1000, 700);
    w.show();
    QTabWidget* tabs = w.views();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("当せん金額の推移"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("番号ごとの配当倍率"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("パターン別"));
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("人気は続くか"));
    EXPECT_TRUE(w.headline()->isVisible());
    ASSERT_NE(w.chartView(), nullptr);
    EXPECT_TRUE(w.chartView()->isVisible());
    EXPECT_EQ(w.grid()->gridModel().text(1, 3), "2020年");

    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ASSERT_EQ(w.contentTabs().size(), 3u);
    ContentTabView* factors = w.contentTabs()[0];
    ASSERT_TRUE(factors->isVisible());
    EXPECT_TRUE(factors->chooser()->isVisible());
    QTableView* table = factors->tableView();
    EXPECT_EQ(table->model()->rowCount(), 1000);
    // Sort by 配当倍率 (ascending): a number ending in 7 comes first.
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + header->sectionSize(2) / 2, header->height() / 2));
    if (header->sortIndicatorOrder() != Qt::AscendingOrder)
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(2) + header->sectionSize(2) / 2, header->height() / 2));
    // Numbers that never won (200–999, "－") sort below every factor; then
    // the lowest factor, a number ending in 7.
    int first = 0;
    while (first < 1000 && table->model()->index(first, 2).data().toString() == QStringLiteral("－")) ++first;
    EXPECT_EQ(first, 800);
    EXPECT_TRUE(table->model()->index(first, 0).data().toString().endsWith(QLatin1Char('7')));
    EXPECT_EQ(table->model()->index(first, 2).data().toString(), QStringLiteral("0.50"));
    EXPECT_EQ(table->model()->index(999, 2).data().toString(), QStringLiteral("1.00"));
    // The selector picks ミニ: a hundred rows.
    factors->chooser()->setFocus();
    QTest::keyClick(factors->chooser(), Qt::Key_End);
    EXPECT_EQ(table->model()->rowCount(), 100);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    ContentTabView* lasting = w.contentTabs()[2];
    EXPECT_TRUE(lasting->chartView()->isVisible());
    EXPECT_FALSE(lasting->view().charts.empty());

    const auto doc = w.printDocument();
    ASSERT_TRUE(doc);
    int grids = 0;
    for (const auto& item : doc->items) grids += item.kind == PrintItem::Kind::Grid ? 1 : 0;
    EXPECT_EQ(grids, 4);
}
