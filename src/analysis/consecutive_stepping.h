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
    static constexpr int kColumns = 8;
    static constexpr int kConsecutiveNoColumn = 1;  // 回数, then the digits in 2..4
    static constexpr int kSteppingNoColumn = 5;     // 回数, then the digits in 6..8
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo);
    static void SetUpGrid(GridModel& grid, int latestDrawNo);
    static void WriteHeaderRow(GridModel& grid, int row);
    static void FillRows(GridModel& grid, const DrawHistory& history);
    // Writes one half of a row (回数 in `noColumn`, digits after it) and
    // marks its pairs of that kind; returns how many pairs it found.
    static int WriteHalf(GridModel& grid, const Draw& draw, int noColumn, int row, PairKind kind);
    static void MarkPair(GridModel& grid, PairKind kind, int col, int row);
    static void GreyIfNone(GridModel& grid, int count, int col, int row);
};

}  // namespace n3
