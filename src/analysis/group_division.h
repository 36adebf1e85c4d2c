#pragma once
// The group-division data chart shared by 分割3データ分析, 分割5データ分析 and
// 分割10データ分析: one row per complete draw, a ten-column digit chart for
// each position of the game's numbers (第1数字, 第2数字 ...) with the winning
// digit marked "●", the digit columns banded by group. The windows differ
// only in their GroupLayout.
#include <array>
#include <string_view>

#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

// How the ten digits fall into lettered groups, and how the groups look.
struct GroupLayout {
    // How the group-letter row is framed.
    enum class Frames {
        BoxPerGroup,  // one box round each group's columns, in every block
        BoxPerCell,   // one box round every single cell from the first digit column to the last column
    };
    // Which blocks have their row-3 digit labels in blue.
    enum class BlueLabels {
        FirstBlock,  // 第1数字's only
        EveryBlock,
    };

    int groupCount;
    std::array<int, 10> groupOfDigit;         // digit -> group, runs of consecutive digits
    std::array<std::string_view, 10> labels;  // per group, written over its first digit
    std::array<Colour, 10> bands;             // per group; unset: no band colour
    Frames frames;
    BlueLabels blueLabels;

    // The group's first digit: the column that carries its label.
    int firstDigit(int group) const;
    // The group's last digit.
    int lastDigit(int group) const;
};

// The grid's columns and rows.
namespace group_grid {
inline constexpr int kHeaderRows = 3;
inline constexpr int kFirstDrawRow = 4;
// Column of digit d (0..9) in block b (0: 第1数字, 1: 第2数字 ...).
constexpr int DigitColumn(int block, int digit) { return 2 + 10 * block + digit; }
// The draw number again after the last block: the last column.
constexpr int RightDrawNoColumn(const Game& game) { return DigitColumn(game.digits, 0); }
constexpr int Columns(const Game& game) { return RightDrawNoColumn(game); }
}  // namespace group_grid

class GroupDivisionGrid {
public:
    // The whole grid of one window: set-up, header and draw rows.
    static GridModel BuildGroupGrid(const GroupLayout& layout, const DrawHistory& history,
                                    const StartupStatistics& stats, const Game& game = kNumbers3);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildGroupGridInto(GridModel& grid, const GroupLayout& layout, const DrawHistory& history,
                                   const StartupStatistics& stats, const Game& game = kNumbers3);

private:
    static void SetUpGroupGrid(GridModel& grid, const GroupLayout& layout, int latestDrawNo, const Game& game);
    static void WriteGroupHeader(GridModel& grid, const GroupLayout& layout, const Game& game);
    static void FillGroupRows(GridModel& grid, const DrawHistory& history, const Game& game);
};

}  // namespace n3
