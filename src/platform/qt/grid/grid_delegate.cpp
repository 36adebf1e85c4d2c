#include "platform/qt/grid/grid_delegate.h"

#include <QPainter>
#include <QTableView>

#include "platform/qt/grid/grid_cell_painter.h"

namespace n3 {

GridDelegate::GridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void GridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const auto* view = qobject_cast<const QTableView*>(parent());
    const QRect rect = option.rect;
    p->save();
    p->setFont(option.font);
    PaintGridCell(*p, index, rect, [view, rect](int column) {
        return view ? QRect(view->columnViewportPosition(column), rect.top(), view->columnWidth(column), rect.height())
                    : QRect();
    });
    p->restore();
}

}  // namespace n3
