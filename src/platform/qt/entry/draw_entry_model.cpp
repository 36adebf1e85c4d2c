#include "platform/qt/entry/draw_entry_model.h"
#include "platform/qt/frame/qt_util.h"

#include <QBrush>
#include <QColor>

namespace n3 {

namespace {}  // namespace

std::unique_ptr<DrawEntryModel> DrawEntryModel::Open(Database& database) {
    database.CheckStillThere();
    DrawHistory history = database.draws().ReadHistoryForEditing();
    std::unique_ptr<DrawEntryModel> model(new DrawEntryModel(database.draws()));
    model->entry_.Load(std::move(history));
    return model;
}

DrawEntryModel::DrawEntryModel(DrawStore& store) : store_(store) { entry_.setObserver(this); }

DrawEntryModel::~DrawEntryModel() { entry_.setObserver(nullptr); }

int DrawEntryModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : entry_.rowCount(); }

int DrawEntryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 当選データ入力::kColumnCount;
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
    if (orientation == Qt::Horizontal && section >= 0 && section < 当選データ入力::kColumnCount) {
        if (role == Qt::DisplayRole) {
            const auto heading = 当選データ入力::kColumnHeadings[std::size_t(section)];
            return QString::fromUtf8(heading.data(), qsizetype(heading.size()));
        }
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        return {};
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return {};
}

Qt::ItemFlags DrawEntryModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (当選データ入力::IsEditable(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool DrawEntryModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    try {
        if (!entry_.SetCellText(index.row(), index.column(), value.toString().toStdString())) return false;
    } catch (const std::exception& e) {
        emit dataChanged(index, index);  // show the stored value again
        refused(e);
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

int DrawEntryModel::addLine(int activeRow) {
    try {
        return entry_.AddLine(activeRow);
    } catch (const std::exception& e) {
        refused(e);
        return -1;
    }
}

bool DrawEntryModel::deleteLine(int row) {
    try {
        entry_.DeleteLine(row);
        return true;
    } catch (const std::exception& e) {
        refused(e);
        return false;
    }
}

bool DrawEntryModel::deleteLines(int first, int last) {
    try {
        entry_.DeleteLines(first, last);
        return true;
    } catch (const std::exception& e) {
        refused(e);
        return false;
    }
}

QModelIndex DrawEntryModel::firstWrongCell() const {
    const auto cell = entry_.FindFirstWrongCell();
    return cell ? index(cell->row, cell->column) : QModelIndex();
}

void DrawEntryModel::RowAboutToBeInserted(int row) { beginInsertRows({}, row, row); }
void DrawEntryModel::RowInserted() { endInsertRows(); }
void DrawEntryModel::RowAboutToBeRemoved(int row) { beginRemoveRows({}, row, row); }
void DrawEntryModel::RowRemoved() { endRemoveRows(); }

void DrawEntryModel::refused(const std::exception& e) {
    emit writeRefused(QString::fromStdString(当選データ入力::WriteRefusedMessage(e.what())));
}

}  // namespace n3
