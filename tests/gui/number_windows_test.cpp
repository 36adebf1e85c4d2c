// 数字検索 and 次回の抽せん in the analysis frame: the number box (full-width
// digits, a refused entry), the sortable 全1000通り tab whose double click
// fills the box, and "購入記録に追加" from the question to the ticket book.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "entry_test_support.h"
#include "fake_host.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/lookup/number_box.h"
#include "platform/qt/tickets/ticket_box.h"
#include "platform/qt/tickets/ticket_table_model.h"
#include "platform/qt/tickets/tickets_window.h"
#include "platform/store/database.h"
#include "platform/store/ticket_store.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

using n3::testing::NumberHost;

const AnalysisWindowInfo& Row(const char* name) { return *FindAnalysisWindow(name); }

bool GridHas(const AnalysisWindow& w, const std::string& text) {
    const GridModel& g = w.grid()->gridModel();
    for (int r = 1; r <= g.rows(); ++r)
        for (int c = 1; c <= g.columns(); ++c)
            if (g.text(c, r).find(text) != std::string::npos) return true;
    return false;
}

// Types as the keyboard would, full-width characters through an input method's text.
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Types into a line edit and presses Return, then waits for the figures.
void EnterAndWait(AnalysisWindow& w, QLineEdit* edit, const QString& text) {
    QSignalSpy computed(&w, &AnalysisWindow::computed);
    edit->setFocus();
    edit->clear();
    TypeText(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_TRUE(computed.wait(10000));
}

struct Answers {
    std::vector<dialogs::MessageRequest> asked;
    dialogs::Result answer = dialogs::Result::Yes;
    Answers() {
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            asked.push_back(r);
            return r.buttons == dialogs::Buttons::Ok ? dialogs::Result::Ok : answer;
        });
    }
    ~Answers() { dialogs::SetMessageResponder(nullptr); }
};

}  // namespace

TEST(NumberLookupWindow, FullWidthNumberRecomputesAndABadOneIsRefused) {
    NumberHost host(n3::testing::history({{1, 1, 2, 3}, {2, 3, 2, 1}, {3, 1, 2, 3}, {4, 5, 5, 5}}));
    AnalysisWindow w(host, Row("数字検索"));
    w.load();
    w.resize(900, 600);
    w.show();
    ASSERT_NE(w.numberBox(), nullptr);
    EXPECT_FALSE(w.shownNumber());
    EXPECT_TRUE(GridHas(w, "番号（000～999）を入れると"));

    EnterAndWait(w, w.numberBox()->edit(), QStringLiteral("１２３"));
    EXPECT_EQ(w.shownNumber(), 123);
    EXPECT_EQ(w.numberBox()->edit()->text(), QStringLiteral("123"));
    EXPECT_TRUE(GridHas(w, "番号 123（シングル）"));
    EXPECT_TRUE(w.numberBox()->message()->text().isEmpty());

    QSignalSpy computed(&w, &AnalysisWindow::computed);
    w.numberBox()->edit()->setFocus();
    QTest::keyClicks(w.numberBox()->edit(), QStringLiteral("x"));
    QTest::keyClick(w.numberBox()->edit(), Qt::Key_Return);
    EXPECT_FALSE(w.computing());
    EXPECT_EQ(computed.count(), 0);
    EXPECT_FALSE(w.numberBox()->message()->text().isEmpty());
    EXPECT_EQ(w.shownNumber(), 123);  // the figures on show stay
}

TEST(NumberLookupWindow, SortableTableDoubleClickFillsTheBox) {
    NumberHost host(n3::testing::history({{1, 1, 2, 3}, {2, 3, 2, 1}, {3, 5, 5, 5}, {4, 5, 5, 5}, {5, 0, 5, 5}}));
    AnalysisWindow w(host, Row("数字検索"));
    w.load();
    w.resize(900, 600);
    w.show();
    QTableView* table = w.tableView();
    ASSERT_NE(table, nullptr);
    ASSERT_NE(w.views(), nullptr);
    w.views()->setCurrentWidget(table);
    EXPECT_EQ(table->model()->rowCount(), 1000);
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QStringLiteral("000"));

    // Sort by ストレート回数, most first: 555 came twice.
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + header->sectionSize(2) / 2, header->height() / 2));
    if (header->sortIndicatorOrder() == Qt::AscendingOrder)
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(2) + header->sectionSize(2) / 2, header->height() / 2));
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QStringLiteral("555"));
    EXPECT_EQ(table->model()->index(0, 2).data().toString(), QStringLiteral("2"));

    QSignalSpy computed(&w, &AnalysisWindow::computed);
    const QRect cell = table->visualRect(table->model()->index(0, 3));
    // A double click as the mouse makes it: press, release, then the double click.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(computed.wait(10000));
    EXPECT_EQ(w.numberBox()->edit()->text(), QStringLiteral("555"));
    EXPECT_EQ(w.shownNumber(), 555);
    EXPECT_TRUE(GridHas(w, "番号 555（トリプル）"));
    // Recomputing keeps the table's sort.
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QStringLiteral("555"));
}

TEST(NextDrawWindow, TicketBoxAsksThenHandsTheTicketToTheBook) {
    NumberHost host(n3::testing::history({{1, 1, 2, 3}, {2, 4, 5, 6}, {3, 7, 8, -1}}));
    AnalysisWindow w(host, Row("次回の抽せん"));
    w.load();
    w.show();
    EXPECT_TRUE(GridHas(w, "次回：第3回"));
    TicketBox* box = w.ticketBox();
    ASSERT_NE(box, nullptr);
    Answers answers;

    box->kind()->setCurrentIndex(1);  // ボックス
    box->numberEdit()->setFocus();
    TypeText(box->numberEdit(), QStringLiteral("０４８"));
    answers.answer = dialogs::Result::No;
    QTest::mouseClick(box->addButton(), Qt::LeftButton);
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_TRUE(answers.asked[0].text.contains(QStringLiteral("第3回　048　ボックス　1口")));
    EXPECT_TRUE(host.drafts.empty());

    answers.answer = dialogs::Result::Yes;
    QTest::mouseClick(box->addButton(), Qt::LeftButton);
    ASSERT_EQ(host.drafts.size(), 1u);
    EXPECT_EQ(host.drafts[0].最初の回数, 3);
    EXPECT_EQ(host.drafts[0].番号, "048");
    EXPECT_EQ(host.drafts[0].種類, TicketKind::Box);
    EXPECT_EQ(host.drafts[0].口数, 1);
    EXPECT_EQ(host.drafts[0].継続回数, 1);
}

TEST(NextDrawWindow, TicketBoxRefusesWhatCannotBeBought) {
    NumberHost host(n3::testing::history({{1, 1, 2, 3}}));
    AnalysisWindow w(host, Row("次回の抽せん"));
    w.load();
    TicketBox* box = w.ticketBox();
    Answers answers;
    struct Case {
        int kind;
        const char* typed;
    };
    for (const Case& c : {Case{3, "123"}, Case{0, "12"}, Case{1, "777"}, Case{2, "abc"}}) {
        answers.asked.clear();
        box->kind()->setCurrentIndex(c.kind);
        box->numberEdit()->setText(QString::fromUtf8(c.typed));
        QTest::mouseClick(box->addButton(), Qt::LeftButton);
        ASSERT_EQ(answers.asked.size(), 1u) << c.typed;
        EXPECT_EQ(answers.asked[0].icon, dialogs::Icon::Warning) << c.typed;
    }
    EXPECT_TRUE(host.drafts.empty());
    box->kind()->setCurrentIndex(3);  // ミニ, full-width
    box->numberEdit()->setText(QStringLiteral("０７"));
    QTest::mouseClick(box->addButton(), Qt::LeftButton);
    ASSERT_EQ(host.drafts.size(), 1u);
    EXPECT_EQ(host.drafts[0].番号, "07");
}

TEST(NextDrawWindow, FromTheMenuIntoTheTicketBookOfTheMainWindow) {
    n3::testing::TempDir dir;
    const std::string path = dir.file("n3.db");
    using namespace n3::testing::entry;
    StoreDraws(path, {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6)});
    auto main = std::make_unique<MainWindow>(path, dir.file("settings.ini"));
    ASSERT_TRUE(main->startUp());
    main->show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(main->trigger(QStringLiteral("nextDraw")));
    auto* card = qobject_cast<AnalysisWindow*>(main->child(QStringLiteral("次回の抽せん")));
    ASSERT_NE(card, nullptr);
    Answers answers;
    card->ticketBox()->numberEdit()->setText(QStringLiteral("919"));
    QTest::mouseClick(card->ticketBox()->addButton(), Qt::LeftButton);
    auto* book = qobject_cast<TicketsWindow*>(main->child(QStringLiteral("購入記録")));
    ASSERT_NE(book, nullptr);
    const std::vector<Purchase> stored = TicketStore::Open(path).ReadAll();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].最初の回数, 3);
    EXPECT_EQ(stored[0].番号, "919");
    EXPECT_EQ(stored[0].種類, TicketKind::Straight);
    const QModelIndex current = book->purchaseGrid()->currentIndex();
    EXPECT_EQ(current.row(), 0);
    EXPECT_TRUE(book->statusBar()->currentMessage().contains(QStringLiteral("第3回 919 ストレート 1口を追加しました")));
    EXPECT_TRUE(main->trigger(QStringLiteral("numberLookup")));
    EXPECT_NE(main->child(QStringLiteral("数字検索")), nullptr);
}
