#pragma once
// The grid shared by the two pattern windows: every complete draw with its
// digits coloured by class, the count of each class and a pattern letter
// for the mix (A for none of the counted class, then B, C ... up to one
// letter past the game's digit count). A class rule says how the window
// sorts its digits.
#include <string_view>

#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

struct PatternClassRule {
    bool (*inFirstClass)(int digit);
    std::string_view firstClassHeader;   // header of the first count column
    std::string_view secondClassHeader;  // header of the second count column
    Colour secondClassBackground;        // unset: the digit cell keeps its background
    bool letterCountsSecondClass;        // the pattern index is the second-class count
};

class 組合せパターン分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const PatternClassRule& rule,
                           const Game& game = kNumbers3);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const PatternClassRule& rule, const Game& game = kNumbers3);
    static constexpr int kFirstDrawRow = 2;
    // The columns after 回数 and one column a digit: the two counts, then the letter.
    static constexpr int FirstCountColumn(const Game& game) { return game.digits + 2; }
    static constexpr int SecondCountColumn(const Game& game) { return game.digits + 3; }
    static constexpr int LetterColumn(const Game& game) { return game.digits + 4; }

private:
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const PatternClassRule& rule,
                          const Game& game);
    static void SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game);
    static void WriteHeaderRow(GridModel& grid, int row, const PatternClassRule& rule, const Game& game);
    static void FillRows(GridModel& grid, const DrawHistory& history, const PatternClassRule& rule, const Game& game);
};

}  // namespace n3
