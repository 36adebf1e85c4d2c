#include "analysis/title_band.h"

namespace n3 {

void RemoveLinesInsideBand(GridModel& grid, int row, int col1, int col2) {
    if (col2 <= col1) return;
    // Each neighbour holds its own side of the shared line: clear both.
    grid.setBorder({col1, row, col2 - 1, row}, Right, {}, LineStyle::None);
    grid.setBorder({col1 + 1, row, col2, row}, Left, {}, LineStyle::None);
}

void WriteBandTitle(GridModel& grid, int col, int row, std::string_view title) {
    grid.setText(col, row, title);
    grid.setAlignment({col, row, col, row}, HAlign::Left);
}

}  // namespace n3
