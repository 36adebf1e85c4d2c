#include "analysis/dispersion.h"

namespace n3 {

GridModel バラツキ分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    SetUpGrid(grid, stats.LatestDrawNo);
    WriteLabels(grid);
    FillRows(grid, history, game);
    return grid;
}

// Two label rows, one row per complete draw, and one row left over below.
void バラツキ分析::SetUpGrid(GridModel& grid, int latestDrawNo) {
    const int rows = latestDrawNo + 3;
    grid.setSize(kColumns, rows);
    grid.setDefaultRowHeight(10);
    grid.setRowHeight(1, 15);
    grid.setRowHeight(2, 15);
    grid.setDefaultColumnWidth(2);
    grid.setColumnWidth(1, 5);
    grid.setColumnWidth(kColumns, 5);
    grid.textOverflow = true;

    grid.setBackground({2, 1, 11, 2}, colours::LabelCyan);
    grid.outlineBlock({2, 1, 11, 1}, colours::LineBlue);
    grid.rightLineOnBlock({1, 1, 1, 1}, colours::LineBlue);
    grid.gridLinesOnBlock({1, 2, kColumns, rows}, colours::LineBlue);
    for (int c : {1, kColumns}) {
        grid.setForeground({c, 1, c, rows}, colours::Red);
        grid.setBackground({c, 1, c, rows}, colours::HeaderYellow);
    }
    grid.moveActiveCellToTopLeft();
}

void バラツキ分析::WriteLabels(GridModel& grid) {
    grid.setText(6, 1, "    当  選  数　字");
    grid.setForeground(6, 1, colours::Blue);
    grid.setText(1, 2, "回");
    for (int d = 0; d <= 9; ++d) grid.setNumber(d + 2, 2, d);
    grid.setText(kColumns, 2, "回");
    grid.setForeground({2, 2, 11, 2}, colours::Blue);
}

// Complete draws only, one row each with no gaps; a digit that occurs more
// than once in a draw still shows one dot.
void バラツキ分析::FillRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    int row = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (!draw.complete(game)) continue;
        grid.setNumber(1, row, draw.drawNo);
        grid.setNumber(kColumns, row, draw.drawNo);
        for (int i = 0; i < game.digits; ++i) {
            const int column = draw.digit(i) + 2;
            grid.setText(column, row, "●");
            grid.setForeground(column, row, colours::MarkBlue);
        }
        ++row;
    }
}

}  // namespace n3
