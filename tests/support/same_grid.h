#pragma once
// Whether two grids show the same thing: size, every cell's text (and
// whether it is a number), style, tip and span, the row heights, the column
// widths and the view properties. The first difference is the message.
#include <gtest/gtest.h>

#include <string>

#include "core/grid_model.h"

namespace n3::testing {

inline ::testing::AssertionResult SameGrid(const GridModel& a, const GridModel& b) {
    const auto differ = [](const std::string& what, int col, int row) {
        return ::testing::AssertionFailure() << what << " differs at (" << col << "," << row << ")";
    };
    if (a.columns() != b.columns() || a.rows() != b.rows())
        return ::testing::AssertionFailure()
               << "size " << a.columns() << "x" << a.rows() << " against " << b.columns() << "x" << b.rows();
    for (int col = 1; col <= a.columns(); ++col)
        for (int row = 1; row <= a.rows(); ++row) {
            if (a.text(col, row) != b.text(col, row))
                return differ("text '" + a.text(col, row) + "' / '" + b.text(col, row) + "'", col, row);
            if (a.number(col, row) != b.number(col, row)) return differ("number", col, row);
            if (!(a.style(col, row) == b.style(col, row))) return differ("style", col, row);
            if (a.tip(col, row) != b.tip(col, row)) return differ("tip", col, row);
            const Span* sa = a.spanAt(col, row);
            const Span* sb = b.spanAt(col, row);
            if ((sa == nullptr) != (sb == nullptr) || (sa && (sa->col != sb->col || sa->row != sb->row ||
                                                              sa->columns != sb->columns || sa->rows != sb->rows)))
                return differ("span", col, row);
        }
    if (a.spans().size() != b.spans().size()) return ::testing::AssertionFailure() << "number of spans";
    for (int row = 0; row <= a.rows() + 1; ++row)
        if (a.rowHeight(row) != b.rowHeight(row)) return differ("row height", 0, row);
    for (int col = 0; col <= a.columns() + 1; ++col)
        if (a.columnWidth(col) != b.columnWidth(col)) return differ("column width", col, 0);
    if (a.frozenRows != b.frozenRows || a.scrollBars != b.scrollBars || a.textOverflow != b.textOverflow ||
        a.activeCol != b.activeCol || a.activeRow != b.activeRow)
        return ::testing::AssertionFailure() << "view properties";
    return ::testing::AssertionSuccess();
}

}  // namespace n3::testing
