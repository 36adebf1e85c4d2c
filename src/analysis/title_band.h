#pragma once
// The title band of the draw-list windows: a few header cells of one row
// that read as one cell, their title written in the first of them and
// running over the others.
#include <string_view>

#include "core/grid_model.h"

namespace n3 {

// Removes the lines between neighbouring cells col1..col2 of `row`; the
// lines round the band stay as they are.
void RemoveLinesInsideBand(GridModel& grid, int row, int col1, int col2);

// Writes `title` into (col, row), left-aligned, so that it runs over the
// empty cells to its right (the grid must allow text overflow).
void WriteBandTitle(GridModel& grid, int col, int row, std::string_view title);

}  // namespace n3
