#include "platform/qt/grid/grid_text_fit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <algorithm>

#include "core/grid_model.h"

namespace n3 {

int LastColumnShortfall(const GridModel& grid, int rows, const QFontMetrics& metrics,
                        const std::function<int(int)>& columnWidth) {
    if (!grid.textOverflow) return 0;
    const int columns = grid.columns();
    int shortfall = 0;
    for (int row = 1; row <= std::min(rows, grid.rows()); ++row) {
        // Only the last text of the row can run up to the right edge.
        int col = columns;
        while (col >= 1 && grid.isEmpty(col, row)) --col;
        if (col < 1 || grid.style(col, row).hAlign == HAlign::Right) continue;
        int room = -2 * kCellTextPadding;
        for (int c = col; c <= columns; ++c) room += columnWidth(c);
        const QString text = QString::fromStdString(grid.text(col, row));
        int needed = metrics.horizontalAdvance(text) + 1;
        // A centred text grows both ways: it needs twice its right half.
        if (grid.style(col, row).hAlign == HAlign::Center) {
            const int own = columnWidth(col) - 2 * kCellTextPadding;
            if (needed <= own) continue;
            needed = own + (needed - own + 1) / 2;
        }
        shortfall = std::max(shortfall, needed - room);
    }
    return shortfall;
}

namespace {

RowFit ComputeRowFit(const QFont& font, const QString& text, int rowHeight) {
    // One line above and below the cell's inside, then the padding.
    const int room = rowHeight - 2 - 2 * kCellTextVerticalPadding;
    if (text.isEmpty() || room <= 0) return {font};
    if (QFontMetrics(font).tightBoundingRect(text).height() <= room) return {font};
    RowFit fit{font};
    int pixels = QFontInfo(font).pixelSize();
    do fit.font.setPixelSize(--pixels);
    while (pixels > 6 && QFontMetrics(fit.font).tightBoundingRect(text).height() > room);
    // AlignVCenter centres the font's line; move the glyphs' own box to the
    // middle of the row instead.
    const QFontMetrics metrics(fit.font);
    const QRect glyphs = metrics.tightBoundingRect(text);
    const int baseline = (rowHeight - metrics.height()) / 2 + metrics.ascent();
    const int glyphMiddle2 = 2 * baseline + glyphs.top() + glyphs.bottom();
    fit.shift = (rowHeight - 1 - glyphMiddle2) / 2;
    return fit;
}

}  // namespace

// Painting asks again for every visible cell: the answers are kept (a grid
// holds few different texts).
RowFit FitTextToRow(const QFont& font, const QString& text, int rowHeight) {
    bool onlyAscii = true;
    for (const QChar c : text) onlyAscii = onlyAscii && c.unicode() < 0x80;
    if (onlyAscii) return {font};  // digits and latin letters sit well inside a row
    static QHash<QString, RowFit> known;
    const QString key = font.key() + QChar(0) + QString::number(rowHeight) + QChar(0) + text;
    if (const auto it = known.constFind(key); it != known.constEnd()) return *it;
    if (known.size() > 4096) known.clear();
    return *known.insert(key, ComputeRowFit(font, text, rowHeight));
}

}  // namespace n3
