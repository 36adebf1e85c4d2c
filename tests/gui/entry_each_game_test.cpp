// 当選データ入力 and 当選結果一覧 for each game: opened for the game chosen in
// the main window, draws typed row after row (digits, Enter) are stored in
// that game's tables, the game's open 当選結果一覧 follows at once, a prize
// typed there is stored for the game, and Ctrl+Z takes the draws back. The
// other game's draws stay as they were.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>

#include "core/draw_result.h"
#include "entry/result_row_edit.h"
#include "entry_test_support.h"
#include "game_params.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/entry/result_list_window.h"
#include "platform/qt/entry/result_table_model.h"
#include "platform/qt/frame/main_window.h"
#include "platform/store/result_store.h"

using namespace n3;
using namespace n3::testing::entry;
using n3::testing::GameDraw;

namespace {

class EntryEachGame : public ::testing::TestWithParam<const Game*> {
protected:
    const Game& game() const { return *GetParam(); }
    const Game& otherGame() const { return &game() == &kNumbers3 ? kNumbers4 : kNumbers3; }
    QString caption(const char* window) const { return QString::fromUtf8(window) + Q(game().captionSuffix); }
    void SetUp() override {
        auto database = Database::Open(db);
        for (const Game* g : kGames)
            database->Import({GameDraw(1, "1234", *g), GameDraw(2, "5678", *g)}, {}, false, false, *g);
        database.reset();
        main = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        ASSERT_TRUE(main->startUp());
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        QTest::keyClick(main.get(), Qt::Key_0 + game().id, Qt::ControlModifier);
        ASSERT_TRUE(main->trigger(QStringLiteral("resultList")));
        ASSERT_TRUE(main->trigger(QStringLiteral("entry")));
        QCoreApplication::processEvents();
    }
    void TearDown() override { main.reset(); }
    EntryWindow* entry() const { return qobject_cast<EntryWindow*>(main->child(caption("当選データ入力"))); }
    ResultListWindow* list() const { return qobject_cast<ResultListWindow*>(main->child(caption("当選結果一覧"))); }
    DrawHistory stored(const Game& g) const { return Database::Open(db)->draws(g).ReadHistoryForEditing(); }
    // A draw typed from the keyboard: its digits, then Enter.
    void typeRow(std::string_view digits) const {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(digits.substr(0, std::size_t(game().digits))));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    TempDir dir;
    std::string db = dir.file("n3.db");
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_P(EntryEachGame, DrawsTypedRowAfterRowAreTheGamesAndUndone) {
    ASSERT_NE(entry(), nullptr);
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(&entry()->game(), &game());
    EXPECT_EQ(entry()->model()->columnCount(), 1 + game().digits);
    EXPECT_EQ(entry()->model()->headerData(game().digits, Qt::Horizontal).toString(),
              QStringLiteral("第%1数字").arg(game().digits));
    EXPECT_EQ(list()->model()->columnCount(), ResultRowEdit::ColumnCount(game()));

    // The cursor starts on the newest draw; Enter on it opens the next.
    main->mdiArea()->setActiveSubWindow(main->subWindow(caption("当選データ入力")));
    entry()->grid()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeRow("9012");
    typeRow("3456");
    const DrawHistory typed = stored(game());
    ASSERT_EQ(typed.size(), 5u);  // draws 3 and 4 typed, 5 opened
    EXPECT_EQ(typed[2].digits, GameDraw(3, "9012", game()).digits);
    EXPECT_EQ(typed[3].digits, GameDraw(4, "3456", game()).digits);
    EXPECT_EQ(stored(otherGame()).size(), 2u);
    // The game's 当選結果一覧 follows at once, newest first.
    EXPECT_EQ(list()->model()->rowCount(), 5);
    EXPECT_EQ(list()->model()->index(1, ResultRowEdit::kNumberColumn).data().toString(),
              QString::fromUtf8(std::string_view("3456").substr(0, std::size_t(game().digits))));

    // Ctrl+Z: the opened draw, then each typed row, go again.
    for (int step = 0; step < 5; ++step) QTest::keyClick(entry()->grid(), Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(stored(game()).size(), 2u);
    EXPECT_EQ(list()->model()->rowCount(), 2);
}

TEST_P(EntryEachGame, APrizeTypedInTheListIsStoredForTheGame) {
    ASSERT_NE(list(), nullptr);
    QTableView* grid = list()->grid();
    main->mdiArea()->setActiveSubWindow(main->subWindow(caption("当選結果一覧")));
    const QModelIndex straight = list()->model()->index(0, ResultRowEdit::kFirstFigureColumn + 1);
    grid->setCurrentIndex(straight);
    grid->setFocus();
    QTest::keyClicks(grid, QStringLiteral("9"));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(straight));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("0000"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    const ResultHistory results = ReadResults(Database::Open(db)->draws(game()));
    const DrawResult* result = FindResult(results, 2);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->prize(PrizeKind::Straight).yen, 90000);
    EXPECT_EQ(FindResult(ReadResults(Database::Open(db)->draws(otherGame())), 2), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Games, EntryEachGame, ::testing::ValuesIn(kGames), n3::testing::GameParamName);
