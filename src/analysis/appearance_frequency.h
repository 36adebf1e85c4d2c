#pragma once
// 出現頻度分析: a column chart of marks, one column per digit, one mark per
// occurrence of the digit in the complete draws.
#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 出現頻度分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);

private:
    static constexpr int kHeaderRow = 2;
    static void SetUpGrid(GridModel& grid, int height);
    static void WriteLabels(GridModel& grid, int height);
    static void FillRows(GridModel& grid, const DrawHistory& history, const Game& game);
};

}  // namespace n3
