#pragma once
// Cuts a PrintDocument into pages. Sizes are in print pixels, 96 to the
// inch, the unit the grids use on screen, so a printed cell is as wide as
// it shows. A grid goes down first, then across: every page of it repeats
// the frozen header rows at the top and, on pages to the right, the first
// column (回数). The heading sits on page 1; the foot of every page says
// "N / M ページ".
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "platform/qt/common/print_document.h"

namespace n3 {

inline constexpr double kPrintDpi = 96.0;

enum class PrintTextStyle { Title, Normal };

struct PrintTextPiece {
    QRect rect;
    QString text;
    PrintTextStyle style = PrintTextStyle::Normal;
};

// Part of a grid on one page: these rows (header rows first) by these
// columns (the repeated first column first), drawn from `origin`.
struct PrintGridPiece {
    int item = 0;  // index into PrintDocument::items
    QPoint origin;
    std::vector<int> columns;  // grid columns, from 1
    std::vector<int> rows;     // grid rows, from 1
    QSize size;
};

struct PrintChartPiece {
    int item = 0;
    QRect rect;
};

struct PrintPage {
    std::vector<PrintTextPiece> texts;
    std::vector<PrintGridPiece> grids;
    std::vector<PrintChartPiece> charts;
    QRect footer;  // where "N / M ページ" goes
    bool empty() const { return texts.empty() && grids.empty() && charts.empty(); }
};

// Pixel sizes of a grid's columns and rows as printed (index 0 unused).
struct PrintGridSizes {
    std::vector<int> columnWidths;
    std::vector<int> rowHeights;
    int width() const;
};
PrintGridSizes MeasurePrintGrid(const GridModel& grid);

// True when some grid of the document is wider than a portrait page of
// `portraitWidth` pixels: the document then prints landscape by default.
bool PrefersLandscape(const PrintDocument& doc, int portraitWidth);

// The pages of `doc` on a printable area of `page` pixels.
std::vector<PrintPage> LayOutPages(const PrintDocument& doc, QSize page);

// The fonts of the printed pages, sized in print pixels: the grid font as
// on screen, and the fonts of the heading and the lines of text.
QFont PrintGridFont();
QFont PrintTextFont(PrintTextStyle style);

// The height of the band of the page foot, and of a line of text.
int PrintFooterHeight();
int PrintLineHeight(PrintTextStyle style);

}  // namespace n3
