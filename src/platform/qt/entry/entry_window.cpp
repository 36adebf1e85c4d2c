#include "platform/qt/entry/entry_window.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "entry/draw_entry.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/entry/draw_entry_model.h"
#include "platform/qt/entry/entry_grid_delegate.h"
#include "platform/qt/entry/entry_grid_view.h"
#include "platform/qt/grid/grid_font.h"
#include "windows/main_commands.h"

namespace n3 {

namespace {

using Entry = 当選データ入力;

bool AskYesNo(QWidget* parent, std::string_view question) {
    return dialogs::Message(parent, Q(question), Q(kMessageTitle), dialogs::Icon::Warning, dialogs::Buttons::YesNo) ==
           dialogs::Result::Yes;
}

// The hourglass for as long as the load runs.
}  // namespace

EntryWindow::EntryWindow(ChildHost& host, QWidget* parent) : ChildWindow(host, parent) {
    setWindowTitle(Q(Entry::kCaption));
    setObjectName(Q(Entry::kCaption));
    setFont(GridFont());
    BuildControls();
    BuildMenu();
    // The window's focus is the grid's: activating it puts the keyboard there.
    setFocusProxy(grid_);
    resize(ScaledToScreen(designSize(), this));
}

EntryWindow::~EntryWindow() = default;

QString EntryWindow::windowClass() const { return Q(Entry::kCaption); }

QList<QMenu*> EntryWindow::ownMenus() { return {editMenu_}; }

QSize EntryWindow::designSize() const { return {Entry::DesignWidth(game()), Entry::kDesignHeight}; }

void EntryWindow::BuildControls() {
    descriptionLabel_ = new QLabel(Q(Entry::kLabel), this);
    descriptionLabel_->setObjectName(QStringLiteral("descriptionLabel"));
    grid_ = new EntryGridView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setItemDelegate(new EntryGridDelegate(grid_));
    closeButton_ = new QPushButton(Q(Entry::kCloseButton), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));

    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* body = new QHBoxLayout;
    body->addWidget(grid_);
    body->addStretch(1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(descriptionLabel_);
    layout->addLayout(body, 1);

    connect(closeButton_, &QPushButton::clicked, this, &EntryWindow::CloseAndCheck);
    connect(grid_, &EntryGridView::rowMenuRequested, this, &EntryWindow::ShowRowMenu);
}

void EntryWindow::BuildMenu() {
    editMenu_ = new QMenu(Q(Entry::kEditMenu), this);
    editMenu_->setObjectName(QStringLiteral("editMenu"));
    insertRowAction_ = editMenu_->addAction(Q(Entry::kAddLine));
    insertRowAction_->setObjectName(QStringLiteral("insertRow"));
    insertRowAction_->setShortcut(QKeySequence(Q(Entry::kAddLineShortcut)));
    deleteRowAction_ = editMenu_->addAction(Q(Entry::kDelLine));
    deleteRowAction_->setObjectName(QStringLiteral("deleteRow"));
    deleteRowAction_->setShortcut(QKeySequence(Q(Entry::kDelLineShortcut)));
    // The shortcuts work while the focus is in this window, whether or not
    // the main window shows the menu.
    for (QAction* action : {insertRowAction_, deleteRowAction_}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    // Undo and redo of the window's changes; the model's stack is attached
    // once the grid is loaded.
    editMenu_->addSeparator();
    undoAction_ = editMenu_->addAction(QStringLiteral("元に戻す"));
    undoAction_->setObjectName(QStringLiteral("undo"));
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = editMenu_->addAction(QStringLiteral("やり直し"));
    redoAction_->setObjectName(QStringLiteral("redo"));
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {undoAction_, redoAction_}) {
        action->setEnabled(false);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(undoAction_, &QAction::triggered, this, &EntryWindow::Undo);
    connect(redoAction_, &QAction::triggered, this, &EntryWindow::Redo);
    connect(insertRowAction_, &QAction::triggered, this, &EntryWindow::AddLine);
    connect(deleteRowAction_, &QAction::triggered, this, &EntryWindow::DelLine);
}

void EntryWindow::load() {
    QString failure;
    {
        WaitCursor wait;
        host().yieldOnce();
        host().setEntryFree(false);
        try {
            model_ = DrawEntryModel::Open(host().database(), game()).release();
        } catch (const StoreError& e) {
            failure = QString::fromStdString(e.what());
        }
        if (model_) {
            model_->setParent(this);
            grid_->setModel(model_);
            connect(model_, &DrawEntryModel::writeRefused, this, &EntryWindow::ShowWriteRefused);
            connect(model_, &DrawEntryModel::changedElsewhere, this, &EntryWindow::ShowChangedElsewhere);
            connect(model_, &QAbstractItemModel::dataChanged, this, &EntryWindow::historyEdited);
            connect(model_, &QAbstractItemModel::rowsInserted, this, &EntryWindow::historyEdited);
            connect(model_, &QAbstractItemModel::rowsRemoved, this, &EntryWindow::historyEdited);
            connect(model_, &DrawEntryModel::stepApplied, this, [this](const QModelIndex& cell) {
                if (!cell.isValid()) return;
                grid_->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
                grid_->scrollTo(cell);
            });
            QUndoStack* steps = model_->undoStack();
            connect(steps, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
            connect(steps, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
            SetUpGrid();
        }
    }
    if (model_) return;
    dialogs::Message(this, failure, Q(kMessageTitle), dialogs::Icon::Critical);
    CloseFrame();
}

void EntryWindow::SetUpGrid() {
    grid_->horizontalHeader()->setFont(font());
    for (int c = 0; c < model_->columnCount(); ++c) grid_->setColumnWidthInChars(c, Entry::ColumnWidth(c));
    grid_->setRowHeightInPoints(Entry::kRowHeight);
    grid_->setFixedWidth(grid_->fullWidth());
    // The cursor starts on the newest draw, ready for the keyboard.
    const int rows = model_->rowCount();
    if (rows > 0) {
        const QModelIndex newest = model_->index(rows - 1, 1);
        grid_->selectionModel()->setCurrentIndex(newest, QItemSelectionModel::ClearAndSelect);
        grid_->scrollTo(newest, QAbstractItemView::PositionAtBottom);
    }
    grid_->setFocus();
    // Opened from a menu, the menu bar hands the focus back to where it was
    // once the command has run: the grid takes it again after that.
    QMetaObject::invokeMethod(
        grid_, [grid = grid_] { grid->setFocus(); }, Qt::QueuedConnection);
}

void EntryWindow::AddLine() {
    if (!model_) return;
    grid_->finishEditing();
    if (!AskYesNo(this, Entry::kAddLineQuestion)) return;
    const int row = model_->addLine();
    if (row < 0) return;
    // The new draw is typed from its 第1数字.
    const QModelIndex cell = model_->index(row, 1);
    grid_->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    grid_->scrollTo(cell);
    grid_->setFocus();
}

void EntryWindow::DelLine() {
    if (!model_) return;
    grid_->finishEditing();
    const QModelIndex active = grid_->currentIndex();
    if (!active.isValid()) return;  // no row to delete
    // Every row the selection touches goes, with one question.
    auto [first, last] = grid_->selectedRowSpan();
    if (first < 0) first = last = active.row();
    // The rows that would go are shown selected whole while the question
    // is asked.
    if (last > first)
        grid_->selectionModel()->select(
            QItemSelection(model_->index(first, 0), model_->index(last, model_->columnCount() - 1)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!AskYesNo(this, Entry::DelLinesQuestion(last - first + 1))) return;
    const bool deleted = first == last ? model_->deleteLine(first) : model_->deleteLines(first, last);
    if (deleted && model_->rowCount() > 0) {
        const QModelIndex next = model_->index(std::min(first, model_->rowCount() - 1), std::max(active.column(), 1));
        grid_->selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect);
    }
    grid_->setFocus();
}

void EntryWindow::Undo() {
    if (!model_) return;
    grid_->finishEditing();
    model_->undoStack()->undo();
    grid_->setFocus();
}

void EntryWindow::Redo() {
    if (!model_) return;
    grid_->finishEditing();
    model_->undoStack()->redo();
    grid_->setFocus();
}

bool EntryWindow::KeepEditingHalfTypedRow() {
    if (!model_ || host().ending()) return false;
    grid_->finishEditing();
    const auto half = model_->entry().FindFirstIncompleteRow();
    if (!half) return false;
    const int drawNo = model_->entry().row(half->row).drawNo;
    if (!AskYesNo(this, Entry::IncompleteRowQuestion(drawNo))) return false;
    const QModelIndex cell = model_->index(half->row, half->column);
    grid_->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    grid_->scrollTo(cell);
    grid_->setFocus();
    return true;
}

bool EntryWindow::holdsHistory() const {
    if (!model_ || !grid_->currentIndex().isValid()) return false;
    const Draw& d = model_->entry().row(grid_->currentIndex().row());
    int filled = 0;
    for (const auto& digit : d.digits) filled += digit.has_value();
    return filled > 0 && filled < game().digits;
}

void EntryWindow::followHistory() {
    if (!model_) return;
    const QModelIndex current = grid_->currentIndex();
    const bool editing = current.isValid() && grid_->indexWidget(current) != nullptr;
    const int editedDraw = editing ? model_->entry().row(current.row()).drawNo : 0;
    const std::vector<int> changed = model_->follow();
    if (!editing || std::find(changed.begin(), changed.end(), editedDraw) == changed.end()) return;
    grid_->dropEditing();
    ShowChangedElsewhere(QString::fromStdString(DrawChangedElsewhere(editedDraw).what()));
}

bool EntryWindow::queryUnload() {
    if (closingChecked_) return true;
    return !KeepEditingHalfTypedRow();
}

void EntryWindow::CloseAndCheck() {
    if (model_) {
        grid_->finishEditing();
        const QModelIndex wrong = model_->firstWrongCell();
        if (wrong.isValid()) {
            dialogs::Message(this, Q(Entry::kWrongDigit), Q(kMessageTitle), dialogs::Icon::Critical);
            grid_->selectionModel()->setCurrentIndex(wrong, QItemSelectionModel::ClearAndSelect);
            grid_->scrollTo(wrong);
            grid_->setFocus();
            return;
        }
        if (KeepEditingHalfTypedRow()) return;
    }
    closingChecked_ = true;  // asked once: the frame's close does not ask again
    CloseFrame();
    closingChecked_ = false;
}

// Inside the main window the frame closes, and with it this window.
void EntryWindow::CloseFrame() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void EntryWindow::unload() {
    if (model_) grid_->finishEditing();
    ChildWindow::unload();
}

void EntryWindow::ShowRowMenu(const QPoint& globalPos, int row, bool wholeRow) {
    if (!model_) return;
    const auto [first, last] = grid_->selectedRowSpan();
    if (model_->entry().ShowsEditMenu(wholeRow, row, first, last)) editMenu_->popup(globalPos);
}

void EntryWindow::ShowWriteRefused(const QString& message) {
    dialogs::Message(this, message, Q(kMessageTitle), dialogs::Icon::Critical);
}

void EntryWindow::ShowChangedElsewhere(const QString& message) {
    dialogs::Message(this, message, Q(kMessageTitle), dialogs::Icon::Information);
    grid_->setFocus();
}

ChildWindow* CreateEntryWindow(ChildHost& host) { return new EntryWindow(host); }

}  // namespace n3
