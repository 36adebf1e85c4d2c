#pragma once
// The rows the figure windows write the same way: a row of column captions
// on the header colour, and a line of explanation across the grid.
#include <initializer_list>
#include <string_view>

#include "core/grid_model.h"

namespace n3 {

// How a header row looks beyond its captions on the header colour.
struct HeaderLook {
    int columns = 0;       // the columns coloured; the captions' when 0
    Colour text{};         // the captions' colour; unset for the default
    bool centred = false;  // the captions centred in their cells
};

// `captions` from column 1 of `row`.
void WriteHeaderRow(GridModel& grid, const HeaderLook& look, int row, std::initializer_list<std::string_view> captions);

// `text` from column 1 of `row` across `columns` columns, left-aligned.
void WriteNoteRow(GridModel& grid, int row, int columns, std::string_view text);

}  // namespace n3
