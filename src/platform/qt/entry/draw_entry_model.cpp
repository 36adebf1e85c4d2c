#include "platform/qt/entry/draw_entry_model.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/entry/entry_undo_commands.h"

#include <algorithm>

#include <QBrush>
#include <QColor>

namespace n3 {

namespace {}  // namespace

std::unique_ptr<DrawEntryModel> DrawEntryModel::Open(Database& database, const Game& game) {
    database.CheckStillThere();
    DrawStore& store = database.draws(game);
    DrawHistory history = store.ReadHistoryForEditing();
    std::unique_ptr<DrawEntryModel> model(new DrawEntryModel(store));
    model->entry_.Load(std::move(history));
    return model;
}

DrawEntryModel::DrawEntryModel(DrawStore& store) : store_(store), undo_(new QUndoStack(this)) {
    entry_.setObserver(this);
}

DrawEntryModel::~DrawEntryModel() {
    // The steps refer to this model: they go first.
    delete undo_;
    undo_ = nullptr;
    entry_.setObserver(nullptr);
}

int DrawEntryModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : entry_.rowCount(); }

int DrawEntryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 当選データ入力::ColumnCount(entry_.game());
}

QVariant DrawEntryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const bool drawNo = index.column() == 当選データ入力::kDrawNoColumn;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(entry_.CellText(index.row(), index.column()));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        if (drawNo) return QBrush(ToQColor(当選データ入力::kDrawNoText));
        return {};
    case Qt::BackgroundRole:
        if (drawNo) return QBrush(ToQColor(当選データ入力::kDrawNoBackground));
        return {};
    default: return {};
    }
}

QVariant DrawEntryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < columnCount()) {
        if (role == Qt::DisplayRole) return QString::fromStdString(当選データ入力::ColumnHeading(section));
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        return {};
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return {};
}

Qt::ItemFlags DrawEntryModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (当選データ入力::IsEditable(index.column(), entry_.game())) f |= Qt::ItemIsEditable;
    return f;
}

bool DrawEntryModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const bool digitCell = 当選データ入力::IsEditable(index.column(), entry_.game()) && index.row() < entry_.rowCount();
    const Draw before = digitCell ? entry_.row(index.row()) : Draw{};
    try {
        if (!entry_.SetCellText(index.row(), index.column(), value.toString().toStdString())) return false;
    } catch (const DrawChangedElsewhere& e) {
        follow();
        emit changedElsewhere(QString::fromStdString(e.what()));
        return false;
    } catch (const std::exception& e) {
        emit dataChanged(index, index);  // show the stored value again
        refused(e);
        return false;
    }
    emit dataChanged(index, index);
    const Draw& after = entry_.row(index.row());
    if (before.digits != after.digits) undo_->push(new RowEdit(*this, before.drawNo, before.digits, after.digits));
    return true;
}

int DrawEntryModel::addLine() {
    // Draws stored elsewhere meanwhile show first: the new one comes after them.
    follow();
    try {
        const int row = entry_.AddLine();
        undo_->push(new DrawsAddedOrDeleted(*this, {entry_.row(row)}, true));
        return row;
    } catch (const std::exception& e) {
        refused(e);
        return -1;
    }
}

bool DrawEntryModel::deleteLine(int row) {
    if (row < 0 || row >= entry_.rowCount()) return true;
    const Draw gone = entry_.row(row);
    try {
        entry_.DeleteLine(row);
        undo_->push(new DrawsAddedOrDeleted(*this, {gone}, false));
        return true;
    } catch (const std::exception& e) {
        refused(e);
        return false;
    }
}

bool DrawEntryModel::deleteLines(int first, int last) {
    std::vector<Draw> gone;
    for (int r = std::max(first, 0); r <= std::min(last, entry_.rowCount() - 1); ++r) gone.push_back(entry_.row(r));
    try {
        entry_.DeleteLines(first, last);
        if (!gone.empty()) undo_->push(new DrawsAddedOrDeleted(*this, std::move(gone), false));
        return true;
    } catch (const std::exception& e) {
        refused(e);
        return false;
    }
}

std::vector<int> DrawEntryModel::follow() {
    DrawHistory stored;
    try {
        stored = store_.ReadHistoryForEditing();
    } catch (const std::exception&) {
        return {};
    }
    std::vector<int> changed;
    for (const int row : entry_.Follow(std::move(stored))) {
        changed.push_back(entry_.row(row).drawNo);
        emit dataChanged(index(row, 1), index(row, columnCount() - 1));
    }
    return changed;
}

QModelIndex DrawEntryModel::firstWrongCell() const {
    const auto cell = entry_.FindFirstWrongCell();
    return cell ? index(cell->row, cell->column) : QModelIndex();
}

bool DrawEntryModel::lastRowComplete() const {
    return entry_.rowCount() > 0 && entry_.row(entry_.rowCount() - 1).complete(entry_.game());
}

void DrawEntryModel::applyDigits(int drawNo, const DrawDigits& digits) {
    // The row is written whole, in one write: the database never holds a
    // half of the step.
    Draw draw;
    draw.drawNo = drawNo;
    draw.digits = digits;
    const int row = entry_.RowOf(drawNo);
    if (row < 0) return;
    // Undone or done again only over what the window shows: a draw another
    // program changed meanwhile is shown as stored instead.
    const Draw shown = entry_.row(row);
    const std::vector<int> changed = follow();
    if (std::find(changed.begin(), changed.end(), drawNo) != changed.end() || entry_.RowOf(drawNo) < 0) {
        emit changedElsewhere(QString::fromStdString(DrawChangedElsewhere(shown.drawNo).what()));
        return;
    }
    applyRestore({draw});
}

void DrawEntryModel::applyRestore(const std::vector<Draw>& draws) {
    try {
        entry_.RestoreDraws(draws);
        if (draws.empty()) return;
        const int row = entry_.RowOf(draws.front().drawNo);
        emit dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1));
        emit stepApplied(index(row, 1));
    } catch (const std::exception& e) {
        refused(e);
    }
}

void DrawEntryModel::applyRemove(const std::vector<int>& drawNos) {
    try {
        const int first = drawNos.empty() ? -1 : entry_.RowOf(drawNos.front());
        entry_.RemoveDraws(drawNos);
        if (rowCount() > 0) emit stepApplied(index(std::clamp(first, 0, rowCount() - 1), 1));
    } catch (const std::exception& e) {
        refused(e);
    }
}

void DrawEntryModel::RowAboutToBeInserted(int row) { beginInsertRows({}, row, row); }
void DrawEntryModel::RowInserted() { endInsertRows(); }
void DrawEntryModel::RowAboutToBeRemoved(int row) { beginRemoveRows({}, row, row); }
void DrawEntryModel::RowRemoved() { endRemoveRows(); }

void DrawEntryModel::refused(const std::exception& e) {
    emit writeRefused(QString::fromStdString(当選データ入力::WriteRefusedMessage(e.what())));
}

}  // namespace n3
