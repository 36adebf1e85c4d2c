#pragma once
// The grid shared by the two pattern windows: every complete draw with its
// digits coloured by class, the count of each class and a pattern letter
// A..D for the mix. A class rule says how the window sorts its digits.
#include <string_view>

#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

struct PatternClassRule {
    bool (*inFirstClass)(int digit);
    std::string_view firstClassHeader;   // row 1, column 5
    std::string_view secondClassHeader;  // row 1, column 6
    Colour secondClassBackground;        // unset: the digit cell keeps its background
    bool letterCountsSecondClass;        // the pattern index is the second-class count
};

class 組合せパターン分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const PatternClassRule& rule);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const PatternClassRule& rule);
    static constexpr int kFirstDrawRow = 2;

private:
    static constexpr int kColumns = 7;
    static constexpr int kFirstCountColumn = 5;
    static constexpr int kSecondCountColumn = 6;
    static constexpr int kLetterColumn = 7;
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const PatternClassRule& rule);
    static void SetUpGrid(GridModel& grid, int latestDrawNo);
    static void WriteHeaderRow(GridModel& grid, int row, const PatternClassRule& rule);
    static void FillRows(GridModel& grid, const DrawHistory& history, const PatternClassRule& rule);
    static void ColourDigitCell(GridModel& grid, const PatternClassRule& rule, int digit, int col, int row);
    static void WritePatternLetter(GridModel& grid, int patternIndex, int col, int row);
};

}  // namespace n3
