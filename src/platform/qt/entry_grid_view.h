#pragma once
// The entry window's grid: a table view without row headings, with fixed
// row heights so that tens of thousands of rows open at once.
//
// With no row headings to click, the 回数 cell stands for its row: a click
// on it selects the whole row, and a right-click on it (or anywhere in a
// row that is selected as a whole) counts as a right-click on the row.
#include <QTableView>

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
    // First and last selected row; (-1, -1) when nothing is selected.
    std::pair<int, int> selectedRowSpan() const;

signals:
    // A right-click at globalPos on `row` (-1: below the rows);
    // wholeRow when it counts as a click on the whole row.
    void rowMenuRequested(const QPoint& globalPos, int row, bool wholeRow);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void selectWholeRow(int row);
};

}  // namespace n3
