#pragma once
// The rows of the view checked as they are read. A database made or edited
// by another tool can hold anything in the view; the analyses count on
// draw numbers 1 to 32767, each once, and digits 0 to 9 or unknown.
#include <optional>
#include <string>
#include <vector>

#include "core/draw.h"

struct sqlite3_stmt;

namespace n3 {

enum class RowCheck {
    Strict,          // digits 0 to 9 or unknown: what the analyses and the export read
    DigitsAsStored,  // any integer digit, for the entry window to show and mend
};

// Reads the columns of the current row of `row` (回数, then `digits` digit
// columns 第1数字, 第2数字, ...) into `draw`. Every value is read as a 64-bit integer
// first, so that no value is cut short on the way. Returns why the row
// cannot be used ("回数 40000 の行：…"), or nullopt. `seen` marks the draw
// numbers read before (one flag a number, grown as needed); the row's number
// is marked in it.
std::optional<std::string> ReadCheckedRow(sqlite3_stmt* row, std::vector<bool>& seen, Draw& draw,
                                          RowCheck check = RowCheck::Strict, int digits = 3);

}  // namespace n3
