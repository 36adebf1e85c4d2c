// The entry cursor's rules, played on an in-memory grid: digits fill a row
// and move on, a move key right after that move is not a second move, and
// the last row opens the next draw when it is complete.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "entry/entry_cursor.h"

using namespace n3;

namespace {

// A grid of draws typed into with keys written as text: digits, '>' for
// Enter, 't' for Tab, 'v' for ↓, '^' for ↑.
struct TypedGrid {
    explicit TypedGrid(std::vector<std::string> start, EntryCell cursorAt) : rows(std::move(start)), at(cursorAt) {}

    void type(const std::string& keys) {
        for (char k : keys) {
            if (k >= '0' && k <= '9') {
                digit(k);
                continue;
            }
            const EntryKey key = k == '>'   ? EntryKey::Enter
                                 : k == 't' ? EntryKey::Tab
                                 : k == 'v' ? EntryKey::Down
                                            : EntryKey::Up;
            const EntryStep step = cursor.Key(key, at, grid());
            if (step.kind == EntryStep::MoveTo) at = step.cell;
            if (step.kind == EntryStep::NewDraw) newDraw();
            if (step.kind == EntryStep::LeaveGrid) ++focusLeft;
        }
    }
    void digit(char k) {
        switch (cursor.Digit(grid())) {
        case DigitStep::Refuse: ++refused; return;
        case DigitStep::NewDrawThenStore: newDraw(); break;
        case DigitStep::Store: break;
        }
        rows[std::size_t(at.row)][std::size_t(at.column - 1)] = k;
        const EntryStep step = cursor.Stored(at, int(rows.size()));
        if (step.kind == EntryStep::MoveTo) at = step.cell;
    }
    void newDraw() {
        rows.push_back("___");
        at = {int(rows.size()) - 1, 1};
        cursor.OpenedNewDraw();
    }
    EntryCursor::Grid grid() const {
        EntryCursor::Grid g;
        g.rowCount = int(rows.size());
        g.lastRowComplete = rows.back().find('_') == std::string::npos;
        g.cellFilled = rows[std::size_t(at.row)][std::size_t(at.column - 1)] != '_';
        return g;
    }

    std::vector<std::string> rows;
    EntryCell at;
    EntryCursor cursor;
    int refused = 0;
    int focusLeft = 0;
};

struct Typing {
    const char* name;
    std::vector<std::string> before;
    EntryCell start;
    std::string keys;
    std::vector<std::string> after;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const Typing& c, std::ostream* out) { *out << c.name; }

class EntryCursorTyping : public ::testing::TestWithParam<Typing> {};

}  // namespace

TEST_P(EntryCursorTyping, StoresTheRowsTyped) {
    const Typing& t = GetParam();
    TypedGrid g(t.before, t.start);
    g.type(t.keys);
    EXPECT_EQ(g.rows, t.after);
    EXPECT_EQ(g.refused, 0);
    EXPECT_EQ(g.focusLeft, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Habits, EntryCursorTyping,
    ::testing::Values(
        Typing{"EnterAfterEachRow",
               {"___", "___", "___", "___"},
               {0, 1},
               "128>064>990>472>",
               {"128", "064", "990", "472", "___"}},
        Typing{"NoEnter", {"___", "___", "___", "___"}, {0, 1}, "128064990472", {"128", "064", "990", "472"}},
        Typing{"TabAfterEachDigit", {"123"}, {0, 1}, "v3t5t7", {"123", "357"}},
        Typing{"LastRowEnterOpensTheNextDraw", {"123"}, {0, 1}, ">456>789", {"123", "456", "789"}},
        Typing{"LastRowDigitsRunOn", {"123"}, {0, 1}, "v456789", {"123", "456", "789"}},
        Typing{"DownOnACompleteLastRow", {"123", "456"}, {0, 2}, "vv1", {"123", "456", "1__"}},
        Typing{"TabAfterTheLastDigitOfTheGrid", {"1__"}, {0, 2}, "2t3t", {"123", "___"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(EntryCursor, AMoveKeyAfterTheAutomaticMoveIsUsedUpOnce) {
    EntryCursor c;
    const EntryCursor::Grid grid{3, true, false};
    EXPECT_EQ(c.Stored({0, 3}, 3), (EntryStep{EntryStep::MoveTo, {1, 1}}));
    EXPECT_TRUE(c.movedByItself());
    EXPECT_EQ(c.Key(EntryKey::Enter, {1, 1}, grid).kind, EntryStep::Stay);
    // The second Enter moves as Enter does.
    EXPECT_EQ(c.Key(EntryKey::Enter, {1, 1}, grid), (EntryStep{EntryStep::MoveTo, {2, 1}}));
    // ↑ after the automatic move is a move of its own.
    c.Stored({0, 1}, 3);
    EXPECT_EQ(c.Key(EntryKey::Up, {0, 2}, grid), (EntryStep{EntryStep::MoveTo, {0, 2}}));
}

TEST(EntryCursor, NeverOverwritesAFilledCellItOnlyReachedByItself) {
    TypedGrid g({"___", "456"}, {0, 1});
    g.type("123");  // the cursor moves on to the filled row 2
    g.type("9");
    EXPECT_EQ(g.refused, 1);
    EXPECT_EQ(g.rows, (std::vector<std::string>{"123", "456"}));
    // Moved onto on purpose, the cell takes the digit.
    g.type("^v9");
    EXPECT_EQ(g.rows[1], "956");
}

TEST(EntryCursor, AnIncompleteLastRowNeitherOpensADrawNorIsOverwritten) {
    TypedGrid g({"___"}, {0, 3});
    g.type("5");  // 第3数字 first: the grid's last cell
    EXPECT_TRUE(g.cursor.atEndOfGrid());
    g.type(">");
    EXPECT_EQ(g.rows.size(), 1u);
    g.type("6");
    EXPECT_EQ(g.rows, (std::vector<std::string>{"__6"}));
    // Tab at the last cell of an incomplete grid leaves for the buttons.
    g.type("t");
    EXPECT_EQ(g.focusLeft, 1);
}

TEST(EntryCursor, ForgetEndsTheAutomaticMove) {
    EntryCursor c;
    c.Stored({0, 3}, 1);
    EXPECT_TRUE(c.atEndOfGrid());
    c.Forget();
    EXPECT_FALSE(c.movedByItself());
    EXPECT_EQ(c.Digit({1, true, true}), DigitStep::Store);
}
