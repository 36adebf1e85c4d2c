#pragma once
// 数字間隔分析: for every draw and each digit position, the signed
// difference from the digit at that position in the previous complete draw.
#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 数字間隔分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);

private:
    static void WriteHeaders(GridModel& grid, const Game& game);
    static void WriteTitleRow(GridModel& grid, int row, const Game& game);
    static void FillRows(GridModel& grid, const DrawHistory& history, const Game& game);
};

}  // namespace n3
