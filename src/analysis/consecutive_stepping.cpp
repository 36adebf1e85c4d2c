#include "analysis/consecutive_stepping.h"

#include <cstdlib>

#include "analysis/title_band.h"

namespace n3 {

namespace {
constexpr Colour kConsecutiveBand{255, 200, 255};
constexpr Colour kSteppingBand{255, 200, 200};
constexpr Colour kConsecutivePair{200, 255, 255};
constexpr Colour kSteppingPair{200, 255, 200};
constexpr Colour kNoPair{225, 225, 225};
}  // namespace

GridModel 連番飛び石分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    BuildGrid(grid, history, stats.LatestDrawNo);
    return grid;
}

void 連番飛び石分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                               const Game& game) {
    BuildGrid(grid, history, stats.LatestDrawNo);
}

void 連番飛び石分析::BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo) {
    SetUpGrid(grid, latestDrawNo);
    WriteHeaderRow(grid, 1);
    FillRows(grid, history);
}

void 連番飛び石分析::SetUpGrid(GridModel& grid, int latestDrawNo) {
    const int rows = 1 + latestDrawNo;
    grid.setSize(kColumns, rows);
    grid.setDefaultColumnWidth(5);
    grid.setColumnWidth(kConsecutiveNoColumn, 6);
    grid.setColumnWidth(kSteppingNoColumn, 6);
    grid.setDefaultRowHeight(10);
    grid.textOverflow = true;
    grid.setAlignment(grid.all(), HAlign::Center);
    for (int col : {kConsecutiveNoColumn, kSteppingNoColumn}) {
        grid.setForeground({col, 1, col, rows}, colours::Red);
        grid.setBackground({col, 1, col, rows}, colours::HeaderYellow);
    }
    grid.gridLinesOnBlock(grid.all());
    grid.moveActiveCellToTopLeft();
}

void 連番飛び石分析::WriteHeaderRow(GridModel& grid, int row) {
    struct Band {
        int noColumn;
        Colour background;
        const char* title;
    };
    static constexpr Band kBands[] = {
        {kConsecutiveNoColumn, kConsecutiveBand, "     連番(当選数字)"},
        {kSteppingNoColumn, kSteppingBand, "    飛び石(当選数字)"},
    };
    for (const Band& band : kBands) {
        const int first = band.noColumn + 1, last = band.noColumn + 3;
        RemoveLinesInsideBand(grid, row, first, last);
        grid.outlineBlock({first, row, last, row});
        grid.setForeground({first, row, last, row}, colours::Black);
        grid.setBackground({first, row, last, row}, band.background);
        WriteBandTitle(grid, first, row, band.title);
        grid.setText(band.noColumn, row, "回数");
    }
}

void 連番飛び石分析::FillRows(GridModel& grid, const DrawHistory& history) {
    int row = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (!draw.complete()) continue;
        const int consecutive = WriteHalf(grid, draw, kConsecutiveNoColumn, row, PairKind::Consecutive);
        GreyIfNone(grid, consecutive, kConsecutiveNoColumn, row);
        const int stepping = WriteHalf(grid, draw, kSteppingNoColumn, row, PairKind::SteppingStone);
        GreyIfNone(grid, stepping, kSteppingNoColumn, row);
        ++row;
    }
}

int 連番飛び石分析::WriteHalf(GridModel& grid, const Draw& draw, int noColumn, int row, PairKind kind) {
    const int distance = kind == PairKind::Consecutive ? 1 : 2;
    grid.setNumber(noColumn, row, draw.drawNo);
    for (int i = 0; i < 3; ++i) grid.setNumber(noColumn + 1 + i, row, draw.digit(i));
    // Neighbours only: first with second, second with third; no wrap-around.
    int pairs = 0;
    for (int i = 0; i < 2; ++i) {
        if (std::abs(draw.digit(i) - draw.digit(i + 1)) == distance) {
            ++pairs;
            MarkPair(grid, kind, noColumn + 1 + i, row);
        }
    }
    return pairs;
}

void 連番飛び石分析::MarkPair(GridModel& grid, PairKind kind, int col, int row) {
    grid.setBackground({col, row, col + 1, row}, kind == PairKind::Consecutive ? kConsecutivePair : kSteppingPair);
}

void 連番飛び石分析::GreyIfNone(GridModel& grid, int count, int col, int row) {
    if (count == 0) grid.setBackground(col, row, kNoPair);
}

}  // namespace n3
