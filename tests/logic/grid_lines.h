#pragma once
// The solid sides of a cell as a short text, "LRTB" for all four and ""
// for none, so that border checks read in one line.
#include <string>

#include "core/grid_model.h"

namespace n3::testing {

inline std::string Lines(const GridModel& grid, int col, int row) {
    const CellStyle& s = grid.style(col, row);
    std::string out;
    const char names[] = {'L', 'R', 'T', 'B'};
    for (int side = 0; side < 4; ++side)
        if (s.borders[side].style == LineStyle::Solid) out += names[side];
    return out;
}

}  // namespace n3::testing
