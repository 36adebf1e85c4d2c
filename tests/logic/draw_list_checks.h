#pragma once
// Checks shared by the tests of the windows that list one complete draw per
// grid row: what a cell shows, and histories with holes in them.
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/grid_model.h"

namespace n3::testing {

// The colours a view shows: an unset colour is the grid default.
inline Colour shownBackground(const GridModel& g, int col, int row) {
    const Colour c = g.style(col, row).background;
    return c.isSet() ? c : colours::DefaultBackground;
}
inline Colour shownForeground(const GridModel& g, int col, int row) {
    const Colour c = g.style(col, row).foreground;
    return c.isSet() ? c : colours::DefaultText;
}
inline bool hasLine(const GridModel& g, int col, int row, Side side) {
    return g.style(col, row).borders[side].style == LineStyle::Solid;
}

// Cells col1..col2 of `row` have no lines between them.
inline bool noLinesInside(const GridModel& g, int row, int col1, int col2) {
    for (int c = col1; c < col2; ++c)
        if (hasLine(g, c, row, Right) || hasLine(g, c + 1, row, Left)) return false;
    return true;
}
// Cells col1..col2 of `row` have a line all round them as one block.
inline bool outlined(const GridModel& g, int row, int col1, int col2) {
    for (int c = col1; c <= col2; ++c)
        if (!hasLine(g, c, row, Top) || !hasLine(g, c, row, Bottom)) return false;
    return hasLine(g, col1, row, Left) && hasLine(g, col2, row, Right);
}

// The complete draws of a history, in order.
inline std::vector<Draw> completeDraws(const DrawHistory& h, const Game& game = kNumbers3) {
    std::vector<Draw> out;
    for (const Draw& d : h)
        if (d.complete(game)) out.push_back(d);
    return out;
}

// Drops every `every`-th draw, leaving holes in the draw numbers.
inline DrawHistory withoutEvery(DrawHistory h, int every) {
    DrawHistory out;
    for (const Draw& d : h)
        if (d.drawNo % every != 0) out.push_back(d);
    return out;
}

inline std::string str(int n) { return std::to_string(n); }

}  // namespace n3::testing
