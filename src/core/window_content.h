#pragma once
// What a window built through the analysis frame reads, and what it shows.
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
#include "core/window_details.h"

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

// One view of a window, in a tab of its own when the window has several:
// its grid (what the print and the command line show), the charts that go
// with it, and sortable tables (one at a time, picked by a selector when
// there are more than one). Any of them may be missing.
struct ContentView {
    // The tab's title; the first view's is "表" when empty.
    std::string caption;
    std::optional<GridModel> grid;
    std::vector<ChartData> charts;
    std::vector<SortableTable> tables;
};

struct WindowContent {
    // The first view is the window's main grid and its charts; it is always there.
    std::vector<ContentView> views{ContentView{.caption = {}, .grid = GridModel(), .charts = {}, .tables = {}}};
    // Whether each view shows its charts under its grid, every view after
    // the first in a tab of grid, table and charts; otherwise the first
    // view's charts have a tab "グラフ" of their own and each further view
    // is a tab of a grid or of a table alone.
    bool chartsUnderGrids = false;
    // What the window computed beyond its views (a report such as the
    // backtest's figures), for whoever writes it out; monostate for none.
    WindowDetails details;
    // One sentence that stands above the grid and heads its print; empty for none.
    std::string headline;

    // The first view's grid and charts, as a window of one grid fills them.
    GridModel& grid() {
        if (views.empty()) views.emplace_back();
        if (!views.front().grid) views.front().grid.emplace();
        return *views.front().grid;
    }
    const GridModel& grid() const {
        static const GridModel kNone;
        return views.empty() || !views.front().grid ? kNone : *views.front().grid;
    }
    std::vector<ChartData>& charts() {
        if (views.empty()) views.emplace_back();
        return views.front().charts;
    }
    const std::vector<ChartData>& charts() const {
        static const std::vector<ChartData> kNone;
        return views.empty() ? kNone : views.front().charts;
    }
};

// The details of type T in `content`; nullptr when it holds others or none.
template <class T>
const T* DetailsOf(const WindowContent& content) {
    const auto* held = std::get_if<std::shared_ptr<const T>>(&content.details);
    return held ? held->get() : nullptr;
}

// The tab each of the content's grids stands in, for writing them one after
// another under their tabs' captions ("表" for an unnamed first): empty for
// a window of one grid, and for one whose views show charts under their grids.
std::vector<std::string> GridTabCaptions(const WindowContent& content);

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
