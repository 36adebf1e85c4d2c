#include "analysis/draw_digit_grid.h"

#include "analysis/digit_labels.h"

namespace n3::draw_digit_grid {

namespace {
constexpr Colour kDigitCyan{200, 255, 255};
}  // namespace

void SetUp(GridModel& grid, int latestDrawNo, const Game& game) {
    const int rows = latestDrawNo + 4;
    const int columns = Columns(game);
    grid.setSize(columns, rows);
    grid.setDefaultRowHeight(10);
    grid.setRowHeight(1, 15);
    grid.setRowHeight(2, 12);
    grid.setDefaultColumnWidth(5);
    grid.textOverflow = true;
    grid.gridLinesOnBlock(grid.all());

    grid.setForeground({1, 1, 1, rows}, colours::Red);
    grid.setBackground({1, 1, 1, rows}, colours::HeaderYellow);
    for (int i = 0; i < game.digits; ++i) {
        const int c = DigitColumn(i);
        grid.setBackground({c, kFirstDrawRow, c, rows}, kDigitCyan);
    }
    // The header rows, top and bottom, are black on pink over the cyan.
    for (const CellBlock header : {CellBlock{2, 1, columns, 2}, CellBlock{2, rows - 1, columns, rows}}) {
        grid.setForeground(header, colours::Black);
        grid.setBackground(header, colours::HeaderPink);
    }
    grid.moveActiveCellToTopLeft();
}

void WriteLabelRow(GridModel& grid, int row, std::string_view resultLabel, const Game& game) {
    grid.setText(1, row, "回数");
    for (int i = 0; i < game.digits; ++i) {
        grid.setText(DigitColumn(i), row, DigitLabel(i));
        grid.setText(ResultColumn(i), row, resultLabel);
    }
}

void WriteDraw(GridModel& grid, int row, const Draw& draw, const Game& game) {
    grid.setNumber(1, row, draw.drawNo);
    for (int i = 0; i < game.digits; ++i) grid.setNumber(DigitColumn(i), row, draw.digit(i));
}

}  // namespace n3::draw_digit_grid
