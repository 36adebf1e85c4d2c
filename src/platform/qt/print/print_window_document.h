#pragma once
#include <vector>
// The printed document of a window named by its class, built as the window
// builds its content when it opens: for printing without a screen.
#include <optional>
#include <string>

#include "core/window_content.h"
#include "platform/qt/common/print_document.h"
#include "platform/store/startup_load.h"

namespace n3 {

struct PrintRequest {
    std::string window;                // a window class, e.g. 分割10データ分析 or 一発ズバリン
    std::string settingsPath;          // the prediction's settings file; empty: the usual one
    DrawRange range;                   // for the windows that take a range of draws
    std::optional<int> number;         // for the windows with a number box
    std::vector<Strategy> strategies;  // for 買い方の検証
    bool singleStrategy = false;       // one strategy from the command line
};

// The document, or nullopt when no window has that name. `warning` gets a
// message when the settings file could not be read (the flags then stand
// at their defaults, as when the program starts).
std::optional<PrintDocument> BuildWindowDocument(const PrintRequest& request, const HistorySnapshot& snapshot,
                                                 std::string& warning);

}  // namespace n3
