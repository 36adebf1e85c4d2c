#include "platform/qt/grid_delegate.h"

#include <QPainter>
#include <QTableView>

#include "analysis/frame/grid_model.h"
#include "platform/qt/grid_table_model.h"

namespace n3 {

namespace {

constexpr int kTextPadding = 2;
constexpr int kOverflowReach = 40;  // columns a text may run over

Qt::Alignment TextAlignment(const CellStyle& s) {
    Qt::Alignment a = s.hAlign == HAlign::Left ? Qt::AlignLeft
                      : s.hAlign == HAlign::Right ? Qt::AlignRight : Qt::AlignHCenter;
    return a | (s.vAlign == VAlign::Top ? Qt::AlignTop : s.vAlign == VAlign::Bottom ? Qt::AlignBottom : Qt::AlignVCenter);
}

void DrawLine(QPainter* p, const Border& b, QPoint from, QPoint to) {
    if (b.style == LineStyle::None) return;
    p->setPen(QPen(ToQColor(b.colour, colours::DefaultLine), 1));
    p->drawLine(from, to);
}

}  // namespace

GridDelegate::GridDelegate(const GridModel& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

void GridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int col = index.column() + 1, row = index.row() + 1;
    const CellStyle& style = grid_.style(col, row);
    const QRect rect = option.rect;

    p->save();
    p->setClipRect(rect);
    p->fillRect(rect, ToQColor(style.background, colours::DefaultBackground));
    p->setFont(option.font);

    const std::string& text = grid_.text(col, row);
    if (!text.empty()) {
        p->setPen(ToQColor(style.foreground, colours::DefaultText));
        QRect textRect = rect.adjusted(kTextPadding, 0, -kTextPadding, 0);
        const QString qtext = QString::fromStdString(text);
        if (grid_.textOverflow && style.hAlign == HAlign::Left)
            textRect.setWidth(std::max(textRect.width(), p->fontMetrics().horizontalAdvance(qtext) + 1));
        p->drawText(textRect, int(TextAlignment(style)) | Qt::TextSingleLine, qtext);
    } else if (grid_.textOverflow) {
        // An empty cell shows the part of a left-aligned text that runs
        // over from the nearest filled cell on its left.
        const auto* view = qobject_cast<const QTableView*>(parent());
        for (int c = col - 1; view && c >= 1 && c >= col - kOverflowReach; --c) {
            if (grid_.isEmpty(c, row)) continue;
            const CellStyle& owner = grid_.style(c, row);
            if (owner.hAlign == HAlign::Left) {
                const int ownerX = view->columnViewportPosition(c - 1);
                const QString qtext = QString::fromStdString(grid_.text(c, row));
                QRect textRect(ownerX + kTextPadding, rect.top(),
                               p->fontMetrics().horizontalAdvance(qtext) + 1, rect.height());
                p->setPen(ToQColor(owner.foreground, colours::DefaultText));
                p->drawText(textRect, int(TextAlignment(owner)) | Qt::TextSingleLine, qtext);
            }
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
