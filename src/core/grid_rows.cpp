#include "core/grid_rows.h"

namespace n3 {

void WriteHeaderRow(GridModel& grid, const HeaderLook& look, int row,
                    std::initializer_list<std::string_view> captions) {
    int c = 1;
    for (std::string_view caption : captions) grid.setText(c++, row, caption);
    const int columns = look.columns > 0 ? look.columns : int(captions.size());
    grid.setBackground({1, row, columns, row}, colours::HeaderPink);
    if (look.text.isSet()) grid.setForeground({1, row, columns, row}, look.text);
    if (look.centred) grid.setAlignment({1, row, columns, row}, HAlign::Center);
}

void WriteNoteRow(GridModel& grid, int row, int columns, std::string_view text) {
    grid.addSpan(1, row, columns, 1);
    grid.setAlignment({1, row, 1, row}, HAlign::Left);
    grid.setText(1, row, text);
}

}  // namespace n3
