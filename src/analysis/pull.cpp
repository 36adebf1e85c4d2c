#include "analysis/pull.h"

#include <array>
#include <optional>

#include "analysis/title_band.h"

namespace n3 {

namespace {
constexpr Colour kPulledDigit{200, 255, 255};
}  // namespace

GridModel 引っ張り分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    BuildGrid(grid, history, stats.LatestDrawNo);
    return grid;
}

void 引っ張り分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                             const Game& game) {
    BuildGrid(grid, history, stats.LatestDrawNo);
}

void 引っ張り分析::BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo) {
    SetUpGrid(grid, latestDrawNo);
    WriteHeaderRow(grid, 1);
    FillRows(grid, history);
}

void 引っ張り分析::SetUpGrid(GridModel& grid, int latestDrawNo) {
    const int rows = 1 + latestDrawNo;
    grid.setSize(kColumns, rows);
    grid.setDefaultColumnWidth(6);
    grid.setDefaultRowHeight(10);
    grid.textOverflow = true;
    grid.setAlignment(grid.all(), HAlign::Center);
    grid.setForeground({1, kFirstDrawRow, 1, rows}, colours::Red);
    grid.setBackground({1, kFirstDrawRow, 1, rows}, colours::HeaderYellow);
    grid.gridLinesOnBlock(grid.all());
    grid.moveActiveCellToTopLeft();
}

void 引っ張り分析::WriteHeaderRow(GridModel& grid, int row) {
    grid.setRowHeight(row, 15);
    RemoveLinesInsideBand(grid, row, 2, 4);
    grid.setBorder({2, row, 4, row}, Bottom);
    grid.setForeground({1, row, kColumns, row}, colours::Black);
    grid.setBackground({1, row, kColumns, row}, colours::HeaderPink);
    grid.setText(1, row, "回数");
    WriteBandTitle(grid, 3, row, "当 選 数 字");
}

void 引っ張り分析::FillRows(GridModel& grid, const DrawHistory& history) {
    // The digits of the last complete draw; the first complete draw has
    // none before it, so nothing of it counts as pulled.
    std::optional<std::array<int, 3>> previous;
    int row = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (!draw.complete()) continue;
        const std::array<int, 3> digits{draw.digit(0), draw.digit(1), draw.digit(2)};
        grid.setNumber(1, row, draw.drawNo);
        for (int i = 0; i < 3; ++i) grid.setNumber(i + 2, row, digits[std::size_t(i)]);
        if (previous) {
            for (int p : *previous)
                for (int i = 0; i < 3; ++i)
                    if (digits[std::size_t(i)] == p) MarkRepeatedDigit(grid, i + 2, row);
        }
        previous = digits;
        ++row;
    }
}

void 引っ張り分析::MarkRepeatedDigit(GridModel& grid, int col, int row) { grid.setBackground(col, row, kPulledDigit); }

}  // namespace n3
