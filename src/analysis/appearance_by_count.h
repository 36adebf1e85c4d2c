#pragma once
// 回数別出現分析: the digits grouped by how often they have occurred, one
// row per count that some digit has. Shows the start-up statistics only.
#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 回数別出現分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);

private:
    static void SetUpGrid(GridModel& grid, int rows);
    static void WriteHeaders(GridModel& grid, int rows);
    static void WriteListing(GridModel& grid, const StartupStatistics& stats);
};

}  // namespace n3
