#pragma once
// 連番飛び石分析: every complete draw twice, side by side. The left half
// marks neighbouring digits one apart (連番), the right half neighbouring
// digits two apart (飛び石); a half without such a pair greys its draw number.
#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 連番飛び石分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);
    static constexpr int kFirstDrawRow = 2;

private:
    enum class PairKind { Consecutive, SteppingStone };
    // Each half: 回数, then a column per digit. The 連番 half comes first.
    static constexpr int kConsecutiveNoColumn = 1;
    static constexpr int SteppingNoColumn(const Game& game) { return 2 + game.digits; }
    static constexpr int Columns(const Game& game) { return 2 * (1 + game.digits); }
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const Game& game);
    static void SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game);
    static void WriteHeaderRow(GridModel& grid, int row, const Game& game);
    static void FillRows(GridModel& grid, const DrawHistory& history, const Game& game);
    // Writes one half of a row (回数 in `noColumn`, digits after it) and
    // marks its pairs of that kind; returns how many pairs it found.
    static int WriteHalf(GridModel& grid, const Draw& draw, int noColumn, int row, PairKind kind, const Game& game);
    static void MarkPair(GridModel& grid, PairKind kind, int col, int row);
    static void GreyIfNone(GridModel& grid, int count, int col, int row);
};

}  // namespace n3
