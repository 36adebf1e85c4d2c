#pragma once
// 引っ張り分析: every complete draw with its digits; a digit that
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
    // The draw number, then a column per digit.
    static constexpr int Columns(const Game& game) { return 1 + game.digits; }
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const Game& game);
    static void SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game);
    static void WriteHeaderRow(GridModel& grid, int row, const Game& game);
    static void FillRows(GridModel& grid, const DrawHistory& history, const Game& game);
    static void MarkRepeatedDigit(GridModel& grid, int col, int row);
};

}  // namespace n3
