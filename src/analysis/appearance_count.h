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
    // The draw number, the digits in columns 2.., then their running counts.
    static constexpr int DigitColumn(int i) { return 2 + i; }
    static constexpr int CountColumn(const Game& game, int i) { return 2 + game.digits + i; }
    static void SetUpGrid(GridModel& grid, int rows, const Game& game);
    static void WriteHeaders(GridModel& grid, const Game& game);
    static void FillRows(GridModel& grid, const DrawHistory& history, const Game& game);
};

}  // namespace n3
