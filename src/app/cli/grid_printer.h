#pragma once
// Prints the grids of a window for a terminal, as CSV or as JSON.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/grid_model.h"
#include "io/text_escape.h"

namespace n3 {

struct PrintedWindow {
    std::string name;
    std::string caption;
    std::vector<GridModel> grids;
    // The tab each grid stands in, beside `grids`; empty (or shorter) when the
    // window shows its grids without tabs.
    std::vector<std::string> gridTabs;
    std::string extraJsonMembers;  // e.g. "\"prediction\": {...}", without a leading comma
    std::string headline;          // the sentence above the grid; empty for none
    // The rows each grid prints, beside `grids`, when some of the draws were
    // asked for; a grid without an entry prints every row.
    std::vector<std::vector<int>> onlyRows;
};

void PrintText(std::ostream& out, const PrintedWindow& window);
void PrintCsv(std::ostream& out, const PrintedWindow& window);
void PrintJson(std::ostream& out, const PrintedWindow& window);

// JsonString: io/text_escape.h

}  // namespace n3
