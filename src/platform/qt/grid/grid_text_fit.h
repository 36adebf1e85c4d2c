#pragma once
// Making grid texts fit where they are drawn, without touching what the
// grid holds: a title that runs over the empty cells at the grid's right
// end widens the last column on screen, and a text taller than its row
// is drawn a little smaller so that it keeps one pixel from the lines.
#include <QFont>
#include <QString>
#include <functional>

class QFontMetrics;

namespace n3 {

class GridModel;

// Room left and right of a cell's text, in pixels.
inline constexpr int kCellTextPadding = 2;
// Room kept above and below a cell's text, in pixels.
inline constexpr int kCellTextVerticalPadding = 1;

// The pixels the last column lacks for a left-aligned or centred text in
// the first `rows` rows that runs over empty cells up to the grid's right
// edge; 0 when every such text fits. `columnWidth(c)` is column c's width
// in pixels (c from 1).
int LastColumnShortfall(const GridModel& grid, int rows, const QFontMetrics& metrics,
                        const std::function<int(int)>& columnWidth);

// How a text is drawn in a cell of `rowHeight` pixels (its lines included):
// where its glyphs would come closer than kCellTextVerticalPadding to the
// lines, a smaller font, and the vertical shift that centres the glyphs
// themselves in the row (drawn with Qt::AlignVCenter otherwise).
struct RowFit {
    QFont font;
    int shift = 0;
};
RowFit FitTextToRow(const QFont& font, const QString& text, int rowHeight);

}  // namespace n3
