#include "app/cli/show_command.h"

#include "analysis/frame/window_table.h"

namespace n3 {

std::optional<PrintedWindow> BuildPrintedWindow(const ShowOptions& options, const HistorySnapshot& snapshot) {
    if (const auto* info = FindAnalysisWindow(options.window); info && info->build) {
        PrintedWindow w;
        w.name = std::string(info->className);
        w.caption = std::string(info->caption);
        w.grids.push_back(BuildAnalysisGrid(*info, snapshot.history, snapshot.stats));
        return w;
    }
    return std::nullopt;
}

std::vector<std::string> ShowableWindowNames() {
    std::vector<std::string> names;
    for (const auto& w : AnalysisWindowTable())
        if (w.build) names.emplace_back(w.className);
    return names;
}

}  // namespace n3
