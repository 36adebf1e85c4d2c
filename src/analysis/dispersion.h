#pragma once
// バラツキ分析: a dot map of the history, one row per complete draw and one
// column per digit value, with a dot where the draw holds that digit.
#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class バラツキ分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);

private:
    static constexpr int kColumns = 12;
    static constexpr int kFirstDrawRow = 3;
    static void SetUpGrid(GridModel& grid, int latestDrawNo);
    static void WriteLabels(GridModel& grid);
    static void FillRows(GridModel& grid, const DrawHistory& history, const Game& game);
};

}  // namespace n3
