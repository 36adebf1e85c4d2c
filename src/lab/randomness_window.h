#pragma once
// 乱数性の検定: the window's grid (one row per test), its two charts (digit
// counts with their binomial band, sums with their exact distribution) and
// the tests themselves (the content's details), all from one tally of the range.
#include <string>
#include <vector>

#include "core/window_content.h"
#include "lab/randomness_tests.h"

namespace n3 {

class 乱数性の検定 {
public:
    static WindowContent Content(const WindowInput& input);

    static GridModel BuildGrid(const DrawTallies& tallies, const std::vector<RandomnessTest>& tests);
    static std::vector<ChartData> BuildCharts(const DrawTallies& tallies);
    // The verdict of all the tests in one line above the grid: none doubts
    // chance, or the tests that do, over which draws.
    static std::string Headline(const DrawTallies& tallies, const std::vector<RandomnessTest>& tests);

private:
    static constexpr int kColumns = 7;
    static constexpr int kRangeRow = 1;
    static constexpr int kHeaderRow = 2;
    static constexpr int kFirstTestRow = 3;
    static void SetUpGrid(GridModel& grid, int rows);
    static void WriteTestRow(GridModel& grid, int row, const RandomnessTest& test);
};

}  // namespace n3
