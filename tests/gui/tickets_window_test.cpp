// 購入記録 inside the main window: opened from its menu item, purchases
// typed into the grid and written at once, refused input left as stored,
// the budget question, and the book following edits of the draws.
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <fstream>
#include <iterator>
#include <set>

#include "entry_test_support.h"
#include "platform/qt/charts/chart_view.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/tickets/ticket_outcome_model.h"
#include "platform/qt/tickets/ticket_table_model.h"
#include "platform/qt/tickets/tickets_window.h"
#include "platform/store/ticket_store.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

using E = TicketBookEditor;

class TicketsInMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("n3.db");
        settings = dir.file("settings.ini");
        StoreDraws(path,
                   {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6), MakeDraw(3, std::nullopt, std::nullopt, std::nullopt)});
        main = std::make_unique<MainWindow>(path, settings);
        ASSERT_TRUE(main->startUp());
        main->show();
        QCoreApplication::processEvents();  // the prediction opens by itself
        if (QMdiSubWindow* sub = main->subWindow(QStringLiteral("一発ズバリン"))) sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(main->trigger(QStringLiteral("tickets")));
        ASSERT_NE(tickets(), nullptr);
        ASSERT_NE(tickets()->model(), nullptr);
    }
    TicketsWindow* tickets() const { return qobject_cast<TicketsWindow*>(main->child(QStringLiteral("購入記録"))); }
    TicketTableModel* model() const { return tickets()->model(); }
    QTableView* grid() const { return tickets()->purchaseGrid(); }
    QString cell(int row, int column) const { return model()->data(model()->index(row, column)).toString(); }
    QString outcome(int row, int column) const {
        auto* m = tickets()->outcomes();
        return m->data(m->index(row, column)).toString();
    }
    std::vector<Purchase> stored() const { return TicketStore::Open(path).ReadAll(); }

    // Types into a cell as the user does: the first key opens the editor,
    // Return stores the text.
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
    void chooseType(int row, const QString& name) const {
        const QModelIndex index = model()->index(row, E::kType);
        grid()->setCurrentIndex(index);
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_F2);
        auto* box = qobject_cast<QComboBox*>(grid()->indexWidget(index));
        ASSERT_NE(box, nullptr);
        const int wanted = box->findText(name);
        ASSERT_GE(wanted, 0);
        while (box->currentIndex() < wanted) QTest::keyClick(box, Qt::Key_Down);
        while (box->currentIndex() > wanted) QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    TempDir dir;
    std::string path, settings;
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(TicketsInMainWindow, TypedPurchasesAreStoredAndChecked) {
    EXPECT_TRUE(main->entryFree());  // the entry window may still open beside it
    QTest::mouseClick(tickets()->findChild<QPushButton*>(QStringLiteral("addLine")), Qt::LeftButton);
    ASSERT_EQ(model()->rowCount(), 1);
    EXPECT_EQ(cell(0, E::kFirstDraw), QStringLiteral("3"));  // after the last complete draw
    typeInto(0, E::kFirstDraw, QStringLiteral("1"));
    typeInto(0, E::kDraws, QStringLiteral("3"));
    typeInto(0, E::kNumber, QStringLiteral("321"));
    chooseType(0, QStringLiteral("ボックス"));
    typeInto(0, E::kUnits, QStringLiteral("2"));
    typeInto(0, E::kMemo, QStringLiteral("first"));
    ASSERT_EQ(stored().size(), 1u);
    const Purchase p = stored()[0];
    EXPECT_EQ(p.番号, "321");
    EXPECT_EQ(p.種類, TicketKind::Box);
    EXPECT_EQ(p.最初の回数, 1);
    EXPECT_EQ(p.継続回数, 3);
    EXPECT_EQ(p.口数, 2);
    EXPECT_EQ(p.メモ, "first");
    EXPECT_EQ(cell(0, E::kCost), QStringLiteral("1,200"));

    // Draw 1 (123) wins a box with no prize list yet, draw 2 loses, draw 3
    // has no digits.
    ASSERT_EQ(tickets()->outcomes()->rowCount(), 3);
    EXPECT_EQ(outcome(0, 6), QStringLiteral("ボックス 当せん（金額不明）"));
    EXPECT_EQ(outcome(1, 6), QStringLiteral("はずれ"));
    EXPECT_EQ(outcome(2, 6), QStringLiteral("未抽せん"));
    EXPECT_TRUE(tickets()->summaryLabel()->text().contains(QStringLiteral("購入金額 1,200 円")));
    // The line is shown once: no other label or bar of the window repeats it.
    int shown = 0;
    for (const QLabel* label : tickets()->findChildren<QLabel*>())
        if (label->text() == tickets()->summaryLabel()->text()) ++shown;
    EXPECT_EQ(shown, 1);
    for (const QStatusBar* bar : tickets()->findChildren<QStatusBar*>())
        EXPECT_NE(bar->currentMessage(), tickets()->summaryLabel()->text());
    ASSERT_EQ(tickets()->chart().series.size(), 3u);
    EXPECT_EQ(tickets()->chart().series[0].points[0].y, 1200);
    // The month tab's chart shows the same months.
    ASSERT_EQ(tickets()->monthChart()->charts().size(), 1u);
    EXPECT_EQ(tickets()->monthChart()->charts()[0].series[0].points[0].y, 1200);

    // Delete empties the memo.
    grid()->setCurrentIndex(model()->index(0, E::kMemo));
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(stored()[0].メモ, "");
    EXPECT_TRUE(messages.asked.empty());

    // Letters never reach the number cell; a triple box is refused.
    const QModelIndex number = model()->index(0, E::kNumber);
    grid()->setCurrentIndex(number);
    QTest::keyClicks(grid(), QStringLiteral("5"));
    auto* editor = qobject_cast<QLineEdit*>(grid()->indexWidget(number));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("x55"));
    EXPECT_EQ(editor->text(), QStringLiteral("555"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("ゾロ目")));
    EXPECT_EQ(stored()[0].番号, "321");
    EXPECT_EQ(cell(0, E::kNumber), QStringLiteral("321"));

    // 行削除 asks first.
    messages.answers = {dialogs::Result::Yes};
    QTest::mouseClick(tickets()->findChild<QPushButton*>(QStringLiteral("delLine")), Qt::LeftButton);
    EXPECT_EQ(model()->rowCount(), 0);
    EXPECT_TRUE(stored().empty());
    EXPECT_EQ(tickets()->outcomes()->rowCount(), 0);
}

TEST_F(TicketsInMainWindow, BudgetIsAskedBeforeAPurchasePassesIt) {
    QLineEdit* budget = tickets()->budgetEdit();
    budget->setFocus();
    QTest::keyClicks(budget, QStringLiteral("600"));
    QTest::keyClick(budget, Qt::Key_Return);
    std::ifstream in(settings, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("月の予算=600\r\n"), std::string::npos);

    // New purchases are dated by the window's clock: the last day of a month,
    // then the first of the next, whatever day the test runs on.
    QDate today(2024, 5, 31);
    tickets()->setClock([&today] { return today; });
    QPushButton* add = tickets()->findChild<QPushButton*>(QStringLiteral("addLine"));
    QTest::mouseClick(add, Qt::LeftButton);
    typeInto(0, E::kUnits, QStringLiteral("3"));  // 600 yen: exactly the budget
    EXPECT_TRUE(messages.asked.empty());

    messages.answers = {dialogs::Result::No};
    QTest::mouseClick(add, Qt::LeftButton);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("2024年05月の購入金額が月の予算 600 円を超えます")))
        << messages.asked[0].text.toStdString();
    EXPECT_EQ(stored().size(), 1u);
    messages.answers = {dialogs::Result::Yes};
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(stored().size(), 2u);
    // A new month starts with the whole budget again.
    today = QDate(2024, 6, 1);
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(messages.asked.size(), 2u);
    const std::vector<Purchase> book = stored();
    ASSERT_EQ(book.size(), 3u);
    std::multiset<std::string> days;
    for (const Purchase& p : book) days.insert(p.購入日);
    EXPECT_EQ(days, (std::multiset<std::string>{"2024-05-31", "2024-05-31", "2024-06-01"}));

    // The end of the program writes the settings file again: the budget set
    // during the run stays in it.
    main->close();
    std::ifstream after(settings, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(after), std::istreambuf_iterator<char>()};
    EXPECT_NE(written.find("月の予算=600\r\n"), std::string::npos) << written;
}

TEST_F(TicketsInMainWindow, BookFollowsEditsInTheEntryWindow) {
    QTest::mouseClick(tickets()->findChild<QPushButton*>(QStringLiteral("addLine")), Qt::LeftButton);
    typeInto(0, E::kNumber, QStringLiteral("789"));
    ASSERT_EQ(tickets()->outcomes()->rowCount(), 1);
    EXPECT_EQ(outcome(0, 4), QStringLiteral("3"));
    EXPECT_EQ(outcome(0, 6), QStringLiteral("未抽せん"));

    ASSERT_TRUE(main->trigger(QStringLiteral("entry")));
    auto* entry = qobject_cast<EntryWindow*>(main->child(QStringLiteral("当選データ入力")));
    ASSERT_NE(entry, nullptr);
    ASSERT_NE(entry->model(), nullptr);
    // Three digits typed from 第1数字: each is stored at once and the cursor moves on.
    entry->grid()->setCurrentIndex(entry->model()->index(2, 1));
    entry->grid()->setFocus();
    QTest::keyClicks(entry->grid(), QStringLiteral("789"));
    QCoreApplication::processEvents();
    EXPECT_EQ(outcome(0, 5), QStringLiteral("789"));
    EXPECT_EQ(outcome(0, 6), QStringLiteral("ストレート 当せん（金額不明）"));
}

TEST_F(TicketsInMainWindow, BookFollowsAnImportWhileOpen) {
    QTest::mouseClick(tickets()->findChild<QPushButton*>(QStringLiteral("addLine")), Qt::LeftButton);
    typeInto(0, E::kDraws, QStringLiteral("2"));
    typeInto(0, E::kNumber, QStringLiteral("111"));
    ASSERT_EQ(tickets()->outcomes()->rowCount(), 2);
    EXPECT_EQ(outcome(1, 6), QStringLiteral("未抽せん"));  // draw 4 is not stored

    const std::string csv = dir.write("more.csv", "回数,第1数字,第2数字,第3数字\r\n3,0,0,0\r\n4,1,1,1\r\n");
    dialogs::SetFileResponder([&csv](const dialogs::FileRequest&) { return QString::fromStdString(csv); });
    messages.answers = {dialogs::Result::Ok, dialogs::Result::No};  // imported; no reload
    ASSERT_TRUE(main->trigger(QStringLiteral("importCsv")));
    dialogs::SetFileResponder(nullptr);
    QCoreApplication::processEvents();  // the new snapshot is taken once the writes are over
    ASSERT_NE(tickets(), nullptr);
    EXPECT_EQ(outcome(0, 5), QStringLiteral("000"));
    EXPECT_EQ(outcome(0, 6), QStringLiteral("はずれ"));
    EXPECT_EQ(outcome(1, 5), QStringLiteral("111"));
    EXPECT_TRUE(outcome(1, 6).endsWith(QStringLiteral(" 当せん（金額不明）"))) << outcome(1, 6).toStdString();
}
