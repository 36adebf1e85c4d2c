#pragma once
// The background that marks a count farther from what chance gives than
// the test of the whole table allows: the count's two-sided binomial
// p-value, multiplied by the number of cells tested at once (Bonferroni),
// below the window's level. Red above the expectation, blue below, the
// grid's white for every other cell: a table whose counts are within
// chance shows no colour at all.
#include <string_view>

#include "core/grid_model.h"

namespace n3 {

struct CellTest {
    int cells = 1;        // the cells of the table tested at once
    double level = 0.01;  // the corrected p-value a coloured cell stays below
};

// The background of `count` among `trials` draws that each give it with
// probability `chance`: red or blue when its corrected p-value is below
// the level, else unset.
Colour SignalColour(int count, int trials, double chance, const CellTest& test);

// The words for the colours, for a note above a grid.
inline constexpr std::string_view kSignalLegend = "色：補正p値0.01未満のます（赤＝多い、青＝少ない）";

}  // namespace n3
