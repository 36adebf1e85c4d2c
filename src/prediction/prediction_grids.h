#pragma once
// The four small result grids of the prediction window, one per method,
// and the placement of result values in them.
#include <array>
#include <string_view>

#include "core/game.h"
#include "core/grid_model.h"

namespace n3 {

enum PredictionGridIndex : int {
    kCycleGrid = 0,        // 周期法: one row per cycle length, one column per position
    kEliminationGrid = 1,  // 消去法
    kRepeatGrid = 2,       // 連発ズバリン
    kOneShotGrid = 3,      // 一発ズバリン
};
inline constexpr int kPredictionGridCount = 4;

using PredictionGrids = std::array<GridModel, kPredictionGridCount>;

// The label above grid i.
inline constexpr std::array<std::string_view, kPredictionGridCount> kPredictionGridLabels = {
    "●周期法による予想(この予想数字を組合わせて購入します)",
    "●消去法による予想(この予想数字を組合わせて購入します)",
    "●連発ズバリン予想(この予想数字を組む合わせて購入します)",
    "●一発ズバリン予想",
};

inline constexpr std::string_view kPredictionHeader = "             予 想 数 字                   ";

// Grid i's column and row count. The cycle grid has a column per position
// of the game; the result grids are wide enough for every value the
// placement can give them.
int PredictionGridColumns(int index, const Game& game = kNumbers3);
int PredictionGridRows(int index);

// Sizes, styles, lines, method labels and header of grid i; no results.
void SetUpPredictionGrid(GridModel& grid, int index, const Game& game = kNumbers3);

// Empties the result cells of the elimination, repeat and one-shot grids;
// their styles stay.
void ClearResultAreas(PredictionGrids& grids);

// Places values one after another from row 2, column 2: `rowWidth` values
// per row, or all in row 2 when rowWidth is 0.
class ResultPlacer {
public:
    ResultPlacer(GridModel& grid, int rowWidth) : grid_(grid), rowWidth_(rowWidth) {}
    void Place(std::string_view text);
    int placed() const { return placed_; }

private:
    GridModel& grid_;
    int rowWidth_;
    int column_ = 0;
    int row_ = 0;
    int placed_ = 0;
};

}  // namespace n3
