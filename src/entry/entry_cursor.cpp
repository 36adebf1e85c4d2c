#include "entry/entry_cursor.h"

#include <algorithm>

namespace n3 {

namespace {

using Entry = 当選データ入力;

bool OnLastRow(EntryCell here, int rowCount) { return here.row == rowCount - 1; }

EntryStep MoveTo(int row, int column) { return {EntryStep::MoveTo, {row, column}}; }

}  // namespace

EntryStep EntryCursor::Key(EntryKey key, EntryCell here, const Grid& grid) {
    const bool byItself = movedByItself_;
    const bool atEnd = atEnd_;
    Forget();
    const int rows = grid.rowCount;
    const bool forward = key == EntryKey::Enter || key == EntryKey::Tab;
    // The digit completed the last row: the next draw is what comes next.
    if (atEnd && grid.lastRowComplete && (forward || key == EntryKey::Down)) return {EntryStep::NewDraw, {}};
    // The cursor already moved on after the digit: this key was that move.
    // (At the grid's last cell it could not move: the key then acts as usual.)
    if (byItself && !atEnd && forward) return {EntryStep::Stay, here};
    const bool lastRow = OnLastRow(here, rows);
    const Game& game = *grid.game;
    const int lastColumn = Entry::ColumnCount(game) - 1;
    switch (key) {
    case EntryKey::Enter:
    case EntryKey::Down:
        if (lastRow && grid.lastRowComplete) return {EntryStep::NewDraw, {}};
        return MoveTo(std::min(here.row + 1, rows - 1), here.column);
    case EntryKey::ShiftEnter:
    case EntryKey::Up: return MoveTo(std::max(here.row - 1, 0), here.column);
    case EntryKey::Left: return MoveTo(here.row, std::max(here.column - 1, 0));
    case EntryKey::Right: return MoveTo(here.row, std::min(here.column + 1, lastColumn));
    case EntryKey::Tab:
        // Not right after a digit, Tab at the grid's last cell goes on to
        // the window's buttons.
        if (lastRow && here.column >= lastColumn) return {EntryStep::LeaveGrid, here};
        return {EntryStep::MoveTo, Entry::NextDigitCell(here, rows, game)};
    case EntryKey::Backtab:
        if (here.row == 0 && here.column <= 1) return {EntryStep::LeaveGrid, here};
        return {EntryStep::MoveTo, Entry::PreviousDigitCell(here, rows, game)};
    }
    return {EntryStep::Stay, here};
}

DigitStep EntryCursor::Digit(const Grid& grid) const {
    if (atEnd_ && grid.lastRowComplete) return DigitStep::NewDrawThenStore;
    if ((crossedRow_ || atEnd_) && grid.cellFilled) return DigitStep::Refuse;
    return DigitStep::Store;
}

EntryStep EntryCursor::Stored(EntryCell at, int rowCount, const Game& game) {
    const EntryCell next = Entry::NextDigitCell(at, rowCount, game);
    movedByItself_ = true;
    atEnd_ = next == at;  // the grid's last digit cell: nowhere to go
    crossedRow_ = next.row != at.row;
    return {atEnd_ ? EntryStep::Stay : EntryStep::MoveTo, next};
}

void EntryCursor::OpenedNewDraw() { Forget(); }

void EntryCursor::Forget() {
    movedByItself_ = false;
    atEnd_ = false;
    crossedRow_ = false;
}

}  // namespace n3
