// After a message box, a file dialog or the help, the window the user was
// in is active, on top and has the keyboard; nothing opens by itself. Each
// box here is answered by a responder that, as a stray window activation
// would, first brings another window forward.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>

#include "entry/result_row_edit.h"
#include "entry_test_support.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/entry/result_list_window.h"
#include "platform/qt/frame/help_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/tickets/ticket_table_model.h"
#include "platform/qt/tickets/tickets_window.h"
#include "test_history.h"
#include "test_paths.h"
#include "tickets/ticket_book_editor.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

class UserWindowKept;

struct BoxPath {
    const char* name;
    const char* menu;         // the window the user is in
    const char* windowClass;  // its class
    dialogs::Result answer;
    std::function<void(UserWindowKept&)> act;  // what the user does in it
    int boxes;                                 // message boxes it shows
};

void PrintTo(const BoxPath& path, std::ostream* out) { *out << path.name; }

class UserWindowKept : public ::testing::TestWithParam<BoxPath> {
public:
    void SetUp() override {
        DrawStore::Open(db).Import(n3::testing::generatedHistory(40));
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            asked.push_back(r);
            bringOtherForward();
            return GetParam().answer;
        });
        dialogs::SetFileResponder([this](const dialogs::FileRequest&) {
            asked.push_back({QStringLiteral("file"), {}, dialogs::Icon::Question, dialogs::Buttons::Ok});
            bringOtherForward();
            return QString();  // cancelled
        });
        main = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        main->setHelpPath(QString::fromStdString(n3::testing::kHelpFile));
        ASSERT_TRUE(main->startUp());
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        QCoreApplication::processEvents();  // the prediction opens at start-up
        // Two windows: the one behind, and the user's in front of it.
        ASSERT_TRUE(main->trigger(QStringLiteral("appearanceFrequency")));
        other = main->subWindow(QStringLiteral("出現頻度分析"));
        ASSERT_NE(other, nullptr);
        ASSERT_TRUE(main->trigger(QString::fromUtf8(GetParam().menu)));
        user = main->subWindow(QString::fromUtf8(GetParam().windowClass));
        ASSERT_NE(user, nullptr);
        QCoreApplication::processEvents();
        ASSERT_EQ(main->mdiArea()->activeSubWindow(), user);
    }
    void TearDown() override {
        main.reset();
        dialogs::SetMessageResponder(nullptr);
        dialogs::SetFileResponder(nullptr);
    }

    // What a stray activation does: the window behind comes forward and
    // takes the keyboard.
    void bringOtherForward() {
        if (!other) return;
        main->mdiArea()->setActiveSubWindow(other);
        other->widget()->setFocus();
    }
    TicketsWindow* tickets() const { return qobject_cast<TicketsWindow*>(user->widget()); }
    EntryWindow* entry() const { return qobject_cast<EntryWindow*>(user->widget()); }
    QTableView* resultGrid() const { return qobject_cast<ResultListWindow*>(user->widget())->grid(); }
    void typeIntoTicket(int column, const QString& keys, QTableView* into = nullptr) {
        QTableView* grid = into ? into : tickets()->purchaseGrid();
        const QModelIndex index = grid->model()->index(0, column);
        grid->setCurrentIndex(index);
        grid->setFocus();
        QTest::keyClicks(grid, keys.left(1));
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(index));
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, keys.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
    }

    TempDir dir;
    std::string db = dir.file("n3.db");
    std::vector<dialogs::MessageRequest> asked;
    std::unique_ptr<MainWindow> main;
    QPointer<QMdiSubWindow> other;
    QPointer<QMdiSubWindow> user;
};

bool Inside(const QWidget* w, const QWidget* window) {
    for (; w; w = w->parentWidget())
        if (w == window) return true;
    return false;
}

TEST_P(UserWindowKept, TheUsersWindowIsActiveOnTopAndHasTheKeyboardAfterward) {
    const int open = int(main->mdiArea()->subWindowList().size());
    GetParam().act(*this);
    // Everything the box and the closing editor left behind has run.
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    ASSERT_EQ(int(asked.size()), GetParam().boxes);
    ASSERT_FALSE(user.isNull());
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), user.data());
    EXPECT_EQ(main->mdiArea()->subWindowList(QMdiArea::StackingOrder).last(), user.data());
    EXPECT_TRUE(Inside(QApplication::focusWidget(), user))
        << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "no focus");
    EXPECT_EQ(int(main->mdiArea()->subWindowList().size()), open);  // nothing opened by itself
}

void BudgetWarning(UserWindowKept& kept) {
    QLineEdit* budget = kept.tickets()->budgetEdit();
    budget->setFocus();
    QTest::keyClicks(budget, QStringLiteral("1000"));
    QTest::keyClick(budget, Qt::Key_Return);
    QTest::mouseClick(kept.tickets()->findChild<QPushButton*>(QStringLiteral("addLine")), Qt::LeftButton);
    kept.typeIntoTicket(TicketBookEditor::kUnits, QStringLiteral("10"));
}

INSTANTIATE_TEST_SUITE_P(
    EveryBox, UserWindowKept,
    ::testing::Values(
        BoxPath{"BudgetWarningYes", "tickets", "購入記録", dialogs::Result::Yes, BudgetWarning, 1},
        BoxPath{"BudgetWarningNo", "tickets", "購入記録", dialogs::Result::No, BudgetWarning, 1},
        BoxPath{
            "TicketDeleteQuestion", "tickets", "購入記録", dialogs::Result::No,
            [](UserWindowKept& kept) {
                dialogs::SetMessageResponder([](const dialogs::MessageRequest&) { return dialogs::Result::Yes; });
                QTest::mouseClick(kept.tickets()->findChild<QPushButton*>(QStringLiteral("addLine")), Qt::LeftButton);
                dialogs::SetMessageResponder([&kept](const dialogs::MessageRequest& r) {
                    kept.asked.push_back(r);
                    kept.bringOtherForward();
                    return dialogs::Result::No;
                });
                QTest::mouseClick(kept.tickets()->findChild<QPushButton*>(QStringLiteral("delLine")), Qt::LeftButton);
            },
            1},
        BoxPath{"ResultRefused", "resultList", "当選結果一覧", dialogs::Result::Ok,
                [](UserWindowKept& kept) {
                    kept.typeIntoTicket(ResultRowEdit::kFirstFigureColumn + 1, QStringLiteral("-5000"),
                                        kept.resultGrid());
                },
                1},
        BoxPath{"ResultDateOffTheSchedule", "resultList", "当選結果一覧", dialogs::Result::No,
                [](UserWindowKept& kept) {
                    kept.typeIntoTicket(ResultRowEdit::kDateColumn, QStringLiteral("2026-08-22"), kept.resultGrid());
                },
                1},
        BoxPath{"EntryAddLineQuestion", "entry", "当選データ入力", dialogs::Result::No,
                [](UserWindowKept& kept) { QTest::keyClick(kept.entry()->grid(), Qt::Key_A, Qt::ControlModifier); }, 1},
        BoxPath{"EntryDeleteLineQuestion", "entry", "当選データ入力", dialogs::Result::No,
                [](UserWindowKept& kept) { QTest::keyClick(kept.entry()->grid(), Qt::Key_D, Qt::ControlModifier); }, 1},
        BoxPath{
            "NothingToPrint", "about", "バージョン情報", dialogs::Result::Ok,
            [](UserWindowKept& kept) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier); },
            1},
        BoxPath{"ImportFileDialogCancelled", "appearanceByCount", "回数別出現分析", dialogs::Result::Ok,
                [](UserWindowKept& kept) { kept.main->trigger(QStringLiteral("importCsv")); }, 1}),
    [](const auto& param) { return std::string(param.param.name); });

// F1 from the user's window and back with Esc: the help closes, the same
// window is active with the keyboard, and the prediction does not reopen.
class HelpAndBack : public UserWindowKept {};

TEST_P(HelpAndBack, EscapeFromTheHelpReturnsToTheSameWindowAndOpensNothing) {
    if (QMdiSubWindow* prediction = main->subWindow(QStringLiteral("一発ズバリン"))) prediction->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    main->mdiArea()->setActiveSubWindow(user);
    // The keyboard in the window's table, where the user works.
    auto* table = user->widget()->findChild<QAbstractItemView*>();
    ASSERT_NE(table, nullptr);
    table->setFocus();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(Inside(focus, user));
    const int open = int(main->mdiArea()->subWindowList().size());

    QTest::keyClick(focus, Qt::Key_F1);
    HelpWindow* help = main->helpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    // キーワード(&K) is an access key to the keyword field, not literal text.
    QLabel* keywordLabel = nullptr;
    for (QLabel* label : help->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("キーワード(&K):")) keywordLabel = label;
    ASSERT_NE(keywordLabel, nullptr);
    ASSERT_NE(qobject_cast<QLineEdit*>(keywordLabel->buddy()), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), keywordLabel->buddy());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();

    EXPECT_EQ(main->subWindow(QStringLiteral("一発ズバリン")), nullptr);
    EXPECT_EQ(int(main->mdiArea()->subWindowList().size()), open);
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), user.data());
    EXPECT_EQ(main->mdiArea()->subWindowList(QMdiArea::StackingOrder).last(), user.data());
    EXPECT_EQ(QApplication::focusWidget(), focus)
        << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none") << " / "
        << focus->metaObject()->className() << " " << focus->objectName().toStdString();
    EXPECT_TRUE(asked.empty());
}

INSTANTIATE_TEST_SUITE_P(FromEachKind, HelpAndBack,
                         ::testing::Values(BoxPath{"Tickets", "tickets", "購入記録", dialogs::Result::Ok, nullptr, 0},
                                           BoxPath{"Entry", "entry", "当選データ入力", dialogs::Result::Ok, nullptr, 0},
                                           BoxPath{"Analysis", "appearanceByCount", "回数別出現分析",
                                                   dialogs::Result::Ok, nullptr, 0}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
