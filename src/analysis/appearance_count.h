#pragma once
// 出現回数分析: every complete draw in order, and beside each of its digits
// how often that digit had occurred in the complete draws before it.
#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 出現回数分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);

private:
    static constexpr int kFirstDrawRow = 3;
    static void SetUpGrid(GridModel& grid, int rows);
    static void WriteHeaders(GridModel& grid);
    static void FillRows(GridModel& grid, const DrawHistory& history);
};

}  // namespace n3
