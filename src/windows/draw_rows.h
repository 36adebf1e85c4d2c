#pragma once
// The rows of a grid that list draws, read back from the grid: the draw
// number in its first column. A print or a command-line listing of some of
// the draws keeps the rows of those draws and the frozen rows above them.
#include <string>
#include <vector>

#include "core/grid_model.h"
#include "windows/window_table.h"

namespace n3 {

// The draw number in the first column of a body row; 0 for a frozen row or
// a row that names no draw.
int DrawNoOfRow(const GridModel& grid, int row);

// The body rows whose draw number lies in low..high, top to bottom.
std::vector<int> DrawRowsBetween(const GridModel& grid, int low, int high);

// Whether the window computes over, or lists, a range of draws that the
// user may choose (--from/--to on the command line).
bool TakesDrawRange(const AnalysisWindowInfo& window);
// Whether its grid has one row a draw that a range narrows.
inline bool ListsDraws(const AnalysisWindowInfo& window) {
    return window.rowsAreDraws || window.rowsAreDrawsNewestFirst;
}

// The message that refuses a range for a window that has none.
std::string NoRangeMessage(std::string_view caption);

}  // namespace n3
