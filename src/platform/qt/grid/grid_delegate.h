#pragma once
// The delegate of the read-only grids: paints each cell from the model's
// roles through PaintGridCell, the routine the printed pages use too.
#include <QStyledItemDelegate>

namespace n3 {

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // `parent` is the QTableView the delegate paints for: it answers where
    // the columns lie when a text runs over its neighbours.
    explicit GridDelegate(QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace n3
