#include "platform/qt/grid/grid_cell_painter.h"

#include <QBrush>
#include <QPainter>

#include "platform/qt/grid/grid_table_model.h"
#include "platform/qt/grid/grid_text_fit.h"

namespace n3 {

namespace {

constexpr int kTextPadding = 2;
constexpr int kOverflowReach = 40;  // columns a text may run over

QString TextOf(const QModelIndex& index) { return index.data(Qt::DisplayRole).toString(); }

QColor ColourOf(const QModelIndex& index, int role, Qt::GlobalColor fallback) {
    const QVariant v = index.data(role);
    return v.isValid() ? v.value<QBrush>().color() : QColor(fallback);
}

Qt::Alignment AlignmentOf(const QModelIndex& index) {
    const QVariant v = index.data(Qt::TextAlignmentRole);
    return v.isValid() ? Qt::Alignment(v.toInt()) : Qt::Alignment(Qt::AlignCenter);
}

void DrawLine(QPainter& p, const QVariant& colour, QPoint from, QPoint to) {
    if (!colour.isValid()) return;
    p.setPen(QPen(colour.value<QColor>(), 1));
    p.drawLine(from, to);
}

// Draws the text of `cell`, whose rectangle is `owner`, clipped to `target`.
// A text wider than its cell grows from its alignment side when the grid
// lets texts run over their neighbours.
void DrawCellText(QPainter& p, const QModelIndex& cell, bool overflow, const QRect& owner, const QRect& target) {
    const QString text = TextOf(cell);
    const Qt::Alignment align = AlignmentOf(cell);
    QRect textRect = owner.adjusted(kTextPadding, 0, -kTextPadding, 0);
    const int needed = p.fontMetrics().horizontalAdvance(text) + 1;
    if (overflow && needed > textRect.width()) {
        const int extra = needed - textRect.width();
        if (align & Qt::AlignLeft)
            textRect.setRight(textRect.right() + extra);
        else if (align & Qt::AlignRight)
            textRect.setLeft(textRect.left() - extra);
        else {
            textRect.setLeft(textRect.left() - extra / 2);
            textRect.setRight(textRect.right() + extra - extra / 2);
        }
    }
    // A neighbour's text that does not reach this cell draws nothing here.
    if (!textRect.intersects(target)) return;
    // drawText keeps a text inside `textRect`; only a text that runs over
    // from another cell needs clipping to `target` as well. (Clipping costs:
    // a printed page would carry a clip path per cell.)
    const bool spills = !target.contains(textRect);
    // A text taller than its row is drawn a little smaller, keeping a pixel
    // from the lines; the glyphs are centred in the row.
    const RowFit fit = FitTextToRow(p.font(), text, owner.height());
    const bool refit = fit.font != p.font();
    if (spills || refit) p.save();
    if (spills) p.setClipRect(target, Qt::IntersectClip);
    if (refit) p.setFont(fit.font);
    textRect.translate(0, fit.shift);
    p.setPen(ColourOf(cell, Qt::ForegroundRole, Qt::black));
    p.drawText(textRect, int(align) | Qt::TextSingleLine, text);
    if (spills || refit) p.restore();
}

}  // namespace

void PaintGridCell(QPainter& p, const QModelIndex& index, const QRect& rect, const ColumnRectFunction& columnRect) {
    const int col = index.column(), row = index.row();
    const int columns = index.model()->columnCount(index.parent());
    const bool overflow = index.data(TextOverflowRole).toBool();

    p.fillRect(rect, ColourOf(index, Qt::BackgroundRole, Qt::white));

    if (!TextOf(index).isEmpty()) {
        DrawCellText(p, index, overflow, rect, rect);
    } else if (overflow && columnRect) {
        // An empty cell shows the part of a neighbour's text that runs over
        // it: left-aligned and centred texts run right, right-aligned and
        // centred texts run left, each only across empty cells.
        for (int c = col - 1; c >= 0 && c >= col - kOverflowReach; --c) {
            const QModelIndex left = index.siblingAtColumn(c);
            if (TextOf(left).isEmpty()) continue;
            if (!(AlignmentOf(left) & Qt::AlignRight)) DrawCellText(p, left, overflow, columnRect(c), rect);
            break;
        }
        for (int c = col + 1; c < columns && c <= col + kOverflowReach; ++c) {
            const QModelIndex right = index.siblingAtColumn(c);
            if (TextOf(right).isEmpty()) continue;
            if (!(AlignmentOf(right) & Qt::AlignLeft)) DrawCellText(p, right, overflow, columnRect(c), rect);
            break;
        }
    }

    // Borders: right and bottom on the cell's last pixel; left and top on its
    // first, unless the neighbour already draws that line.
    const QPoint tl = rect.topLeft(), tr = rect.topRight(), bl = rect.bottomLeft(), br = rect.bottomRight();
    DrawLine(p, index.data(RightBorderRole), tr, br);
    DrawLine(p, index.data(BottomBorderRole), bl, br);
    if (col == 0 || !index.siblingAtColumn(col - 1).data(RightBorderRole).isValid())
        DrawLine(p, index.data(LeftBorderRole), tl, bl);
    if (row == 0 || !index.sibling(row - 1, col).data(BottomBorderRole).isValid())
        DrawLine(p, index.data(TopBorderRole), tl, tr);
}

}  // namespace n3
