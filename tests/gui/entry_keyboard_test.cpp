// Typing draws as in a spreadsheet: digits stored at once with the cursor
// moving on, the editor's keys, clearing, deleting several rows, and where
// the cursor and the focus are when the window opens.
#include <QAction>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>

#include "entry_test_support.h"
#include "platform/qt/common/beep.h"
#include "scoped_environment.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

struct KeyboardFixture : ::testing::Test {
    // A held lock is refused after 100 ms, not the usual 2 s.
    n3::testing::ShortBusyTimeout shortWait;
    void SetUp() override {
        SetBeepHook([this] { ++beeps; });
        path = dir.file("n3.db");
        StoreDraws(path, {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6), MakeDraw(3, 7, 8, 9)});
        host = std::make_unique<EntryHost>(path);
        w = std::make_unique<OpenedEntryWindow>(*host);
        ASSERT_TRUE(w->loaded());
        w->showActive();
    }
    void TearDown() override { SetBeepHook(nullptr); }

    QModelIndex cell(int row, int column) const { return w->model()->index(row, column); }
    QModelIndex current() const { return w->grid()->currentIndex(); }
    std::optional<int> stored(int drawNo, int position) const {
        for (const Draw& d : ReadBack(path))
            if (d.drawNo == drawNo) return d.digits[std::size_t(position)];
        ADD_FAILURE() << "draw " << drawNo << " is not stored";
        return std::nullopt;
    }
    QLineEdit* openEditor(int row, int column) const {
        w->grid()->setCurrentIndex(cell(row, column));
        QTest::keyClick(w->grid(), Qt::Key_F2);
        return qobject_cast<QLineEdit*>(w->grid()->indexWidget(cell(row, column)));
    }
    void clickDrawNo(int row, Qt::KeyboardModifiers modifiers = {}) const {
        const QRect r = w->grid()->visualRect(cell(row, 0));
        QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, modifiers, r.center());
    }

    int beeps = 0;
    TempDir dir;
    std::string path;
    MessageLog messages;
    std::unique_ptr<EntryHost> host;
    std::unique_ptr<OpenedEntryWindow> w;
};

}  // namespace

TEST_F(KeyboardFixture, OpensOnTheNewestDrawWithTheFocusInTheGrid) {
    EXPECT_TRUE(w->grid()->hasFocus());
    EXPECT_EQ(current(), cell(2, 1));
    EXPECT_TRUE(w->grid()->viewport()->rect().contains(w->grid()->visualRect(cell(2, 1))));
}

TEST_F(KeyboardFixture, CtrlAThenThreeDigitsStoresTheNewDraw) {
    messages.answers = {dialogs::Result::Yes};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(w->model()->rowCount(), 4);
    EXPECT_EQ(current(), cell(3, 1));  // on the new row's 第1数字
    QTest::keyClicks(QApplication::focusWidget(), "456");
    EXPECT_EQ(stored(4, 0), 4);
    EXPECT_EQ(stored(4, 1), 5);
    EXPECT_EQ(stored(4, 2), 6);
    EXPECT_EQ(w->text(3, 3), "6");
    EXPECT_EQ(w->grid()->indexWidget(cell(3, 3)), nullptr);  // no editor left open
    EXPECT_EQ(beeps, 0);
}

TEST_F(KeyboardFixture, EachDigitGoesToItsOwnCellButNotOverTheNextFilledRow) {
    w->grid()->setCurrentIndex(cell(0, 2));
    QTest::keyClicks(w->grid(), "10");  // 第2, 第3, then on to the next row's 第1
    EXPECT_EQ(stored(1, 1), 1);
    EXPECT_EQ(stored(1, 2), 0);
    EXPECT_EQ(current(), cell(1, 1));
    // The cursor only got there by itself: the stored draw is not typed over.
    QTest::keyClicks(w->grid(), "97");
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(stored(2, 0), 4);
    EXPECT_EQ(stored(2, 1), 5);
    // Moved onto on purpose, the row takes the digits.
    QTest::keyClick(w->grid(), Qt::Key_Up);
    QTest::keyClick(w->grid(), Qt::Key_Down);
    QTest::keyClicks(w->grid(), "97");
    EXPECT_EQ(stored(2, 0), 9);
    EXPECT_EQ(stored(2, 1), 7);
    EXPECT_EQ(current(), cell(1, 3));
    // A letter is refused with a beep and stores nothing; so is a digit on 回数.
    QTest::keyClick(w->grid(), Qt::Key_X);
    EXPECT_EQ(beeps, 3);
    EXPECT_EQ(stored(2, 2), 6);
    w->grid()->setCurrentIndex(cell(2, 0));
    QTest::keyClicks(w->grid(), "5");
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(ReadBack(path)[2].drawNo, 3);
}

TEST_F(KeyboardFixture, FullWidthDigitsFromTheInputMethodStoreAndMoveToo) {
    w->grid()->setCurrentIndex(cell(1, 1));
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("８０"));
    QApplication::sendEvent(w->grid(), &typed);
    EXPECT_EQ(stored(2, 0), 8);
    EXPECT_EQ(stored(2, 1), 0);
    EXPECT_EQ(current(), cell(1, 3));
    QInputMethodEvent letter;
    letter.setCommitString(QStringLiteral("あ"));
    QApplication::sendEvent(w->grid(), &letter);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(stored(2, 2), 6);
}

TEST_F(KeyboardFixture, EditorKeysStoreAndMove) {
    QLineEdit* editor = openEditor(0, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Right);
    EXPECT_EQ(stored(1, 0), 7);
    EXPECT_EQ(current(), cell(0, 2));
    EXPECT_EQ(w->grid()->indexWidget(cell(0, 1)), nullptr);

    editor = openEditor(0, 2);
    QTest::keyClicks(editor, "8");
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(stored(1, 1), 8);
    EXPECT_EQ(current(), cell(1, 2));

    editor = openEditor(1, 2);
    QTest::keyClicks(editor, "0");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(stored(2, 1), 0);
    EXPECT_EQ(current(), cell(1, 3));

    editor = openEditor(1, 3);
    QTest::keyClicks(editor, "1");
    QTest::keyClick(editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(stored(2, 2), 1);
    EXPECT_EQ(current(), cell(1, 2));

    editor = openEditor(1, 1);
    QTest::keyClicks(editor, "23");  // the second character is refused out loud
    EXPECT_EQ(editor->text(), "2");
    EXPECT_EQ(beeps, 1);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(stored(2, 0), 2);
    EXPECT_EQ(current(), cell(2, 1));

    editor = openEditor(0, 3);
    QTest::keyClick(editor, Qt::Key_Up);  // unchanged text: stored as it was, moved
    EXPECT_EQ(stored(1, 2), 3);
    EXPECT_EQ(current(), cell(0, 3));
    editor = openEditor(0, 3);
    QTest::keyClick(editor, Qt::Key_Left);
    EXPECT_EQ(current(), cell(0, 2));
}

TEST_F(KeyboardFixture, EnterAndTabMoveWithoutAnEditorAndTabLeavesAtTheLastCell) {
    w->grid()->setCurrentIndex(cell(0, 3));
    QTest::keyClick(w->grid(), Qt::Key_Tab);
    EXPECT_EQ(current(), cell(1, 1));
    QTest::keyClick(w->grid(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(current(), cell(0, 3));
    QTest::keyClick(w->grid(), Qt::Key_Return);
    EXPECT_EQ(current(), cell(1, 3));
    EXPECT_TRUE(w->grid()->hasFocus());

    w->grid()->setCurrentIndex(cell(2, 3));
    QTest::keyClick(w->grid(), Qt::Key_Tab);
    EXPECT_TRUE(w->window->closeButton()->hasFocus());
    EXPECT_EQ(ReadBack(path)[2].digits[2], 9);
}

TEST_F(KeyboardFixture, DeleteAndBackspaceClearTheSelectedDigitCells) {
    w->grid()->setCurrentIndex(cell(0, 2));
    QTest::keyClick(w->grid(), Qt::Key_Delete);
    EXPECT_FALSE(stored(1, 1).has_value());
    EXPECT_EQ(w->text(0, 2), "");

    w->grid()->setCurrentIndex(cell(1, 1));
    QTest::keyClick(w->grid(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(w->grid(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(w->grid(), Qt::Key_Backspace);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(stored(2, i).has_value()) << i;
    EXPECT_EQ(stored(1, 0), 1);  // the rows around stay
    EXPECT_EQ(stored(3, 2), 9);
    EXPECT_EQ(beeps, 0);
}

TEST_F(KeyboardFixture, SeveralSelectedRowsGoWithOneQuestion) {
    clickDrawNo(0);
    clickDrawNo(1, Qt::ShiftModifier);
    EXPECT_EQ(w->grid()->selectedRowSpan(), (std::pair<int, int>(0, 1)));
    messages.answers = {dialogs::Result::Yes};
    QTest::keyClick(w->grid(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, QStringLiteral("選択された 2 行を削除します。よろしいですか？"));
    EXPECT_EQ(messages.asked[0].buttons, dialogs::Buttons::YesNo);
    ASSERT_EQ(w->model()->rowCount(), 1);
    EXPECT_EQ(w->text(0, 0), "3");
    ASSERT_EQ(ReadBack(path).size(), 1u);
    EXPECT_EQ(ReadBack(path)[0].drawNo, 3);
}

TEST_F(KeyboardFixture, SeveralRowsOnALockedDatabaseAllStay) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(RawExec(other, "BEGIN IMMEDIATE"), SQLITE_OK);
    w->grid()->setCurrentIndex(cell(0, 1));
    QTest::keyClick(w->grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(w->grid(), Qt::Key_Down, Qt::ShiftModifier);
    messages.answers = {dialogs::Result::Yes};
    w->window->DelLine();
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[0].text, QStringLiteral("選択された 3 行を削除します。よろしいですか？"));
    EXPECT_TRUE(messages.asked[1].text.startsWith(QStringLiteral("データベースに書き込めませんでした。")));
    EXPECT_EQ(w->model()->rowCount(), 3);
    // What the question was about is what the selection shows: whole rows.
    for (int r = 0; r < 3; ++r) EXPECT_TRUE(w->grid()->selectionModel()->isRowSelected(r, {})) << r;
    RawExec(other, "ROLLBACK");
    sqlite3_close(other);
    EXPECT_EQ(ReadBack(path).size(), 3u);
}

TEST_F(KeyboardFixture, TheEditorCoversTheCellWithItsTextCentred) {
    QLineEdit* editor = openEditor(1, 2);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(editor->geometry(), w->grid()->visualRect(cell(1, 2)));
    EXPECT_EQ(editor->text(), "5");
    QTest::keyClick(editor, Qt::Key_Escape);
}
