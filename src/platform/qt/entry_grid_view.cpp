#include "platform/qt/entry_grid_view.h"

#include "platform/qt/grid_font.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "entry/draw_entry.h"

namespace n3 {

EntryGridView::EntryGridView(QWidget* parent) : QTableView(parent) {
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setContextMenuPolicy(Qt::PreventContextMenu);  // not a row
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setShowGrid(false);  // the delegate draws the cell borders
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

// One character unit is the width of a digit of the grid's font, as in the
// analysis grids, plus a little room for the cell's lines.
int EntryGridView::charsToPixels(double chars) const { return CharUnitsToPixels(chars); }

void EntryGridView::setColumnWidthInChars(int column, double chars) { setColumnWidth(column, charsToPixels(chars)); }

void EntryGridView::setRowHeightInPoints(double points) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(PointsToPixels(points, this));
}

int EntryGridView::fullWidth() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < horizontalHeader()->count(); ++c) width += columnWidth(c);
    return width;
}

void EntryGridView::finishEditing() {
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

std::pair<int, int> EntryGridView::selectedRowSpan() const {
    const QItemSelection selection = selectionModel() ? selectionModel()->selection() : QItemSelection();
    if (selection.isEmpty()) return {-1, -1};
    int first = selection.first().top(), last = selection.first().bottom();
    for (const QItemSelectionRange& range : selection) {
        first = std::min(first, range.top());
        last = std::max(last, range.bottom());
    }
    return {first, last};
}

void EntryGridView::selectWholeRow(int row) {
    const QModelIndex cell = model()->index(row, 当選データ入力::kDrawNoColumn);
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void EntryGridView::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid() && at.column() == 当選データ入力::kDrawNoColumn &&
        !(event->modifiers() & Qt::ShiftModifier))
        selectWholeRow(at.row());
}

void EntryGridView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex at = indexAt(event->pos());
    bool wholeRow = false;
    if (at.isValid()) {
        if (at.column() == 当選データ入力::kDrawNoColumn) selectWholeRow(at.row());
        wholeRow = selectionModel()->isRowSelected(at.row(), {});
    }
    emit rowMenuRequested(event->globalPos(), at.isValid() ? at.row() : -1, wholeRow);
    event->accept();
}

}  // namespace n3
