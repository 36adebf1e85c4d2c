// The player's money and dates as the screen shows them: a prize past its
// deadline is 失効 (named once at start-up, apart in the book's sums), Ctrl+R
// marks the ticket of the row last clicked after naming it and Ctrl+Z takes
// it back; with draws missing up to today, the status line and the card say
// so and the card's next draw lies after today.
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include "entry_test_support.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/tickets/ticket_box.h"
#include "platform/qt/tickets/ticket_outcome_model.h"
#include "platform/qt/tickets/ticket_table_model.h"
#include "platform/qt/tickets/tickets_window.h"
#include "platform/store/database.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

DrawResult Dated(int no, const char* date, std::int64_t straightYen) {
    DrawResult r;
    r.drawNo = no;
    r.date = date;
    r.prize(PrizeKind::Straight).yen = straightYen;
    return r;
}

Purchase Straight(int draw, const char* number, const char* date) {
    Purchase p;
    p.購入日 = date;
    p.最初の回数 = draw;
    p.番号 = number;
    return p;
}

// Draw 2 (2026-07-01, 919) and draw 3 (2026-08-21, 128) won straights of
// 88,500 and 82,900 yen; on 2027-08-09 the first is past its deadline
// (2027-07-01) and the second has 12 days left.
class ClaimsAndCard : public ::testing::Test {
protected:
    void SetUp() override {
        auto db = Database::Open(path);
        db->Import({MakeDraw(1, 1, 2, 3), MakeDraw(2, 9, 1, 9), MakeDraw(3, 1, 2, 8)},
                   {Dated(1, "2026-06-30", 90000), Dated(2, "2026-07-01", 88500), Dated(3, "2026-08-21", 82900)},
                   false);
        db->tickets().Add(Straight(2, "919", "2026-07-01"));
        db->tickets().Add(Straight(3, "128", "2026-08-21"));
    }
    void start(QDate today) {
        main = std::make_unique<MainWindow>(path, dir.file("settings.ini"));
        main->setClock([today] { return today; });
        ASSERT_TRUE(main->startUp());
        main->show();
        QCoreApplication::processEvents();
    }
    bool named(const std::string& words) const {
        return std::any_of(messages.asked.begin(), messages.asked.end(),
                           [&](const auto& m) { return m.text.toStdString().find(words) != std::string::npos; });
    }
    TicketsWindow* openBook() {
        EXPECT_TRUE(main->trigger(QStringLiteral("tickets")));
        return qobject_cast<TicketsWindow*>(main->child(QStringLiteral("購入記録")));
    }
    static void click(QTableView* grid, int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    TempDir dir;
    std::string path = dir.file("n3.db");
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(ClaimsAndCard, AnExpiredPrizeIsNamedOnceAndANearOneWithItsDaysLeft) {
    start(QDate(2027, 8, 9));
    EXPECT_TRUE(
        named("受け取っていない当せん金が期限切れになりました: 第2回 ストレート 88,500円 期限 2027-07-01（目安）"));
    EXPECT_TRUE(named("第3回 ストレート 82,900円 期限 2027-08-21（目安）（あと12日）"));
    main.reset();
    messages.asked.clear();
    start(QDate(2027, 8, 10));
    EXPECT_FALSE(named("期限切れになりました"));
    EXPECT_TRUE(named("（あと11日）"));
}

TEST_F(ClaimsAndCard, TheBookSumsAnExpiredPrizeApartAndMarksTheClickedTicket) {
    start(QDate(2027, 8, 9));
    TicketsWindow* book = openBook();
    ASSERT_NE(book, nullptr);
    const QString summary = book->summaryLabel()->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("当せん金 82,900 円　収支 82,500 円"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("失効 88,500円"))) << summary.toStdString();
    TicketOutcomeModel* outcomes = book->outcomes();
    EXPECT_EQ(outcomes->index(0, TicketOutcomeModel::kYenColumn).data().toString(), QString());
    EXPECT_EQ(outcomes->index(0, TicketOutcomeModel::kExpiredColumn).data().toString(), QStringLiteral("88,500"));
    EXPECT_NE(outcomes->index(0, 0).data(Qt::ForegroundRole), outcomes->index(1, 0).data(Qt::ForegroundRole));
    EXPECT_TRUE(book->statusBar()->currentMessage().contains(QStringLiteral("期限切れになりました")));

    // The upper row of the first ticket, then the lower row of the second:
    // Ctrl+R names and marks the second.
    click(book->purchaseGrid(), 0);
    click(book->outcomeGrid(), 1);
    messages.asked.clear();
    messages.answers = {dialogs::Result::Yes};
    QTest::keyClick(book->outcomeGrid(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, QStringLiteral("第3回 ストレート 128 当せん 82,900円を受け取り済みにしますか？"));
    EXPECT_FALSE(book->model()->book()[0].受け取り済み);
    EXPECT_TRUE(book->model()->book()[1].受け取り済み);
    EXPECT_EQ(outcomes->index(1, TicketOutcomeModel::kDeadlineColumn).data().toString(),
              QStringLiteral("受け取り済み"));

    QTest::keyClick(book->outcomeGrid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(book->model()->book()[1].受け取り済み);
    // Answered no, nothing changes.
    QTest::keyClick(book->outcomeGrid(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(book->model()->book()[1].受け取り済み);
}

TEST_F(ClaimsAndCard, MissingDrawsAreNamedAndTheCardsNextDrawLiesAfterToday) {
    // Draw 3 on 2026-08-21 (a Friday); today Tuesday 2026-12-08: the weekdays
    // 2026-08-24 to 2026-12-08 are 77 draws missing, the next is 2026-12-09.
    start(QDate(2026, 12, 8));
    const std::string missing = "第4回から約77回分のデータがありません。最新の当選データを取得してください";
    EXPECT_EQ(main->statusBar()->currentMessage().toStdString(), missing);
    auto* fetch = main->findChild<QPushButton*>(QStringLiteral("fetchMissing"));
    ASSERT_NE(fetch, nullptr);
    EXPECT_TRUE(fetch->isVisible());

    ASSERT_TRUE(main->trigger(QStringLiteral("nextDraw")));
    auto* card = qobject_cast<AnalysisWindow*>(main->child(QStringLiteral("次回の抽せん")));
    ASSERT_NE(card, nullptr);
    QCoreApplication::processEvents();
    while (card->computing()) ASSERT_TRUE(QSignalSpy(card, &AnalysisWindow::computed).wait(10000));
    const std::string line = card->grid()->gridModel().text(1, 1);
    EXPECT_NE(line.find("次回：第81回　抽せん日 2026-12-09（水）（予定）"), std::string::npos) << line;
    EXPECT_NE(line.find(missing), std::string::npos) << line;

    // A ticket from the card is for that draw, dated today.
    auto* box = card->findChild<TicketBox*>();
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box->numberEdit(), QStringLiteral("128"));
    messages.answers = {dialogs::Result::Yes};
    QTest::mouseClick(box->addButton(), Qt::LeftButton);
    TicketsWindow* book = qobject_cast<TicketsWindow*>(main->child(QStringLiteral("購入記録")));
    ASSERT_NE(book, nullptr);
    const Purchase& added = book->model()->book().back();
    EXPECT_EQ(added.最初の回数, 81);
    EXPECT_EQ(added.購入日, "2026-12-08");
}
