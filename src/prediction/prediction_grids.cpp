#include "prediction/prediction_grids.h"

namespace n3 {

namespace {

// The result grids' columns; the cycle grid's come from the game.
constexpr std::array<int, kPredictionGridCount> kColumns = {0, 6, 7, 8};
constexpr std::array<int, kPredictionGridCount> kRows = {5, 4, 3, 2};

void DrawLines(GridModel& grid, int index) {
    const CellBlock all = grid.all();
    if (index == kCycleGrid) {
        grid.setBorder(all, Side::Top);
        grid.setBorder(all, Side::Bottom);
        grid.rightLineOnBlock({1, 1, 1, grid.rows()});
    } else {
        grid.gridLinesOnBlock(all);
    }
}

void WriteMethodLabels(GridModel& grid, int index) {
    switch (index) {
    case kCycleGrid:
        grid.setText(1, 2, " 7回周期法");
        grid.setText(1, 3, " 9回周期法");
        grid.setText(1, 4, "11回周期法");
        grid.setText(1, 5, "12回周期法");
        break;
    case kEliminationGrid:
        // Rows 2 to 4 of column 1 are one cell; its label belongs to the
        // middle row, and the merged cell shows what its first cell holds.
        grid.addSpan(1, 2, 1, 3);
        grid.setText(1, 2, "消去法");
        grid.setText(1, 3, "消去法");
        break;
    case kRepeatGrid:
        grid.addSpan(1, 2, 1, 2);
        grid.setText(1, 2, "連発予想");
        break;
    case kOneShotGrid: grid.setText(1, 2, "１発予想"); break;
    }
}

void WriteHeader(GridModel& grid) {
    const int last = grid.columns();
    grid.setForeground({1, 1, last, 1}, colours::Blue);
    grid.setBackground({1, 1, last, 1}, colours::HeaderPink);
    grid.addSpan(2, 1, last - 1, 1);
    grid.setAlignment({2, 1, 2, 1}, HAlign::Left);
    grid.setText(2, 1, kPredictionHeader);
}

}  // namespace

int PredictionGridColumns(int index, const Game& game) {
    return index == kCycleGrid ? 1 + game.digits : kColumns[std::size_t(index)];
}
int PredictionGridRows(int index) { return kRows[std::size_t(index)]; }

void SetUpPredictionGrid(GridModel& grid, int index, const Game& game) {
    grid.setSize(PredictionGridColumns(index, game), PredictionGridRows(index));
    grid.setDefaultRowHeight(10);
    grid.setDefaultColumnWidth(5);
    grid.setColumnWidth(1, 8);
    grid.scrollBars = ScrollBars::None;
    grid.frozenRows = 0;
    DrawLines(grid, index);
    WriteMethodLabels(grid, index);
    WriteHeader(grid);
    grid.moveActiveCellToTopLeft();
}

void ClearResultAreas(PredictionGrids& grids) {
    for (int index : {kEliminationGrid, kRepeatGrid, kOneShotGrid}) {
        GridModel& grid = grids[std::size_t(index)];
        for (int row = 2; row <= grid.rows(); ++row)
            for (int col = 2; col <= grid.columns(); ++col) grid.setText(col, row, "");
    }
}

void ResultPlacer::Place(std::string_view text) {
    grid_.setText(column_ + 2, row_ + 2, text);
    ++placed_;
    ++column_;
    if (rowWidth_ > 0 && column_ == rowWidth_) {
        column_ = 0;
        ++row_;
    }
}

}  // namespace n3
