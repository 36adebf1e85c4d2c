#include "platform/qt/grid_delegate.h"

#include <QPainter>
#include <QTableView>

#include "core/grid_model.h"
#include "platform/qt/grid_table_model.h"
#include "platform/qt/grid_text_fit.h"

namespace n3 {

namespace {

constexpr int kTextPadding = 2;
constexpr int kOverflowReach = 40;  // columns a text may run over

Qt::Alignment TextAlignment(const CellStyle& s) {
    Qt::Alignment a = s.hAlign == HAlign::Left    ? Qt::AlignLeft
                      : s.hAlign == HAlign::Right ? Qt::AlignRight
                                                  : Qt::AlignHCenter;
    return a | (s.vAlign == VAlign::Top      ? Qt::AlignTop
                : s.vAlign == VAlign::Bottom ? Qt::AlignBottom
                                             : Qt::AlignVCenter);
}

void DrawLine(QPainter* p, const Border& b, QPoint from, QPoint to) {
    if (b.style == LineStyle::None) return;
    p->setPen(QPen(ToQColor(b.colour, colours::DefaultLine), 1));
    p->drawLine(from, to);
}

}  // namespace

GridDelegate::GridDelegate(const GridModel& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

QRect GridDelegate::cellRect(const QTableView* view, int col, const QRect& sameRow) const {
    return QRect(view->columnViewportPosition(col - 1), sameRow.top(), view->columnWidth(col - 1), sameRow.height());
}

// Draws the text of cell (col,row), whose rectangle is `owner`, clipped to
// `target`. A text wider than its cell grows from its alignment side when
// the grid lets texts run over their neighbours.
void GridDelegate::drawCellText(QPainter* p, int col, int row, const QRect& owner, const QRect& target) const {
    const CellStyle& style = grid_.style(col, row);
    const QString text = QString::fromStdString(grid_.text(col, row));
    QRect textRect = owner.adjusted(kTextPadding, 0, -kTextPadding, 0);
    const int needed = p->fontMetrics().horizontalAdvance(text) + 1;
    if (grid_.textOverflow && needed > textRect.width()) {
        const int extra = needed - textRect.width();
        switch (style.hAlign) {
        case HAlign::Left: textRect.setRight(textRect.right() + extra); break;
        case HAlign::Right: textRect.setLeft(textRect.left() - extra); break;
        case HAlign::Center:
            textRect.setLeft(textRect.left() - extra / 2);
            textRect.setRight(textRect.right() + extra - extra / 2);
            break;
        }
    }
    p->save();
    const RowFit fit = FitTextToRow(p->font(), text, owner.height());
    p->setFont(fit.font);
    textRect.translate(0, fit.shift);
    p->setClipRect(target);
    p->setPen(ToQColor(style.foreground, colours::DefaultText));
    p->drawText(textRect, int(TextAlignment(style)) | Qt::TextSingleLine, text);
    p->restore();
}

void GridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int col = index.column() + 1, row = index.row() + 1;
    const CellStyle& style = grid_.style(col, row);
    const QRect rect = option.rect;

    p->save();
    p->setClipRect(rect);
    p->fillRect(rect, ToQColor(style.background, colours::DefaultBackground));
    p->setFont(option.font);

    const auto* view = qobject_cast<const QTableView*>(parent());
    if (!grid_.isEmpty(col, row)) {
        drawCellText(p, col, row, rect, rect);
    } else if (grid_.textOverflow && view) {
        // An empty cell shows the part of a neighbour's text that runs over
        // it: left-aligned and centred texts run right, right-aligned and
        // centred texts run left, each only across empty cells.
        for (int c = col - 1; c >= 1 && c >= col - kOverflowReach; --c) {
            if (grid_.isEmpty(c, row)) continue;
            if (grid_.style(c, row).hAlign != HAlign::Right) drawCellText(p, c, row, cellRect(view, c, rect), rect);
            break;
        }
        for (int c = col + 1; c <= grid_.columns() && c <= col + kOverflowReach; ++c) {
            if (grid_.isEmpty(c, row)) continue;
            if (grid_.style(c, row).hAlign != HAlign::Left) drawCellText(p, c, row, cellRect(view, c, rect), rect);
            break;
        }
    }

    // Borders: right and bottom on the cell's last pixel; left and top on its
    // first, unless the neighbour already draws that line.
    const QPoint tl = rect.topLeft(), tr = rect.topRight(), bl = rect.bottomLeft(), br = rect.bottomRight();
    DrawLine(p, style.borders[Right], tr, br);
    DrawLine(p, style.borders[Bottom], bl, br);
    if (grid_.style(col - 1, row).borders[Right].style == LineStyle::None || col == 1)
        DrawLine(p, style.borders[Left], tl, bl);
    if (grid_.style(col, row - 1).borders[Bottom].style == LineStyle::None || row == 1)
        DrawLine(p, style.borders[Top], tl, tr);
    p->restore();
}

}  // namespace n3
