#include "analysis/last_digit_header.h"

namespace n3 {

using namespace last_digit_grid;

namespace {
constexpr std::string_view kTitle =
    "                                           下一桁数字                           "
    "　　　                  ";

void WriteTitleRow(GridModel& grid, int row) {
    // Column 1 and columns 2 to 11 are two boxes, with no lines inside the second.
    grid.setBorder({DigitColumn(0), row, DigitColumn(8), row}, Right, {}, LineStyle::None);
    grid.setBorder({DigitColumn(1), row, DigitColumn(9), row}, Left, {}, LineStyle::None);
    grid.outlineBlock({1, row, 1, row});
    grid.outlineBlock({DigitColumn(0), row, DigitColumn(9), row});
    grid.setText(1, row, "回数");
    grid.setText(DigitColumn(0), row, kTitle);
    grid.setAlignment({DigitColumn(0), row, DigitColumn(0), row}, HAlign::Left);
    grid.textOverflow = true;
    grid.setRowHeight(row, 20);
}

void WriteDigitLabelRow(GridModel& grid, int row) {
    for (int k = 0; k <= 9; ++k) grid.setNumber(DigitColumn(k), row, k);
}
}  // namespace

void SetUpLastDigitGrid(GridModel& grid, int latestDrawNo) {
    const int rows = RowCount(latestDrawNo);
    // Every cell starts as centred static text, the grid's default style.
    grid.setSize(kColumns, rows);
    grid.setDefaultColumnWidth(5);
    grid.setDefaultRowHeight(10);
    grid.setForeground({1, 1, 1, rows}, colours::Red);
    grid.setBackground({1, 1, 1, rows}, colours::HeaderYellow);
    grid.gridLinesOnBlock({1, 2, kColumns, rows});
    grid.moveActiveCellToTopLeft();
}

void WriteLastDigitHeader(GridModel& grid, int startRow, bool footerOrder) {
    const int titleRow = footerOrder ? startRow + 1 : startRow;
    const int labelRow = footerOrder ? startRow : startRow + 1;
    for (int row : {titleRow, labelRow}) {
        grid.setForeground({DigitColumn(0), row, DigitColumn(9), row}, colours::Blue);
        grid.setBackground({DigitColumn(0), row, DigitColumn(9), row}, colours::HeaderPink);
    }
    WriteTitleRow(grid, titleRow);
    WriteDigitLabelRow(grid, labelRow);
}

}  // namespace n3
