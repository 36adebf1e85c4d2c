#pragma once
// Paints one cell of a grid from the roles of its model (GridTableModel):
// the ground, the text (running over empty cells beside it where the grid
// allows it) and the borders of each side. The grid on screen and the
// printed grid are both painted here, so paper shows what the window shows.
#include <QRect>
#include <functional>

class QModelIndex;
class QPainter;

namespace n3 {

// The rectangle of column `column` (model numbering, from 0) on the row of
// the cell being painted: where a neighbour's text starts when it runs over.
using ColumnRectFunction = std::function<QRect(int column)>;

// Paints the cell `index` into `rect` with the painter's current font.
// A spanning cell is painted once, with `rect` covering the whole span.
// Nothing is drawn outside `rect`; the painter's pen is left changed.
void PaintGridCell(QPainter& p, const QModelIndex& index, const QRect& rect, const ColumnRectFunction& columnRect);

}  // namespace n3
