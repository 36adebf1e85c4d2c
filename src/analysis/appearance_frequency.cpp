#include "analysis/appearance_frequency.h"

#include <algorithm>

namespace n3 {

GridModel 出現頻度分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    const int height = *std::max_element(stats.DigitCount.begin(), stats.DigitCount.end());
    GridModel grid;
    SetUpGrid(grid, height);
    WriteLabels(grid, height);
    FillRows(grid, history, game);
    return grid;
}

void 出現頻度分析::SetUpGrid(GridModel& grid, int height) {
    const int rows = height + kHeaderRow;
    grid.setSize(11, rows);
    grid.setDefaultRowHeight(10);
    grid.setRowHeight(1, 15);
    grid.setRowHeight(2, 15);
    grid.setDefaultColumnWidth(3);
    grid.setColumnWidth(1, 5);
    grid.textOverflow = true;

    grid.setBackground({2, 1, 11, 1}, colours::HeaderYellow);
    grid.setForeground({1, 1, 1, rows}, colours::Blue);
    grid.setBackground({1, 1, 1, rows}, colours::LabelCyan);
    grid.setForeground({2, 2, 11, 2}, colours::Red);
    grid.setBackground({2, 2, 11, 2}, colours::HeaderYellow);
    grid.setForeground({2, 3, 11, rows}, colours::MarkBlue);

    grid.setText(5, 1, "　　当 選 数 字");
    grid.setForeground(5, 1, colours::Red);
    grid.setAlignment({5, 1, 5, 1}, HAlign::Left);

    grid.outlineBlock({1, 1, 11, 1}, colours::LineBlue);
    grid.rightLineOnBlock({1, 1, 1, rows}, colours::LineBlue);
    grid.gridLinesOnBlock({1, 2, 11, rows}, colours::LineBlue);
    grid.moveActiveCellToTopLeft();
}

void 出現頻度分析::WriteLabels(GridModel& grid, int height) {
    grid.setText(1, kHeaderRow, "出現数");
    for (int d = 0; d <= 9; ++d) grid.setNumber(d + 2, kHeaderRow, d);
    for (int r = 1; r <= height; ++r) grid.setNumber(1, r + kHeaderRow, r);
}

void 出現頻度分析::FillRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    int counter[10] = {};
    for (const Draw& draw : history) {
        if (!draw.complete(game)) continue;
        for (int i = 0; i < game.digits; ++i) {
            const int d = draw.digit(i);
            grid.setText(d + 2, counter[d] + 3, "●");
            ++counter[d];
        }
    }
}

}  // namespace n3
