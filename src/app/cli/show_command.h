#pragma once
// The windows that `numbers3zubarin-cli show` can print.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/grid_printer.h"
#include "core/strategy.h"
#include "core/window_content.h"
#include "platform/store/startup_load.h"

namespace n3 {

struct ShowOptions {
    std::string window;
    const Game* game = &kNumbers3;  // --game: whose draws the window shows
    std::string settingsPath;       // empty: the settings file's bare name
    DrawRange range;                // --from / --to, for the windows that take a range
    std::string databasePath;       // for 購入記録, which reads its own table
    std::optional<int> number;      // --number, for the windows with a number box
    // 買い方の検証: the strategy given on the command line; without one the
    // window tests the strategies saved in the database.
    std::optional<Strategy> strategy;
};

// The window's grids as the desktop program builds them, or nullopt for an
// unknown window name.
std::optional<PrintedWindow> BuildPrintedWindow(const ShowOptions& options, const HistorySnapshot& snapshot);

// Throws a UsageError naming the window when a range is given for a window
// that has none (known names only: an unknown one is reported as such).
void RefuseRangeWithout(std::string_view window, DrawRange range);

// Every name `show` accepts for the game, in menu order.
std::vector<std::string> ShowableWindowNames(const Game& game = kNumbers3);

}  // namespace n3
