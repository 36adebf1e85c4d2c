#include "analysis/appearance_count.h"

namespace n3 {

namespace {
constexpr Colour kDrawCyan{200, 255, 255};
constexpr Colour kCountGreen{200, 255, 200};
}  // namespace

GridModel 出現回数分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    SetUpGrid(grid, stats.LatestDrawNo + 2);
    WriteHeaders(grid);
    FillRows(grid, history);
    return grid;
}

// Two header rows and one row per draw number; the draw number column is
// red on yellow all the way down.
void 出現回数分析::SetUpGrid(GridModel& grid, int rows) {
    grid.setSize(7, rows);
    grid.setDefaultRowHeight(10);
    grid.setRowHeight(1, 20);
    grid.setRowHeight(2, 12);
    grid.setDefaultColumnWidth(6);
    grid.textOverflow = true;
    grid.gridLinesOnBlock(grid.all());
    grid.setForeground({1, 1, 1, rows}, colours::Red);
    grid.setBackground({1, 1, 1, rows}, colours::HeaderYellow);
    grid.moveActiveCellToTopLeft();
}

// Row 1 holds two titles, each reading as one cell over its three
// columns; row 2 the column headings.
void 出現回数分析::WriteHeaders(GridModel& grid) {
    grid.setForeground({2, 1, 4, 2}, colours::Blue);
    grid.setBackground({2, 1, 4, 2}, kDrawCyan);
    grid.setForeground({5, 1, 7, 2}, colours::Red);
    grid.setBackground({5, 1, 7, 2}, kCountGreen);

    grid.setText(2, 1, "           当 選 数 字");
    grid.setText(6, 1, "　　出現回数合計(回)");
    grid.setAlignment({2, 1, 2, 1}, HAlign::Left);
    grid.setAlignment({6, 1, 6, 1}, HAlign::Left);
    for (Side side : {Left, Right, Top, Bottom}) grid.setBorder({2, 1, 7, 1}, side, {}, LineStyle::None);
    grid.setBorder({4, 1, 4, 1}, Right);
    grid.setBorder({7, 1, 7, 1}, Right);

    grid.setText(1, 2, "回数");
    const char* headings[] = {"第1数字", "第2数字", "第3数字"};
    for (int i = 0; i < 3; ++i) {
        grid.setText(2 + i, 2, headings[i]);
        grid.setText(5 + i, 2, headings[i]);
    }
}

// One row per complete draw: its digits, then for each digit how often it
// had occurred before this draw (all three read before any is counted).
void 出現回数分析::FillRows(GridModel& grid, const DrawHistory& history) {
    int running[10] = {};
    int row = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (!draw.complete()) continue;
        grid.setNumber(1, row, draw.drawNo);
        for (int i = 0; i < 3; ++i) {
            grid.setNumber(2 + i, row, draw.digit(i));
            grid.setNumber(5 + i, row, running[draw.digit(i)]);
        }
        for (int i = 0; i < 3; ++i) ++running[draw.digit(i)];
        ++row;
    }
}

}  // namespace n3
