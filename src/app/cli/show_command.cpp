#include "app/cli/show_command.h"

#include <iostream>

#include "analysis/frame/window_table.h"
#include "app/cli/prediction_json.h"
#include "prediction/prediction_window_logic.h"

namespace n3 {

namespace {

constexpr std::string_view kPredictionWindow = "一発ズバリン";

// The prediction window as it opens at start-up: flags from the settings
// file, then the four grids.
PrintedWindow BuildPredictionWindow(const ShowOptions& options, const HistorySnapshot& snapshot) {
    一発ズバリン prediction(options.settingsPath.empty() ? std::string(kSettingsFileName)
                                                        : options.settingsPath);
    const SettingsFileResult read = prediction.ReadInitFile();
    if (!read.ok()) std::cerr << read.error << '\n';
    prediction.BuildPrediction(snapshot.history, snapshot.stats.LatestDrawNo);
    PrintedWindow w;
    w.name = std::string(kPredictionWindow);
    w.caption = "一発ズバリン予想";
    w.grids.assign(prediction.grids().begin(), prediction.grids().end());
    w.extraJsonMembers = PredictionJsonMember(prediction);
    return w;
}

}  // namespace

std::optional<PrintedWindow> BuildPrintedWindow(const ShowOptions& options, const HistorySnapshot& snapshot) {
    if (options.window == kPredictionWindow) return BuildPredictionWindow(options, snapshot);
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
    std::vector<std::string> names{std::string(kPredictionWindow)};
    for (const auto& w : AnalysisWindowTable())
        if (w.build) names.emplace_back(w.className);
    return names;
}

}  // namespace n3
