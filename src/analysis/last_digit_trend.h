#pragma once
// 下一桁出現傾向分析: for every complete draw, which last digits its three
// winning digits have, each written once per occurrence ("7", "77", "777"),
// tinted when it occurs more than once.
#include <array>
#include <string>

#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 下一桁出現傾向分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    // The background of a draw-row cell holding a text of this length.
    static Colour BackgroundForLength(std::size_t length);

private:
    using LastDigitTexts = std::array<std::string, 10>;
    static GridModel BuildLastDigitTrend(const DrawHistory& history, int latestDrawNo);
    static void FillLastDigitRows(GridModel& grid, const DrawHistory& history, int latestDrawNo);
};

}  // namespace n3
