#pragma once
// What a window built through the analysis frame reads, and what it shows.
#include <any>
#include <optional>
#include <string>
#include <vector>

#include "core/chart_data.h"
#include "core/draw.h"
#include "core/draw_result.h"
#include "core/grid_model.h"
#include "core/history_snapshot.h"
#include "core/option_flags.h"
#include "core/startup_statistics.h"
#include "core/strategy.h"

namespace n3 {

// A range of target draws by number; 0 leaves that end open.
struct DrawRange {
    int from = 0;
    int to = 0;
    bool contains(int drawNo) const { return (from == 0 || drawNo >= from) && (to == 0 || drawNo <= to); }
};

struct WindowInput {
    const DrawHistory& history;
    const StartupStatistics& stats;
    const ResultHistory& results;
    OptionFlags optionFlags{};
    DrawRange range;
    std::optional<int> number;  // the number box of windows that have one
    // The player's strategies, for the windows that test them; none when null.
    const std::vector<Strategy>* strategies = nullptr;
    // One strategy given on the command line rather than the saved ones.
    bool singleStrategy = false;
    // Where results worked out from this input's snapshot are kept; none when null.
    SnapshotMemo* memo = nullptr;
    // The game whose draws `history` holds.
    const Game& game = kNumbers3;
    // The day the screen counts from (YYYY-MM-DD), for 次回の抽せん's next
    // draw; empty for the draw after the newest stored one (the CLI).
    std::string today = {};
};

// A table the frame shows in a tab of its own, sortable by any column:
// each cell's text and the key it sorts by.
struct TableCell {
    std::string text;
    double key = 0;
    Colour colour{};  // the text's colour; unset for the default
};
struct SortableTable {
    std::string caption;
    std::vector<std::string> headers;
    std::vector<std::vector<TableCell>> rows;
};

// A further grid that the frame shows in a tab of its own after the main
// grid, and prints and writes out after it.
struct GridTab {
    std::string caption;
    GridModel grid;
};

// A further view of a window in a tab of its own: its grid (what the print
// and the command line show) with charts beside it, or, when `choices` is
// not empty, one of those sortable tables at a time, picked by a selector.
struct ContentTab {
    std::string caption;
    GridModel grid;
    std::vector<ChartData> charts;
    std::vector<SortableTable> choices;
};

struct WindowContent {
    GridModel grid;
    // The main grid's tab when the window has more grids; "表" when empty.
    std::string gridCaption;
    std::vector<GridTab> moreGrids;
    std::vector<ChartData> charts;
    // What the window computed beyond its grid and charts (a report such as
    // the backtest's figures), for whoever writes it out; empty for none.
    std::any details;
    std::optional<SortableTable> table;
    // One sentence that stands above the grid and heads its print; empty for none.
    std::string headline;
    // Further views with charts or sortable choices, each in a tab of its
    // own after the main grid's (named `gridCaption`).
    std::vector<ContentTab> tabs;
};

// What a window of the analysis frame reads from the snapshot.
inline WindowInput InputOf(const HistorySnapshot& snapshot, const OptionFlags& flags = {}, DrawRange range = {}) {
    return WindowInput{.history = snapshot.history,
                       .stats = snapshot.stats,
                       .results = snapshot.results,
                       .optionFlags = flags,
                       .range = range,
                       .number = std::nullopt,
                       .strategies = nullptr,
                       .singleStrategy = false,
                       .memo = &snapshot.memo,
                       .game = *snapshot.game};
}

}  // namespace n3
