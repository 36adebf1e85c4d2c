#pragma once
// Paints the pages that LayOutPages cut: the heading and lines of text, the
// grids cell by cell through PaintGridCell (the routine of the screen's
// delegate, reading the same model roles), the charts through the chart
// painter, and "N / M ページ" at each foot.
#include <QRectF>
#include <functional>
#include <memory>
#include <vector>

#include "platform/qt/print/print_layout.h"

class QPainter;

namespace n3 {

class GridTableModel;

// Draws a chart into a rectangle of print pixels.
using ChartPainter = std::function<void(QPainter&, const QRectF&, const ChartData&)>;
// The chart painter of every print from now on; an empty one restores the
// chart as the window draws it (PaintChart).
void SetChartPainter(ChartPainter painter);

class PrintPagePainter {
public:
    explicit PrintPagePainter(const PrintDocument& doc);
    ~PrintPagePainter();
    PrintPagePainter(const PrintPagePainter&) = delete;
    PrintPagePainter& operator=(const PrintPagePainter&) = delete;

    // Paints `page`, number `number` of `count`, with `p` set to print pixels
    // and its origin at the top left of the printable area.
    void paint(QPainter& p, const PrintPage& page, int number, int count) const;

private:
    struct GridParts;
    void paintGrid(QPainter& p, const PrintGridPiece& piece) const;

    const PrintDocument& doc_;
    std::vector<std::unique_ptr<GridParts>> grids_;  // per item; null for text and charts
};

}  // namespace n3
