// Typing, adding and deleting rows in the entry window: what reaches the
// database, what the questions ask, and what a refused write leaves behind.
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

#include "entry_test_support.h"
#include "scoped_environment.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

struct EditingFixture : ::testing::Test {
    // A held lock is refused after 100 ms, not the usual 2 s.
    n3::testing::ShortBusyTimeout shortWait;
    void SetUp() override {
        path = dir.file("n3.db");
        StoreDraws(path, {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6), MakeDraw(3, 7, 8, 9)});
        host = std::make_unique<EntryHost>(path);
        w = std::make_unique<OpenedEntryWindow>(*host);
        ASSERT_TRUE(w->loaded());
        w->window->show();
    }
    std::vector<int> drawNumbersShown() const {
        std::vector<int> numbers;
        for (int r = 0; r < w->model()->rowCount(); ++r) numbers.push_back(w->text(r, 0).toInt());
        return numbers;
    }
    static std::vector<int> drawNumbers(const DrawHistory& h) {
        std::vector<int> numbers;
        for (const Draw& d : h) numbers.push_back(d.drawNo);
        return numbers;
    }
    void rightClick(int row, int column) const {
        const QRect rect = w->grid()->visualRect(w->model()->index(row, column));
        QWidget* viewport = w->grid()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, rect.center(), viewport->mapToGlobal(rect.center()));
        QApplication::sendEvent(viewport, &event);
    }

    TempDir dir;
    std::string path;
    MessageLog messages;
    std::unique_ptr<EntryHost> host;
    std::unique_ptr<OpenedEntryWindow> w;
};

}  // namespace

TEST_F(EditingFixture, TypedDigitsReachTheDatabase) {
    TypeInto(*w, 0, 1, "9");
    TypeInto(*w, 1, 3, "");
    TypeInto(*w, 2, 2, "0");
    const DrawHistory stored = ReadBack(path);
    EXPECT_EQ(stored[0].digits[0], 9);
    EXPECT_FALSE(stored[1].digits[2].has_value());
    EXPECT_EQ(stored[2].digits[1], 0);
    EXPECT_EQ(w->text(0, 1), "9");
    EXPECT_EQ(w->text(1, 3), "");
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(EditingFixture, TypingTakesOnlyOneDigit) {
    TypeInto(*w, 0, 1, "57");  // the second key is refused
    TypeInto(*w, 0, 2, "a");   // a letter is refused
    TypeInto(*w, 0, 3, "-");
    const DrawHistory stored = ReadBack(path);
    EXPECT_EQ(stored[0].digits[0], 5);
    EXPECT_EQ(stored[0].digits[1], 2);
    EXPECT_EQ(stored[0].digits[2], 3);
    // Nothing but a digit or nothing gets past the model either.
    EXPECT_FALSE(w->model()->setData(w->model()->index(0, 1), QStringLiteral("10")));
    EXPECT_FALSE(w->model()->setData(w->model()->index(0, 0), QStringLiteral("8")));
    EXPECT_TRUE(w->model()->setData(w->model()->index(0, 1), QStringLiteral("８")));
    EXPECT_EQ(ReadBack(path)[0].digits[0], 8);
    EXPECT_EQ(ReadBack(path)[0].drawNo, 1);
}

TEST_F(EditingFixture, AddLineAsksThenShowsTheNewDrawWhereItsNumberSorts) {
    w->grid()->setCurrentIndex(w->model()->index(0, 2));
    messages.answers = {dialogs::Result::Yes};
    w->window->insertRow()->trigger();

    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, QStringLiteral("新しい回の行を最後に追加します。よろしいですか？"));
    EXPECT_EQ(messages.asked[0].icon, dialogs::Icon::Warning);
    EXPECT_EQ(messages.asked[0].buttons, dialogs::Buttons::YesNo);
    // The new draw is numbered after the highest and shown after it, with
    // the first row active; the cursor waits on its 第1数字.
    EXPECT_EQ(drawNumbersShown(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(w->grid()->currentIndex(), w->model()->index(3, 1));
    EXPECT_EQ(w->text(3, 1), "");
    const DrawHistory stored = ReadBack(path);
    EXPECT_EQ(drawNumbers(stored), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(stored[3].digits[0].has_value());

    TypeInto(*w, 3, 2, "6");
    EXPECT_EQ(ReadBack(path)[3].digits[1], 6);
}

TEST_F(EditingFixture, DelLineAsksThenDeletesTheActiveRow) {
    w->grid()->setCurrentIndex(w->model()->index(1, 3));
    messages.answers = {dialogs::Result::Yes};
    w->window->deleteRow()->trigger();
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, QStringLiteral("選択された行を削除します。よろしいですか？"));
    EXPECT_EQ(messages.asked[0].icon, dialogs::Icon::Warning);
    EXPECT_EQ(messages.asked[0].buttons, dialogs::Buttons::YesNo);
    EXPECT_EQ(drawNumbersShown(), (std::vector<int>{1, 3}));
    EXPECT_EQ(drawNumbers(ReadBack(path)), (std::vector<int>{1, 3}));
}

TEST_F(EditingFixture, AnsweringNoChangesNothing) {
    w->grid()->setCurrentIndex(w->model()->index(1, 1));
    w->window->AddLine();  // no answer queued: No
    w->window->DelLine();
    EXPECT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(drawNumbersShown(), (std::vector<int>{1, 2, 3}));
    const DrawHistory stored = ReadBack(path);
    EXPECT_EQ(drawNumbers(stored), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(stored[1].digits[0], 4);
}

TEST_F(EditingFixture, ShortcutsRunTheMenuCommands) {
    w->showActive();
    w->grid()->setFocus();
    w->grid()->setCurrentIndex(w->model()->index(2, 1));
    messages.answers = {dialogs::Result::Yes, dialogs::Result::Yes};
    QTest::keyClick(w->grid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(drawNumbersShown(), (std::vector<int>{1, 2, 3, 4}));
    QTest::keyClick(w->grid(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(drawNumbersShown(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(drawNumbers(ReadBack(path)), (std::vector<int>{1, 2, 3}));
}

TEST_F(EditingFixture, RightClickOnAWholeRowPopsUpTheEditMenu) {
    QMenu* menu = w->window->editMenu();
    rightClick(1, 2);  // a single cell
    EXPECT_FALSE(menu->isVisible());

    rightClick(1, 0);  // the 回数 cell stands for the whole row
    EXPECT_TRUE(w->grid()->selectionModel()->isRowSelected(1, {}));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    rightClick(1, 3);  // inside the selected row
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    // Two rows selected: no menu.
    w->grid()->selectionModel()->select(QItemSelection(w->model()->index(0, 0), w->model()->index(1, 3)),
                                        QItemSelectionModel::ClearAndSelect);
    rightClick(1, 2);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(EditingFixture, ALockedDatabaseRefusesTheWriteAndTheCellShowsTheStoredValue) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(RawExec(other, "BEGIN IMMEDIATE"), SQLITE_OK);

    TypeInto(*w, 0, 1, "8");
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].text.startsWith(QStringLiteral("データベースに書き込めませんでした。")));
    EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("使用中")));
    EXPECT_EQ(messages.asked[0].title, QStringLiteral("メッセ－ジ"));
    EXPECT_EQ(messages.asked[0].icon, dialogs::Icon::Critical);
    EXPECT_EQ(w->text(0, 1), "1");

    messages.answers = {dialogs::Result::Yes};
    w->grid()->setCurrentIndex(w->model()->index(0, 1));
    w->window->DelLine();
    EXPECT_EQ(messages.asked.size(), 3u);  // the question and the refusal
    EXPECT_EQ(drawNumbersShown(), (std::vector<int>{1, 2, 3}));

    RawExec(other, "ROLLBACK");
    sqlite3_close(other);
    const DrawHistory stored = ReadBack(path);
    EXPECT_EQ(drawNumbers(stored), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(stored[0].digits[0], 1);
}

TEST(EntryEditing, NoDrawNumberBeyond32767) {
    TempDir dir;
    const auto path = dir.file("n3.db");
    StoreDraws(path, {MakeDraw(kMaxDrawNo, 1, 2, 3)});
    EntryHost host(path);
    MessageLog messages;
    OpenedEntryWindow w(host);
    ASSERT_TRUE(w.loaded());
    w.grid()->setCurrentIndex(w.model()->index(0, 1));
    messages.answers = {dialogs::Result::Yes};
    w->AddLine();
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_TRUE(messages.asked[1].text.contains(QStringLiteral("値が範囲外です")));
    EXPECT_EQ(w.model()->rowCount(), 1);
    EXPECT_EQ(ReadBack(path).size(), 1u);
}

TEST(EntryEditing, AddingToAnEmptyHistoryStartsAtDrawOne) {
    TempDir dir;
    const auto path = dir.file("n3.db");
    DrawStore::Open(path);
    EntryHost host(path);
    MessageLog messages;
    OpenedEntryWindow w(host);
    ASSERT_TRUE(w.loaded());
    w->DelLine();  // no row: nothing asked
    EXPECT_TRUE(messages.asked.empty());
    messages.answers = {dialogs::Result::Yes};
    w->AddLine();
    ASSERT_EQ(w.model()->rowCount(), 1);
    EXPECT_EQ(w.text(0, 0), "1");
    EXPECT_EQ(w.grid()->currentIndex(), w.model()->index(0, 1));
    EXPECT_EQ(ReadBack(path).size(), 1u);
}
