// 当選結果一覧 as the user edits it: a prize typed into a cell (Enter moves
// on), a refused figure explained with nothing changed, undo and redo, the
// ticket book settling at once; and the start-up warning about a prize whose
// claim deadline is near.
#include <QDate>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>

#include "entry_test_support.h"
#include "platform/qt/entry/result_list_window.h"
#include "platform/qt/entry/result_table_model.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/tickets/ticket_outcome_model.h"
#include "platform/qt/tickets/ticket_table_model.h"
#include "platform/qt/tickets/tickets_window.h"
#include "platform/store/database.h"
#include "platform/store/result_store.h"
#include "platform/store/ticket_store.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

constexpr int kStraightYen = ResultRowEdit::kFirstFigureColumn + 1;
constexpr int kBoxYen = ResultRowEdit::kFirstFigureColumn + 3;

class ResultListEditing : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("n3.db");
        StoreDraws(path, {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6), MakeDraw(3, 7, 7, 7)});
        // A ticket on draw 2: a straight 456 that wins once the prize is known.
        Purchase p;
        p.購入日 = "1994-10-10";
        p.最初の回数 = 2;
        p.番号 = "456";
        TicketStore::Open(path).Add(p);
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages.push_back(r.text.toStdString());
            return r.buttons == dialogs::Buttons::Ok ? dialogs::Result::Ok : answer;
        });
        main = std::make_unique<MainWindow>(path, dir.file("settings.ini"));
        ASSERT_TRUE(main->startUp());
        main->show();
        QCoreApplication::processEvents();
        if (QMdiSubWindow* sub = main->subWindow(QStringLiteral("一発ズバリン"))) sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(main->trigger(QStringLiteral("tickets")));
        ASSERT_TRUE(main->trigger(QStringLiteral("resultList")));
        ASSERT_NE(list(), nullptr);
    }
    void TearDown() override {
        main.reset();
        dialogs::SetMessageResponder(nullptr);
    }
    ResultListWindow* list() const {
        return qobject_cast<ResultListWindow*>(main->child(QStringLiteral("当選結果一覧")));
    }
    TicketsWindow* tickets() const { return qobject_cast<TicketsWindow*>(main->child(QStringLiteral("購入記録"))); }
    QString cell(int row, int column) const { return list()->model()->index(row, column).data().toString(); }
    QString outcome(int column) const {
        auto* m = tickets()->outcomes();
        return m->index(0, column).data().toString();
    }
    // Types into a cell as the user does: the first key opens the editor,
    // Return stores the text.
    void typeInto(int row, int column, const QString& keys) const {
        QTableView* grid = list()->grid();
        const QModelIndex index = list()->model()->index(row, column);
        grid->setCurrentIndex(index);
        grid->setFocus();
        QTest::keyClicks(grid, keys.left(1));
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(index));
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, keys.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    ResultHistory stored() const { return ReadResults(DrawStore::Open(path)); }

    TempDir dir;
    std::string path;
    std::vector<std::string> messages;
    dialogs::Result answer = dialogs::Result::No;  // to a question
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(ResultListEditing, ATypedPrizeIsStoredAndTheTicketSettlesAtOnce) {
    EXPECT_EQ(outcome(6), QStringLiteral("ストレート 当せん（金額不明）"));
    // Row 1 is draw 2 (newest first).
    typeInto(1, kStraightYen, QStringLiteral("87,100"));
    EXPECT_EQ(cell(1, kStraightYen), QStringLiteral("87,100円"));
    ASSERT_NE(FindResult(stored(), 2), nullptr);
    EXPECT_EQ(FindResult(stored(), 2)->prize(PrizeKind::Straight).yen, 87100);
    // Enter moved the cursor on to the next cell.
    EXPECT_EQ(list()->grid()->currentIndex().column(), kStraightYen + 1);
    EXPECT_EQ(outcome(7), QStringLiteral("87,100"));

    // Undo and redo write the database again; the book follows each.
    list()->Undo();
    QCoreApplication::processEvents();
    EXPECT_FALSE(FindResult(stored(), 2) && FindResult(stored(), 2)->prize(PrizeKind::Straight).yen);
    EXPECT_EQ(cell(1, kStraightYen), QString());
    EXPECT_EQ(outcome(6), QStringLiteral("ストレート 当せん（金額不明）"));
    list()->Redo();
    QCoreApplication::processEvents();
    EXPECT_EQ(FindResult(stored(), 2)->prize(PrizeKind::Straight).yen, 87100);
    EXPECT_EQ(outcome(7), QStringLiteral("87,100"));
}

TEST_F(ResultListEditing, RefusedFiguresAreExplainedAndNothingChanges) {
    const ResultHistory before = stored();
    // Draw 3 is 777: no box prize.
    typeInto(0, kBoxYen, QStringLiteral("5000"));
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().find("ボックス・セット"), std::string::npos) << messages.back();
    typeInto(1, kStraightYen, QStringLiteral("100000000"));
    EXPECT_NE(messages.back().find("99,999,999"), std::string::npos) << messages.back();
    EXPECT_EQ(stored(), before);
    EXPECT_FALSE(list()->model()->undoStack()->canUndo());
}

// Impossible input is refused with the reason; an unusual date or a prize
// off the prize rule is stored only once the user says yes.
TEST_F(ResultListEditing, ImpossibleInputIsRefusedAndUnusualInputAsked) {
    typeInto(1, kStraightYen, QStringLiteral("-5000"));
    EXPECT_NE(messages.back().find("「-5000」は入力できません"), std::string::npos) << messages.back();
    typeInto(1, kStraightYen, QStringLiteral("abc"));
    EXPECT_NE(messages.back().find("「abc」"), std::string::npos) << messages.back();
    EXPECT_FALSE(FindResult(stored(), 2));
    // Draw 1 on Friday 2026-08-14: draw 2 on the day before is refused, on
    // the Sunday after it is asked about (answered no, then yes).
    typeInto(2, ResultRowEdit::kDateColumn, QStringLiteral("2026-08-14"));
    typeInto(1, ResultRowEdit::kDateColumn, QStringLiteral("2026-08-13"));
    EXPECT_NE(messages.back().find("前の回（第1回、2026-08-14）より後"), std::string::npos) << messages.back();
    typeInto(1, ResultRowEdit::kDateColumn, QStringLiteral("2026-08-16"));
    EXPECT_NE(messages.back().find("2026-08-16（日）は抽せんの日程"), std::string::npos) << messages.back();
    EXPECT_EQ(cell(1, ResultRowEdit::kDateColumn), QStringLiteral("2026-08-17（予定）"));
    answer = dialogs::Result::Yes;
    typeInto(1, ResultRowEdit::kDateColumn, QStringLiteral("2026-08-16"));
    EXPECT_EQ(FindResult(stored(), 2)->date, "2026-08-16");
    // 456 has 6 orders: a box prize of 20,000 beside a straight of 87,100
    // breaks the rule (14,500).
    typeInto(1, kStraightYen, QStringLiteral("87100"));
    answer = dialogs::Result::No;
    typeInto(1, kStraightYen + 2, QStringLiteral("20000"));
    EXPECT_NE(messages.back().find("14,500円と違います"), std::string::npos) << messages.back();
    EXPECT_NE(messages.back().find("当せん金額の規則"), std::string::npos) << messages.back();
    EXPECT_FALSE(FindResult(stored(), 2)->prize(PrizeKind::Box).yen);
    // Every heading fits its column.
    QHeaderView* header = list()->grid()->horizontalHeader();
    for (int c = 0; c < list()->model()->columnCount(); ++c)
        EXPECT_LE(header->fontMetrics().horizontalAdvance(list()->model()->headerData(c, Qt::Horizontal).toString()),
                  header->sectionSize(c))
            << c;
}

TEST_F(ResultListEditing, ADateTypedReplacesTheEstimatedOnesAfterIt) {
    typeInto(2, ResultRowEdit::kDateColumn, QStringLiteral("2026-08-20"));
    QCoreApplication::processEvents();
    // Draws 2 and 3 follow the schedule from there, marked as planned.
    EXPECT_EQ(cell(2, ResultRowEdit::kDateColumn), QStringLiteral("2026-08-20"));
    EXPECT_EQ(cell(1, ResultRowEdit::kDateColumn), QStringLiteral("2026-08-21（予定）"));
    EXPECT_EQ(cell(0, ResultRowEdit::kDateColumn), QStringLiteral("2026-08-24（予定）"));
    // A date past its successor's is refused.
    typeInto(2, ResultRowEdit::kDateColumn, QStringLiteral("2026-08-25"));
    EXPECT_NE(messages.back().find("第2回"), std::string::npos) << messages.back();
    EXPECT_EQ(FindResult(stored(), 1)->date, "2026-08-20");
    // The newest draw: a date not yet come is refused; one off the schedule
    // (Saturday, not the Friday after draw 1) is asked about and kept only on Yes.
    typeInto(0, ResultRowEdit::kDateColumn, QStringLiteral("2099-12-31"));
    EXPECT_NE(messages.back().find("まだ来ていない日"), std::string::npos) << messages.back();
    typeInto(1, ResultRowEdit::kDateColumn, QStringLiteral("2026-08-22"));
    EXPECT_NE(messages.back().find("予定の抽せん日（2026-08-21）と違います"), std::string::npos) << messages.back();
    EXPECT_TRUE(FindResult(stored(), 2)->dateEstimated);
    EXPECT_TRUE(FindResult(stored(), 3)->dateEstimated);
}

// A straight win on draw 2 (2026-08-20, 88,500 yen): its deadline a year on,
// named at start-up from 30 days before, and in the book's status line.
TEST(ClaimWarningAtStart, NamesTheWinWhenTheDeadlineIsNear) {
    TempDir dir;
    const std::string path = dir.file("n3.db");
    {
        auto db = Database::Open(path);
        DrawResult r;
        r.drawNo = 2;
        r.date = "2026-08-20";
        r.prize(PrizeKind::Straight).yen = 88500;
        db->Import({MakeDraw(1, 1, 2, 3), MakeDraw(2, 9, 1, 9)}, {r}, false);
        Purchase p;
        p.購入日 = "2026-08-20";
        p.最初の回数 = 2;
        p.番号 = "919";
        db->tickets().Add(p);
    }
    for (const auto& [today, warned] : {std::pair{QDate(2027, 7, 20), false}, std::pair{QDate(2027, 7, 21), true},
                                        std::pair{QDate(2027, 8, 20), true}, std::pair{QDate(2027, 8, 21), false}}) {
        std::vector<std::string> messages;
        dialogs::SetMessageResponder([&messages](const dialogs::MessageRequest& m) {
            messages.push_back(m.text.toStdString());
            return m.buttons == dialogs::Buttons::Ok ? dialogs::Result::Ok : dialogs::Result::Yes;
        });
        MainWindow main(path, dir.file("settings.ini"));
        main.setClock([today] { return today; });
        ASSERT_TRUE(main.startUp());
        const bool named = std::any_of(messages.begin(), messages.end(), [](const std::string& m) {
            return m.find("当せん金の支払期限が近い券があります: 第2回 ストレート 88,500円 期限 2026-08-20") == 0 ||
                   m.find("当せん金の支払期限が近い券があります: 第2回 ストレート 88,500円 期限 2027-08-20（目安）") ==
                       0;
        });
        EXPECT_EQ(named, warned) << today.toString().toStdString();
        if (warned) {
            main.show();
            ASSERT_TRUE(main.trigger(QStringLiteral("tickets")));
            auto* book = qobject_cast<TicketsWindow*>(main.child(QStringLiteral("購入記録")));
            ASSERT_NE(book, nullptr);
            book->setClock([today] { return today; });
            book->refresh();
            EXPECT_TRUE(book->statusBar()->currentMessage().startsWith(QStringLiteral("当せん金の支払期限が近い券")));
            // Marked as received, the warning goes.
            book->purchaseGrid()->setCurrentIndex(book->model()->index(0, 0));
            book->ToggleReceived();
            EXPECT_TRUE(book->model()->book()[0].受け取り済み);
            EXPECT_EQ(book->outcomes()->index(0, TicketOutcomeModel::kDeadlineColumn).data().toString(),
                      QStringLiteral("受け取り済み"));
            EXPECT_TRUE(book->statusBar()->currentMessage().isEmpty() ||
                        !book->statusBar()->currentMessage().startsWith(QStringLiteral("当せん金の支払期限")));
            book->ToggleReceived();
        }
        dialogs::SetMessageResponder(nullptr);
    }
}

TEST_F(ResultListEditing, WritesElsewhereKeepTheCursorOnItsDrawAndNeverUndoneByATypedRow) {
    QTableView* grid = list()->grid();
    const auto storePrize = [this](int drawNo, std::int64_t yen) {
        DrawStore store = DrawStore::Open(path);
        const ResultHistory now = ReadResults(store);
        DrawResult r = FindResult(now, drawNo) ? *FindResult(now, drawNo) : DrawResult{};
        r.drawNo = drawNo;
        r.prize(PrizeKind::Straight).yen = yen;
        StoreResult(store, r);
    };
    const auto follow = [this] {
        main->refreshHistory();
        QCoreApplication::processEvents();
    };
    // The cursor on draw 2 (row 1); another program adds draws 4 to 6 above it.
    grid->setCurrentIndex(list()->model()->index(1, kStraightYen));
    StoreDraws(path, {MakeDraw(4, 0, 1, 2), MakeDraw(5, 3, 4, 5), MakeDraw(6, 6, 7, 8)});
    follow();
    ASSERT_EQ(list()->model()->rowCount(), 6);
    EXPECT_EQ(grid->currentIndex().row(), 4);
    EXPECT_EQ(cell(4, ResultRowEdit::kDrawColumn), QStringLiteral("2"));

    // An edit of draw 2 open while another program stores its prize ends,
    // showing the stored value.
    grid->setFocus();
    QTest::keyClicks(grid, QStringLiteral("5"));
    ASSERT_NE(grid->indexWidget(grid->currentIndex()), nullptr);
    storePrize(2, 90000);
    follow();
    EXPECT_EQ(grid->indexWidget(grid->currentIndex()), nullptr);
    EXPECT_NE(messages.back().find("ほかのプログラムで変更"), std::string::npos) << messages.back();
    EXPECT_EQ(cell(4, kStraightYen), QStringLiteral("90,000円"));

    // A row typed before the window followed is not written over the other
    // program's value.
    storePrize(2, 80000);
    typeInto(4, kBoxYen, QStringLiteral("1000"));
    EXPECT_NE(messages.back().find("ほかのプログラムで変更"), std::string::npos) << messages.back();
    EXPECT_EQ(FindResult(stored(), 2)->prize(PrizeKind::Straight).yen, 80000);
    EXPECT_FALSE(FindResult(stored(), 2)->prize(PrizeKind::Box).yen.has_value());
}
