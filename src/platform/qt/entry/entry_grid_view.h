#pragma once
// The entry window's grid: a table view without row headings, with fixed
// row heights so that tens of thousands of rows open at once.
//
// With no row headings to click, the 回数 cell stands for its row: a click
// on it selects the whole row, and a right-click on it (or anywhere in a
// row that is selected as a whole) counts as a right-click on the row.
//
// Typing works as in a spreadsheet: a digit typed on a digit cell is
// stored at once and the cursor moves on to the next digit cell, so a draw
// is three keys; Delete and BackSpace empty the selected digit cells;
// Enter moves down, Tab and Shift+Tab move along the digit cells. Where the
// cursor goes after a digit, and what Enter, Tab and ↓ do right after that
// or on the last row, follows EntryCursor (entry/entry_cursor.h). Any
// other character is refused with a beep. F2 or a double-click still opens
// the cell's editor.
#include <QTableView>

#include "entry/entry_cursor.h"

namespace n3 {

class EntryGridView : public QTableView {
    Q_OBJECT
public:
    explicit EntryGridView(QWidget* parent = nullptr);

    // Sizes in the grid's units: widths in characters of the grid's font,
    // heights in points.
    int charsToPixels(double chars) const;
    void setColumnWidthInChars(int column, double chars);
    void setRowHeightInPoints(double points);
    // The width that shows every column and the vertical scroll bar.
    int fullWidth() const;

    // Writes what an open editor holds and closes it.
    void finishEditing();
    // Closes an open editor without writing what it holds.
    void dropEditing();
    // First and last selected row; (-1, -1) when nothing is selected.
    std::pair<int, int> selectedRowSpan() const;
    // Moves the cursor as the key does when no editor is open; the editor
    // calls it after storing its text. False when the key is not a move.
    bool moveByKey(int key, Qt::KeyboardModifiers modifiers);
    void setModel(QAbstractItemModel* model) override;

signals:
    // A right-click at globalPos on `row` (-1: below the rows);
    // wholeRow when it counts as a click on the whole row.
    void rowMenuRequested(const QPoint& globalPos, int row, bool wholeRow);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void selectWholeRow(int row);
    void goTo(int row, int column);
    // A typed text on the current cell: stored and moved on, or refused.
    void typeText(const QString& text);
    void clearSelectedDigits();
    bool backOverTheLastDigit();
    EntryCursor::Grid gridState() const;
    // The next draw, stored at the end without a question; the cursor on
    // its 第1数字. False when the write was refused.
    bool openNextDraw();

    EntryCursor cursor_;
    bool movingItself_ = false;
};

}  // namespace n3
