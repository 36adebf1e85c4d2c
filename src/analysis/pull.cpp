#include "analysis/pull.h"

#include "analysis/title_band.h"

namespace n3 {

namespace {
constexpr Colour kPulledDigit{200, 255, 255};
}  // namespace

GridModel 引っ張り分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    BuildGrid(grid, history, stats.LatestDrawNo, game);
    return grid;
}

void 引っ張り分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                             const Game& game) {
    BuildGrid(grid, history, stats.LatestDrawNo, game);
}

void 引っ張り分析::BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const Game& game) {
    SetUpGrid(grid, latestDrawNo, game);
    WriteHeaderRow(grid, 1, game);
    FillRows(grid, history, game);
}

void 引っ張り分析::SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game) {
    const int rows = 1 + latestDrawNo;
    grid.setSize(Columns(game), rows);
    grid.setDefaultColumnWidth(6);
    grid.setDefaultRowHeight(10);
    grid.textOverflow = true;
    grid.setForeground({1, kFirstDrawRow, 1, rows}, colours::Red);
    grid.setBackground({1, kFirstDrawRow, 1, rows}, colours::HeaderYellow);
    grid.gridLinesOnBlock(grid.all());
    grid.moveActiveCellToTopLeft();
}

void 引っ張り分析::WriteHeaderRow(GridModel& grid, int row, const Game& game) {
    const int last = Columns(game);
    grid.setRowHeight(row, 15);
    RemoveLinesInsideBand(grid, row, 2, last);
    grid.setBorder({2, row, last, row}, Bottom);
    grid.setForeground({1, row, last, row}, colours::Black);
    grid.setBackground({1, row, last, row}, colours::HeaderPink);
    grid.setText(1, row, "回数");
    WriteBandTitle(grid, 3, row, "当 選 数 字");
}

void 引っ張り分析::FillRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    // Bit d set when the last complete draw holds digit d; the first
    // complete draw has none before it, so nothing of it counts as pulled.
    unsigned previous = 0;
    int row = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (!draw.complete(game)) continue;
        grid.setNumber(1, row, draw.drawNo);
        unsigned digits = 0;
        for (int i = 0; i < game.digits; ++i) {
            const int d = draw.digit(i);
            grid.setNumber(i + 2, row, d);
            if ((previous >> d) & 1u) MarkRepeatedDigit(grid, i + 2, row);
            digits |= 1u << d;
        }
        previous = digits;
        ++row;
    }
}

void 引っ張り分析::MarkRepeatedDigit(GridModel& grid, int col, int row) { grid.setBackground(col, row, kPulledDigit); }

}  // namespace n3
