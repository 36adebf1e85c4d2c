#include "platform/qt/grid/grid_table_model.h"

#include <QBrush>

namespace n3 {

namespace {

QVariant BorderColour(const Border& b) {
    if (b.style == LineStyle::None) return {};
    return ToQColor(b.colour, colours::DefaultLine);
}

}  // namespace

GridTableModel::GridTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridTableModel::showGrid(const GridModel* grid) {
    beginResetModel();
    grid_ = grid;
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() || !grid_ ? 0 : grid_->rows(); }

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !grid_ ? 0 : grid_->columns();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !grid_) return {};
    const GridModel& grid = *grid_;
    const int col = index.column() + 1, row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        if (const auto number = grid.number(col, row)) return QString::number(*number);
        return QString::fromStdString(grid.text(col, row));
    case Qt::ToolTipRole: {
        const std::string_view tip = grid.tip(col, row);
        if (tip.empty()) return {};
        return QString::fromUtf8(tip.data(), qsizetype(tip.size()));
    }
    case Qt::ForegroundRole: return QBrush(ToQColor(grid.style(col, row).foreground, colours::DefaultText));
    case Qt::BackgroundRole: return QBrush(ToQColor(grid.style(col, row).background, colours::DefaultBackground));
    case Qt::TextAlignmentRole: {
        const CellStyle& s = grid.style(col, row);
        Qt::Alignment a = s.hAlign == HAlign::Left    ? Qt::AlignLeft
                          : s.hAlign == HAlign::Right ? Qt::AlignRight
                                                      : Qt::AlignHCenter;
        a |= s.vAlign == VAlign::Top ? Qt::AlignTop : s.vAlign == VAlign::Bottom ? Qt::AlignBottom : Qt::AlignVCenter;
        return int(a);
    }
    case LeftBorderRole: return BorderColour(grid.style(col, row).borders[Left]);
    case RightBorderRole: return BorderColour(grid.style(col, row).borders[Right]);
    case TopBorderRole: return BorderColour(grid.style(col, row).borders[Top]);
    case BottomBorderRole: return BorderColour(grid.style(col, row).borders[Bottom]);
    case TextOverflowRole: return grid.textOverflow;
    default: return {};
    }
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

}  // namespace n3
