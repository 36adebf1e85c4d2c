#pragma once
// Where the entry window's cursor goes while a draw is typed.
//
// Digits fill a row from 第1数字 to the game's last digit and the cursor
// moves on by itself, to the next row after the last digit. Users who press Enter or Tab after
// each digit or each row would otherwise move twice, so a move key right
// after such an automatic move is taken as already done. On the last row a
// complete draw is followed by a new one: Enter or ↓ opens it (回数 + 1)
// without a question, and so do Tab and the next digit right after the
// digit that completed it. A digit is never written over a
// filled cell of another row that the cursor only reached by itself; within
// the row being typed the digits go on over what is there, so a draw is
// typed again from its 第1数字 to mend it.
#include "entry/draw_entry.h"

namespace n3 {

enum class EntryKey { Enter, ShiftEnter, Tab, Backtab, Up, Down, Left, Right };

// What the window does for a key.
struct EntryStep {
    enum Kind {
        MoveTo,    // put the cursor on `cell`
        Stay,      // the key is used up; the cursor stays
        NewDraw,   // store the next draw at the end and go to its 第1数字
        LeaveGrid  // the focus goes on to the window's buttons (Tab only)
    };
    Kind kind = Stay;
    EntryCell cell;
    friend bool operator==(const EntryStep&, const EntryStep&) = default;
};

// What the window does with a typed digit.
enum class DigitStep {
    Store,             // store it on the current cell
    NewDrawThenStore,  // open the next draw first, then store it in its 第1数字
    Refuse             // beep: the cell holds a digit the user did not move onto
};

class EntryCursor {
public:
    // The grid as the cursor needs to know it.
    struct Grid {
        int rowCount = 0;
        // The last row holds all the game's digits.
        bool lastRowComplete = false;
        // The cell under the cursor holds a digit.
        bool cellFilled = false;
        // Whose draws the rows are: how many digit columns a row has.
        const Game* game = &kNumbers3;
    };

    // A key pressed with the cursor on `here`.
    EntryStep Key(EntryKey key, EntryCell here, const Grid& grid);
    // A digit typed on the current cell, before it is stored.
    DigitStep Digit(const Grid& grid) const;
    // The digit was stored on `at`: where the cursor goes by itself.
    EntryStep Stored(EntryCell at, int rowCount, const Game& game = kNumbers3);
    // The cursor went where it was sent after NewDraw (the new row's 第1数字).
    void OpenedNewDraw();
    // The user put the cursor somewhere (a click, a key the grid handles
    // itself): nothing counts as an automatic move any longer.
    void Forget();

    // The cursor's last move was the automatic one after a digit.
    bool movedByItself() const { return movedByItself_; }
    // That move could not happen: the digit completed the grid's last row.
    bool atEndOfGrid() const { return atEnd_; }

private:
    bool movedByItself_ = false;
    bool atEnd_ = false;
    bool crossedRow_ = false;  // the automatic move went on to the next row
};

}  // namespace n3
