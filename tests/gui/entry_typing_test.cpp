// Typing draws row after row with the keyboard alone: the habits of
// pressing Enter after each row or Tab after each digit, the next draw
// opened from the last row, undo and redo, and a half-typed row at close.
#include <QAction>
#include <QPushButton>

#include "entry_test_support.h"
#include "platform/qt/common/beep.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

// Draws 1 and 2 complete, then `emptyRows` empty draws after them.
struct TypingFixture : ::testing::Test {
    void open(int emptyRows) {
        SetBeepHook([this] { ++beeps; });
        path = dir.file("n3.db");
        std::vector<Draw> draws = {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6)};
        for (int i = 0; i < emptyRows; ++i) draws.push_back(MakeDraw(3 + i, std::nullopt, std::nullopt, std::nullopt));
        StoreDraws(path, draws);
        host = std::make_unique<EntryHost>(path);
        w = std::make_unique<OpenedEntryWindow>(*host);
        ASSERT_TRUE(w->loaded());
        w->showActive();
    }
    void TearDown() override { SetBeepHook(nullptr); }

    QModelIndex cell(int row, int column) const { return w->model()->index(row, column); }
    QModelIndex current() const { return w->grid()->currentIndex(); }
    void put(int row, int column) const { w->grid()->setCurrentIndex(cell(row, column)); }
    // Keys as text: digits, '\n' for Enter, '\t' for Tab, 'v' for ↓.
    void type(const std::string& keys) const {
        for (char k : keys) {
            QWidget* to = QApplication::focusWidget();
            ASSERT_NE(to, nullptr);
            if (k == '\n')
                QTest::keyClick(to, Qt::Key_Return);
            else if (k == '\t')
                QTest::keyClick(to, Qt::Key_Tab);
            else if (k == 'v')
                QTest::keyClick(to, Qt::Key_Down);
            else
                QTest::keyClick(to, k);
        }
    }
    // Each stored draw as "回数:ddd" with '_' for an empty digit.
    std::vector<std::string> storedRows() const {
        std::vector<std::string> rows;
        for (const Draw& d : ReadBack(path)) {
            std::string row = std::to_string(d.drawNo) + ":";
            for (int i = 0; i < kNumbers3.digits; ++i)
                row += d.digits[std::size_t(i)] ? char('0' + *d.digits[std::size_t(i)]) : '_';
            rows.push_back(row);
        }
        return rows;
    }

    int beeps = 0;
    TempDir dir;
    std::string path;
    MessageLog messages;
    std::unique_ptr<EntryHost> host;
    std::unique_ptr<OpenedEntryWindow> w;
};

struct Habit {
    const char* name;
    int emptyRows;
    std::string keys;
    std::vector<std::string> stored;
    int currentRow;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const Habit& c, std::ostream* out) { *out << c.name; }

class TypingHabits : public TypingFixture, public ::testing::WithParamInterface<Habit> {};

}  // namespace

TEST_P(TypingHabits, StoreTheSameRows) {
    const Habit& h = GetParam();
    open(h.emptyRows);
    put(h.emptyRows > 0 ? 2 : 1, h.emptyRows > 0 ? 1 : 3);
    type(h.keys);
    EXPECT_EQ(storedRows(), h.stored);
    EXPECT_EQ(current().row(), h.currentRow);
    EXPECT_TRUE(w->grid()->hasFocus());
    EXPECT_TRUE(messages.asked.empty());  // the next draw opens without a question
    EXPECT_EQ(beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Entry, TypingHabits,
    ::testing::Values(
        // Enter after each row: the fourth Enter, on the last row, opens draw 7.
        Habit{"EnterAfterEachRow",
              4,
              "128\n064\n990\n472\n",
              {"1:123", "2:456", "3:128", "4:064", "5:990", "6:472", "7:___"},
              6},
        Habit{"WithoutEnter", 4, "128064990472", {"1:123", "2:456", "3:128", "4:064", "5:990", "6:472"}, 5},
        // On the last complete row: ↓ opens draw 3, Tab after each digit.
        Habit{"TabAfterEachDigit", 0, "v3\t5\t7", {"1:123", "2:456", "3:357"}, 2},
        Habit{"DigitsRunOnPastTheLastRow", 1, "357864", {"1:123", "2:456", "3:357", "4:864"}, 3}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(TypingFixture, EnterOnTheLastCompleteRowOpensTheNextDrawButAddLineStillAsks) {
    open(0);
    put(1, 2);
    type("\n");
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"1:123", "2:456", "3:___"}));
    EXPECT_EQ(current(), cell(2, 1));
    // An empty last row is not complete: Enter stays on it.
    type("\n");
    EXPECT_EQ(w->model()->rowCount(), 3);
    messages.answers = {dialogs::Result::Yes};
    QTest::keyClick(w->grid(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(w->model()->rowCount(), 4);
}

TEST_F(TypingFixture, ADigitNeverOverwritesTheLastCellItWasNotMovedOnto) {
    open(1);
    put(2, 3);  // 第3数字 first: the grid's last cell
    type("4");
    type("5");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(storedRows().back(), "3:__4");
    // Enter here is not taken as a second move: the row is not complete.
    type("\n");
    EXPECT_EQ(w->model()->rowCount(), 3);
}

TEST_F(TypingFixture, UndoAndRedoFollowEditsAddedAndDeletedRowsInTheDatabase) {
    open(0);
    put(1, 3);
    type("\n");  // draw 3, opened from the keyboard
    type("357");
    ASSERT_EQ(storedRows().back(), "3:357");
    QWidget* grid = w->grid();
    // One Ctrl+Z takes back the whole typed row, never leaving half a draw.
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(storedRows().back(), "3:___");
    EXPECT_EQ(current(), cell(2, 1));
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);  // the row added
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"1:123", "2:456"}));
    EXPECT_EQ(w->model()->rowCount(), 2);
    EXPECT_FALSE(w->window->undo()->isEnabled());
    QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"1:123", "2:456", "3:357"}));
    EXPECT_EQ(w->text(2, 1), "3");

    // A deletion comes back with its digits, and goes again.
    put(0, 1);
    messages.answers = {dialogs::Result::Yes};
    QTest::keyClick(grid, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"2:456", "3:357"}));
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"1:123", "2:456", "3:357"}));
    EXPECT_EQ(w->text(0, 3), "3");
    EXPECT_EQ(current(), cell(0, 1));
    QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"2:456", "3:357"}));
    // A new edit drops what could be redone.
    put(1, 2);
    type("8");
    EXPECT_FALSE(w->window->redo()->isEnabled());
}

TEST_F(TypingFixture, ClosingWithAHalfTypedRowAsksWhetherToGoOn) {
    open(1);
    put(2, 1);
    type("12");
    messages.answers = {dialogs::Result::Yes};
    QTest::mouseClick(w->window->closeButton(), Qt::LeftButton);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("第3回")));
    EXPECT_EQ(messages.asked[0].buttons, dialogs::Buttons::YesNo);
    EXPECT_TRUE(w->window->isVisible());
    EXPECT_EQ(current(), cell(2, 3));  // on the missing digit
    EXPECT_TRUE(w->window->holdsHistory());
    type("7");
    EXPECT_FALSE(w->window->holdsHistory());
    // Complete now: it closes without a question.
    QTest::mouseClick(w->window->closeButton(), Qt::LeftButton);
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_FALSE(w->window->isVisible());
    EXPECT_EQ(storedRows().back(), "3:127");
}

TEST_F(TypingFixture, TheCloseBoxAsksTooAndNoClosesWithTheRowAsItIs) {
    open(1);
    put(2, 1);
    type("9");
    w->window->close();                    // the frame's close, not the button
    ASSERT_EQ(messages.asked.size(), 1u);  // no answer queued: No
    EXPECT_FALSE(w->window->isVisible());
    EXPECT_EQ(storedRows().back(), "3:9__");
}
