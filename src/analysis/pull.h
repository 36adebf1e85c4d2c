#pragma once
// 引っ張り分析: every complete draw with its three digits; a digit that
// already occurred, in any position, in the previous complete draw (a digit
// "pulled" from it) is marked light cyan.
#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 引っ張り分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);
    static constexpr int kFirstDrawRow = 2;

private:
    static constexpr int kColumns = 4;
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo);
    static void SetUpGrid(GridModel& grid, int latestDrawNo);
    static void WriteHeaderRow(GridModel& grid, int row);
    static void FillRows(GridModel& grid, const DrawHistory& history);
    static void MarkRepeatedDigit(GridModel& grid, int col, int row);
};

}  // namespace n3
