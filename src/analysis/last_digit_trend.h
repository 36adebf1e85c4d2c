#pragma once
// 下一桁出現傾向分析: for every complete draw, which last digits its winning
// digits have, each written once per occurrence ("7", "77", "777", "7777"),
// tinted when it occurs more than once.
#include <cstddef>

#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 下一桁出現傾向分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    // The background of a draw-row cell holding a text of this length.
    static Colour BackgroundForLength(std::size_t length);

private:
    static GridModel BuildLastDigitTrend(const DrawHistory& history, int latestDrawNo, const Game& game);
    static void FillLastDigitRows(GridModel& grid, const DrawHistory& history, int latestDrawNo, const Game& game);
};

}  // namespace n3
