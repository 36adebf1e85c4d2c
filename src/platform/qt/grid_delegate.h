#pragma once
// Paints the cells of a GridModel: background, text (running over empty
// cells to its right where the grid allows it) and the borders of each side.
#include <QStyledItemDelegate>

class QTableView;

namespace n3 {

class GridModel;

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    GridDelegate(const GridModel& grid, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QRect cellRect(const QTableView* view, int col, const QRect& sameRow) const;
    void drawCellText(QPainter* p, int col, int row, const QRect& owner, const QRect& target) const;

    const GridModel& grid_;
};

}  // namespace n3
