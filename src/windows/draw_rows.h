#pragma once
// The analysis windows whose grid has one row a draw, oldest first: they
// open scrolled to the newest draws, where the player looks first.
#include <string_view>

namespace n3 {

bool RowsAreDrawsOldestFirst(std::string_view className);

}  // namespace n3
