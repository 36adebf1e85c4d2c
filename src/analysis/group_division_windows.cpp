#include "analysis/group_division_windows.h"

namespace n3 {

namespace {
constexpr Colour kCyanBand{200, 255, 255};
constexpr Colour kGreenBand{200, 255, 200};
constexpr Colour kMagentaBand{255, 200, 255};
constexpr Colour kLavenderBand{200, 200, 255};
constexpr Colour kNoBand{};
}  // namespace

const GroupLayout 分割3データ分析::kLayout = {
    3,
    {0, 0, 0, 1, 1, 1, 2, 2, 2, 2},
    {"　　 Ａ ", "　　 Ｂ ", "　　　 Ｃ 　　"},
    {kCyanBand, kNoBand, kGreenBand},
    GroupLayout::Frames::BoxPerGroup,
    GroupLayout::BlueLabels::FirstBlock,
};

const GroupLayout 分割5データ分析::kLayout = {
    5,
    {0, 0, 1, 1, 2, 2, 3, 3, 4, 4},
    {"　Ａ ", "　Ｂ ", "　Ｃ ", "　Ｄ ", "　Ｅ "},
    {kCyanBand, kNoBand, kGreenBand, kNoBand, kMagentaBand},
    GroupLayout::Frames::BoxPerGroup,
    GroupLayout::BlueLabels::FirstBlock,
};

// The band colour repeats with the digit modulo 5.
const GroupLayout 分割10データ分析::kLayout = {
    10,
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
    {"Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "Ｆ", "Ｇ", "Ｈ", "Ｉ", "Ｊ"},
    {kCyanBand, kGreenBand, kMagentaBand, kLavenderBand, kNoBand, kCyanBand, kGreenBand, kMagentaBand, kLavenderBand,
     kNoBand},
    GroupLayout::Frames::BoxPerCell,
    GroupLayout::BlueLabels::EveryBlock,
};

GridModel 分割3データ分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    return GroupDivisionGrid::BuildGroupGrid(kLayout, history, stats, game);
}

void 分割3データ分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                                const Game& game) {
    GroupDivisionGrid::BuildGroupGridInto(grid, kLayout, history, stats, game);
}

GridModel 分割5データ分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    return GroupDivisionGrid::BuildGroupGrid(kLayout, history, stats, game);
}

void 分割5データ分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                                const Game& game) {
    GroupDivisionGrid::BuildGroupGridInto(grid, kLayout, history, stats, game);
}

GridModel 分割10データ分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    return GroupDivisionGrid::BuildGroupGrid(kLayout, history, stats, game);
}

void 分割10データ分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                                 const Game& game) {
    GroupDivisionGrid::BuildGroupGridInto(grid, kLayout, history, stats, game);
}

}  // namespace n3
