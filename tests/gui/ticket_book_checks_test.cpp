// 購入記録's checks and its monthly chart, driven by keys and clicks: a
// purchase dated after its draw is refused, the budget question counts the
// month's real spend, the summary shows once, and the chart has room and a
// visible 累計収支 line.
#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>

#include "entry_test_support.h"
#include "platform/qt/charts/chart_view.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/tickets/ticket_outcome_model.h"
#include "platform/qt/tickets/ticket_table_model.h"
#include "platform/qt/tickets/tickets_window.h"
#include "platform/store/result_store.h"
#include "platform/store/ticket_store.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

using E = TicketBookEditor;

class TicketBookChecks : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("n3.db");
        // Draw 3 was drawn on 2026-01-10; draws 1 and 2 have no date.
        DrawStore store = DrawStore::Open(path);
        DrawResult dated;
        dated.drawNo = 3;
        dated.date = "2026-01-10";
        ImportDrawsAndResults(store, {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6), MakeDraw(3, 7, 8, 9)}, {dated},
                              false);
        main = std::make_unique<MainWindow>(path, dir.file("settings.ini"));
        ASSERT_TRUE(main->startUp());
        main->resize(1366, 768);
        main->show();
        QCoreApplication::processEvents();
        if (QMdiSubWindow* sub = main->subWindow(QStringLiteral("一発ズバリン"))) sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(main->trigger(QStringLiteral("tickets")));
        ASSERT_NE(tickets(), nullptr);
    }
    TicketsWindow* tickets() const { return qobject_cast<TicketsWindow*>(main->child(QStringLiteral("購入記録"))); }
    TicketTableModel* model() const { return tickets()->model(); }
    QTableView* grid() const { return tickets()->purchaseGrid(); }
    void addLine() const {
        QTest::mouseClick(tickets()->findChild<QPushButton*>(QStringLiteral("addLine")), Qt::LeftButton);
    }
    void typeInto(int row, int column, const QString& keys) const {
        const QModelIndex index = model()->index(row, column);
        grid()->setCurrentIndex(index);
        grid()->setFocus();
        QTest::keyClicks(grid(), keys.left(1));
        auto* editor = qobject_cast<QLineEdit*>(grid()->indexWidget(index));
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, keys.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    std::vector<Purchase> stored() const { return TicketStore::Open(path).ReadAll(); }

    TempDir dir;
    std::string path;
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
};

TEST_F(TicketBookChecks, APurchaseDatedAfterItsDrawIsRefusedWithAMessage) {
    addLine();
    ASSERT_EQ(stored().size(), 1u);
    typeInto(0, E::kDate, QStringLiteral("2026-01-09"));
    typeInto(0, E::kFirstDraw, QStringLiteral("3"));
    ASSERT_EQ(stored()[0].最初の回数, 3);  // bought the day before its draw: fine
    messages.asked.clear();
    typeInto(0, E::kDate, QStringLiteral("2026-01-11"));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("第3回の抽せん日（2026-01-10）より後")))
        << messages.asked[0].text.toStdString();
    EXPECT_EQ(stored()[0].購入日, "2026-01-09");
    // The draw's own day is still a day to buy on; a draw without a date is not checked.
    messages.asked.clear();
    typeInto(0, E::kDate, QStringLiteral("2026-01-10"));
    EXPECT_EQ(stored()[0].購入日, "2026-01-10");
    typeInto(0, E::kFirstDraw, QStringLiteral("2"));
    typeInto(0, E::kDate, QStringLiteral("2030-05-05"));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(stored()[0].購入日, "2030-05-05");
}

TEST_F(TicketBookChecks, BudgetQuestionStartsFromTheMonthsRealSpend) {
    for (int i = 0; i < 3; ++i) addLine();  // three purchases of 200 yen this month
    ASSERT_EQ(stored().size(), 3u);
    tickets()->budgetEdit()->setFocus();
    QTest::keyClicks(tickets()->budgetEdit(), QStringLiteral("1000"));
    QTest::keyClick(tickets()->budgetEdit(), Qt::Key_Return);
    messages.asked.clear();
    typeInto(0, E::kUnits, QStringLiteral("5"));  // 200 → 1,000 yen: the month would hold 1,400
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("600 円 → 1,400 円")))
        << messages.asked[0].text.toStdString();
    EXPECT_EQ(stored()[0].口数, 1);  // answered No
}

TEST_F(TicketBookChecks, SummaryShowsOnceAndAnUnknownPrizeReadsAsAWin) {
    addLine();
    typeInto(0, E::kFirstDraw, QStringLiteral("1"));
    typeInto(0, E::kNumber, QStringLiteral("123"));  // draw 1 is 123, its prize unknown
    const QString line = tickets()->summaryLabel()->text();
    EXPECT_TRUE(line.contains(QStringLiteral("当せん（金額不明） 1 回"))) << line.toStdString();
    int shown = 0;
    for (const QLabel* label : tickets()->findChildren<QLabel*>()) shown += label->text() == line;
    EXPECT_EQ(shown, 1);
    auto* outcomes = tickets()->outcomes();
    EXPECT_TRUE(outcomes->data(outcomes->index(0, 6)).toString().endsWith(QStringLiteral("当せん（金額不明）")));
}

TEST_F(TicketBookChecks, MonthlyChartHasRoomAndDrawsTheRunningBalance) {
    addLine();
    // One month: the line is a single point, shown by its mark.
    {
        auto* view = tickets()->monthChart()->findChild<QChartView*>(QStringLiteral("chartView"));
        ASSERT_NE(view, nullptr);
        for (QAbstractSeries* s : view->chart()->series()) {
            auto* line = qobject_cast<QLineSeries*>(s);
            if (line && s->name() == QStringLiteral("累計収支")) {
                EXPECT_EQ(line->count(), 1);
                EXPECT_TRUE(line->pointsVisible());
            }
        }
    }
    typeInto(0, E::kDate, QStringLiteral("2025-12-01"));
    addLine();  // this month's
    auto* tabs = tickets()->findChild<QTabWidget*>(QStringLiteral("monthViews"));
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(1);
    QMdiSubWindow* sub = main->subWindow(QStringLiteral("購入記録"));
    sub->showMaximized();
    QCoreApplication::processEvents();
    auto* view = tickets()->monthChart()->findChild<QChartView*>(QStringLiteral("chartView"));
    ASSERT_NE(view, nullptr);
    EXPECT_GE(view->height(), 180);
    QLineSeries* balance = nullptr;
    for (QAbstractSeries* s : view->chart()->series())
        if (s->name() == QStringLiteral("累計収支")) balance = qobject_cast<QLineSeries*>(s);
    ASSERT_NE(balance, nullptr);
    ASSERT_EQ(balance->count(), 2);
    EXPECT_EQ(balance->pen().style(), Qt::SolidLine);
    // The balance is in the red: the value axis reaches down to it.
    auto* axis = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).value(0));
    ASSERT_NE(axis, nullptr);
    for (const QPointF& p : balance->points()) {
        EXPECT_LT(p.y(), 0);
        EXPECT_GE(p.y(), axis->min());
        EXPECT_LE(p.y(), axis->max());
    }
}

}  // namespace
