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
    BuildGrid(grid, history, stats.LatestDrawNo, game);
    return grid;
}

void 連番飛び石分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                               const Game& game) {
    BuildGrid(grid, history, stats.LatestDrawNo, game);
}

void 連番飛び石分析::BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const Game& game) {
    SetUpGrid(grid, latestDrawNo, game);
    WriteHeaderRow(grid, 1, game);
    FillRows(grid, history, game);
}

void 連番飛び石分析::SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game) {
    const int rows = 1 + latestDrawNo;
    grid.setSize(Columns(game), rows);
    grid.setDefaultColumnWidth(5);
    grid.setColumnWidth(kConsecutiveNoColumn, 6);
    grid.setColumnWidth(SteppingNoColumn(game), 6);
    grid.setDefaultRowHeight(10);
    grid.textOverflow = true;
    for (int col : {kConsecutiveNoColumn, SteppingNoColumn(game)}) {
        grid.setForeground({col, 1, col, rows}, colours::Red);
        grid.setBackground({col, 1, col, rows}, colours::HeaderYellow);
    }
    grid.gridLinesOnBlock(grid.all());
    grid.moveActiveCellToTopLeft();
}

void 連番飛び石分析::WriteHeaderRow(GridModel& grid, int row, const Game& game) {
    struct Band {
        int noColumn;
        Colour background;
        const char* title;
    };
    const Band bands[] = {
        {kConsecutiveNoColumn, kConsecutiveBand, "     連番(当選数字)"},
        {SteppingNoColumn(game), kSteppingBand, "    飛び石(当選数字)"},
    };
    for (const Band& band : bands) {
        const int first = band.noColumn + 1, last = band.noColumn + game.digits;
        RemoveLinesInsideBand(grid, row, first, last);
        grid.outlineBlock({first, row, last, row});
        grid.setForeground({first, row, last, row}, colours::Black);
        grid.setBackground({first, row, last, row}, band.background);
        WriteBandTitle(grid, first, row, band.title);
        grid.setText(band.noColumn, row, "回数");
    }
}

void 連番飛び石分析::FillRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    const int steppingNoColumn = SteppingNoColumn(game);
    int row = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (!draw.complete(game)) continue;
        const int consecutive = WriteHalf(grid, draw, kConsecutiveNoColumn, row, PairKind::Consecutive, game);
        GreyIfNone(grid, consecutive, kConsecutiveNoColumn, row);
        const int stepping = WriteHalf(grid, draw, steppingNoColumn, row, PairKind::SteppingStone, game);
        GreyIfNone(grid, stepping, steppingNoColumn, row);
        ++row;
    }
}

int 連番飛び石分析::WriteHalf(GridModel& grid, const Draw& draw, int noColumn, int row, PairKind kind,
                              const Game& game) {
    const int distance = kind == PairKind::Consecutive ? 1 : 2;
    grid.setNumber(noColumn, row, draw.drawNo);
    for (int i = 0; i < game.digits; ++i) grid.setNumber(noColumn + 1 + i, row, draw.digit(i));
    // Neighbours only (first with second, second with third, ...); no wrap-around.
    int pairs = 0;
    for (int i = 0; i + 1 < game.digits; ++i) {
        if (std::abs(draw.digit(i) - draw.digit(i + 1)) == distance) {
            ++pairs;
            MarkPair(grid, kind, noColumn + 1 + i, row);
        }
    }
    return pairs;
}

void 連番飛び石分析::MarkPair(GridModel& grid, PairKind kind, int col, int row) {
    const Colour colour = kind == PairKind::Consecutive ? kConsecutivePair : kSteppingPair;
    grid.setBackground(col, row, colour);
    grid.setBackground(col + 1, row, colour);
}

void 連番飛び石分析::GreyIfNone(GridModel& grid, int count, int col, int row) {
    if (count == 0) grid.setBackground(col, row, kNoPair);
}

}  // namespace n3
