#include "platform/qt/entry/entry_grid_view.h"

#include "platform/qt/grid/grid_font.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <optional>

#include "entry/draw_entry.h"
#include "platform/qt/common/beep.h"
#include "platform/qt/entry/draw_entry_model.h"

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
    // Typed characters never open the editor: keyPressEvent stores them.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
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

void EntryGridView::dropEditing() {
    if (QWidget* editor = indexWidget(currentIndex())) closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
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

void EntryGridView::goTo(int row, int column) {
    const QModelIndex cell = model()->index(row, column);
    if (!cell.isValid()) return;
    movingItself_ = true;
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    movingItself_ = false;
    scrollTo(cell);
}

void EntryGridView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    cursor_.Forget();
    if (!selectionModel()) return;
    // The cursor put anywhere else (a click, the window after 行追加) ends
    // what the keys after a typed digit mean.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!movingItself_) cursor_.Forget();
    });
}

EntryCursor::Grid EntryGridView::gridState() const {
    EntryCursor::Grid grid;
    grid.rowCount = model()->rowCount();
    if (auto* entry = qobject_cast<DrawEntryModel*>(model())) {
        grid.lastRowComplete = entry->lastRowComplete();
        grid.game = &entry->entry().game();
    }
    grid.cellFilled = !currentIndex().data(Qt::EditRole).toString().isEmpty();
    return grid;
}

bool EntryGridView::openNextDraw() {
    auto* entry = qobject_cast<DrawEntryModel*>(model());
    if (!entry) return false;
    const int row = entry->addLine();
    if (row < 0) return false;  // refused and reported
    goTo(row, 1);
    cursor_.OpenedNewDraw();
    return true;
}

namespace {

std::optional<EntryKey> EntryKeyOf(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return (modifiers & Qt::ShiftModifier) ? EntryKey::ShiftEnter : EntryKey::Enter;
    case Qt::Key_Tab: return EntryKey::Tab;
    case Qt::Key_Backtab: return EntryKey::Backtab;
    case Qt::Key_Up: return EntryKey::Up;
    case Qt::Key_Down: return EntryKey::Down;
    case Qt::Key_Left: return EntryKey::Left;
    case Qt::Key_Right: return EntryKey::Right;
    default: return std::nullopt;
    }
}

}  // namespace

bool EntryGridView::moveByKey(int key, Qt::KeyboardModifiers modifiers) {
    const QModelIndex at = currentIndex();
    if (!model() || !at.isValid()) return false;
    const std::optional<EntryKey> entryKey = EntryKeyOf(key, modifiers);
    if (!entryKey) return false;
    const EntryStep step = cursor_.Key(*entryKey, {at.row(), at.column()}, gridState());
    switch (step.kind) {
    case EntryStep::MoveTo: goTo(step.cell.row, step.cell.column); return true;
    case EntryStep::Stay: return true;
    case EntryStep::NewDraw: openNextDraw(); return true;
    case EntryStep::LeaveGrid: return false;
    }
    return false;
}

void EntryGridView::typeText(const QString& text) {
    const DigitInput input = 当選データ入力::ParseDigitInput(text.toStdString());
    if (!(model()->flags(currentIndex()) & Qt::ItemIsEditable) || !input.accepted || !input.value) {
        Beep();
        return;
    }
    switch (cursor_.Digit(gridState())) {
    case DigitStep::Refuse: Beep(); return;
    case DigitStep::NewDrawThenStore:
        if (!openNextDraw()) return;
        break;
    case DigitStep::Store: break;
    }
    const QModelIndex cell = currentIndex();
    // A refused write has been reported by the model: the cursor stays.
    if (!model()->setData(cell, text)) {
        cursor_.Forget();
        return;
    }
    const EntryCursor::Grid grid = gridState();
    const EntryStep step = cursor_.Stored({cell.row(), cell.column()}, grid.rowCount, *grid.game);
    if (step.kind == EntryStep::MoveTo) goTo(step.cell.row, step.cell.column);
}

void EntryGridView::clearSelectedDigits() {
    QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.isEmpty()) cells << currentIndex();
    for (const QModelIndex& cell : cells) {
        if (!(model()->flags(cell) & Qt::ItemIsEditable)) continue;
        if (!model()->setData(cell, QString())) return;  // refused and reported
    }
}

// Backspace on the empty cell after a typed digit of the same row takes
// that digit back, as it does in a line of text: the cursor goes onto it and
// it is emptied. False when that is not the case (the cell is cleared then).
bool EntryGridView::backOverTheLastDigit() {
    const QModelIndex here = currentIndex();
    if (selectionModel()->selectedIndexes().size() > 1 || !here.data().toString().isEmpty()) return false;
    const QModelIndex before = here.sibling(here.row(), here.column() - 1);
    if (!before.isValid() || !(model()->flags(before) & Qt::ItemIsEditable) || before.data().toString().isEmpty())
        return false;
    selectionModel()->setCurrentIndex(before, QItemSelectionModel::ClearAndSelect);
    model()->setData(before, QString());
    return true;
}

void EntryGridView::keyPressEvent(QKeyEvent* event) {
    if (state() == EditingState || !model() || !currentIndex().isValid()) {
        QTableView::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::NoModifier && key == Qt::Key_Backspace && backOverTheLastDigit()) {
        event->accept();
        return;
    }
    if (modifiers == Qt::NoModifier && (key == Qt::Key_Delete || key == Qt::Key_Backspace)) {
        clearSelectedDigits();
        event->accept();
        return;
    }
    if ((modifiers & ~Qt::ShiftModifier) == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        moveByKey(key, modifiers);
        event->accept();
        return;
    }
    // The arrows without Shift (Shift extends the selection as usual).
    if (modifiers == Qt::NoModifier &&
        (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right)) {
        moveByKey(key, modifiers);
        event->accept();
        return;
    }
    const QString text = event->text();
    if ((modifiers & ~Qt::ShiftModifier) == Qt::NoModifier && !text.isEmpty() && text.at(0).isPrint()) {
        typeText(text);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// An input method (Japanese input on) hands over full-width digits here.
void EntryGridView::inputMethodEvent(QInputMethodEvent* event) {
    if (state() != EditingState && model() && currentIndex().isValid() && !event->commitString().isEmpty()) {
        for (const QChar c : event->commitString()) typeText(QString(c));
        event->accept();
        return;
    }
    QTableView::inputMethodEvent(event);
}

// Tab moves along the digit cells; at the grid's last digit cell (Shift+Tab:
// its first) the focus leaves the grid for the window's buttons.
bool EntryGridView::focusNextPrevChild(bool next) {
    if (state() != EditingState && model() && currentIndex().isValid() &&
        moveByKey(next ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier))
        return true;
    return QWidget::focusNextPrevChild(next);
}

}  // namespace n3
