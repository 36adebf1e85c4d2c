#pragma once
// The windows built through the common analysis frame, as data: what the
// frame needs to place, label and fill each of them, and where the menu
// bar offers it. Adding such a window means writing its Build (or Content)
// function and giving it one row in window_table.cpp (fields by name); the
// menu follows.
#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "core/window_content.h"

namespace n3 {

// Each reads the draws of the game given.
using BuildFunction = GridModel (*)(const DrawHistory&, const StartupStatistics&, const Game&);
// For windows that read more than the history: results, option flags, a range.
using ContentFunction = WindowContent (*)(const WindowInput&);
// Charts beside a grid that is built by a BuildFunction.
using ChartsFunction = std::vector<ChartData> (*)(const DrawHistory&, const StartupStatistics&, const Game&);

// A grid of one row a complete draw, in order from `firstDrawRow`, as many
// rows as the latest draw number asks for, each row holding only its draw
// and what the draws before it give: a draw appended at the end changes no
// row above its own, so only the rows from there on are built again.
struct DrawRowsGrid {
    // Builds the grid into the one given (which may be rebuilding its last rows).
    void (*buildInto)(GridModel&, const DrawHistory&, const StartupStatistics&, const Game&) = nullptr;
    int firstDrawRow = 0;
    int footerRows = 0;  // rows after the draws' rows, built again with them
};

// Where the menu bar offers a window.
struct MenuPlace {
    std::string_view top = {};           // the top-level menu's name: analysisMenu, verifyMenu, dataMenu
    std::string_view groupName = {};     // a sub-menu's name; empty: straight in the top menu
    std::string_view groupCaption = {};  // the sub-menu's caption
    std::string_view name = {};          // the item's name: the command's name in code, tests and scripts
    std::string_view caption = {};       // the item's caption, with & before an access key
};

enum class LegendKind { None, Swatch, BlueBall };

// The games a window serves when it is written for the first game alone.
inline constexpr std::array<const Game*, 1> kFirstGameOnly = {&kNumbers3};

struct AnalysisWindowInfo {
    std::string_view className = {};  // the window's class, e.g. 出現頻度分析
    std::string_view caption = {};
    MenuPlace menu = {};
    int width = 0;
    int height = 0;
    std::string_view description = {};  // the line above the grid
    LegendKind legend = LegendKind::None;
    std::string_view legendText = {};  // the legend's words (beside the swatch or the picture)
    Colour legendColour{};             // the swatch colour
    bool printButton = false;          // a "印刷(&P)" button beside "閉じる"
    ScrollBars scrollBars = ScrollBars::Both;
    int frozenRows = 0;
    bool leavesEntryFree = false;    // three windows leave the entry window free
    bool yieldAfterCompute = false;  // three windows yield after computing
    BuildFunction build = nullptr;   // the grid from the history; nullptr when `content` builds it
    // Set for a `build` grid of one row a draw that an appended draw extends.
    DrawRowsGrid drawRows = {};
    ContentFunction content = nullptr;
    ChartsFunction charts = nullptr;
    bool hasRangeControls = false;  // the window offers a range of target draws
    bool usesOptionFlags = false;   // the window reads the prediction's option flags
    bool numberBox = false;         // a box for a number (000..999) that the content reads
    bool ticketBox = false;         // a number, a ticket kind and "購入記録に追加"
    bool usesStrategies = false;    // the window tests the player's saved strategies
    // The grid has one row a draw, oldest first: the window opens scrolled
    // to the newest draws, where the player looks first.
    bool rowsAreDraws = false;
    // One row a draw, newest first: like the above, its print can be
    // narrowed to a range of draws, but it opens at the top.
    bool rowsAreDrawsNewestFirst = false;
    // Opens scrolled to its last rows though they are not draws: the
    // highest counts, the ones the newest draws reached.
    bool opensAtLastRows = false;
    // The section of the help document that F1 opens; empty: the class name.
    std::string_view helpAnchor = {};
    // The games whose draws the window is built for (kGames once its build
    // reads everything of the game from WindowInput::game).
    std::span<const Game* const> games = kFirstGameOnly;
};

// Whether the window is built for the game's draws.
bool ServesGame(const AnalysisWindowInfo& window, const Game& game);

// The help section of the window: its helpAnchor, or its class name.
std::string_view HelpAnchorOf(const AnalysisWindowInfo& window);

const std::vector<AnalysisWindowInfo>& AnalysisWindowTable();
const AnalysisWindowInfo* FindAnalysisWindow(std::string_view className);

// The rows whose menu item sits in the top-level menu `top`, in menu order.
std::vector<const AnalysisWindowInfo*> WindowsInMenu(std::string_view top);

// Runs the window's Build and applies the frame's scroll bars and frozen rows.
GridModel BuildAnalysisGrid(const AnalysisWindowInfo& window, const DrawHistory& history,
                            const StartupStatistics& stats, const Game& game = kNumbers3);
// Everything the window shows: the grid (with the frame's scroll bars and
// frozen rows), its charts and its JSON member.
WindowContent BuildWindowContent(const AnalysisWindowInfo& window, const WindowInput& input);
// The window's charts from rows over 第from回〜第to回 only (a print of some
// of the draws); none when it has no such charts.
std::vector<ChartData> RowChartsOf(const AnalysisWindowInfo& window, const DrawHistory& history, int from, int to,
                                   const Game& game = kNumbers3);

// The complete draws `after` adds at the end of `before`, which it holds
// unchanged: how many complete draws `before` has; nullopt when `after`
// changes, removes or inserts anything else.
std::optional<std::size_t> CompleteDrawsBeforeAppended(const DrawHistory& before, const DrawHistory& after,
                                                       const Game& game = kNumbers3);

// What BuildWindowContent gives for `input`, made from `shown`, the grid the
// window built over `before`, when the input only appends complete draws to
// `before` and the window's grid takes them row by row (drawRows); nullopt
// when the window must be built afresh.
std::optional<WindowContent> ExtendWindowContent(const AnalysisWindowInfo& window, const WindowInput& input,
                                                 const GridModel& shown, const DrawHistory& before);

}  // namespace n3
