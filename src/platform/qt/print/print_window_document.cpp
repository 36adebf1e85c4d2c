#include "platform/qt/print/print_window_document.h"

#include "windows/window_table.h"
#include "core/window_names.h"
#include "platform/qt/print/print_document_builders.h"
#include "prediction/prediction_window_logic.h"

namespace n3 {

namespace {

一発ズバリン ReadPrediction(const PrintRequest& request, std::string& warning) {
    一発ズバリン prediction(request.settingsPath.empty() ? std::string(kSettingsFileName) : request.settingsPath);
    const SettingsFileResult read = prediction.ReadInitFile();
    if (!read.ok()) warning = read.error;
    return prediction;
}

}  // namespace

std::optional<PrintDocument> BuildWindowDocument(const PrintRequest& request, const HistorySnapshot& snapshot,
                                                 std::string& warning) {
    if (request.window == windows::kPrediction) {
        一発ズバリン prediction = ReadPrediction(request, warning);
        prediction.BuildPrediction(snapshot.history, snapshot.stats.LatestDrawNo);
        return MakePredictionDocument(prediction, snapshot.history);
    }
    const AnalysisWindowInfo* info = FindAnalysisWindow(request.window);
    if (!info || !(info->build || info->content)) return std::nullopt;
    OptionFlags flags{};
    if (info->usesOptionFlags) flags = ReadPrediction(request, warning).optionFlags();
    const WindowContent content = BuildWindowContent(*info, InputOf(snapshot, flags, request.range));
    return MakeAnalysisDocument(*info, content.grid, content.charts, snapshot.history, request.range);
}

}  // namespace n3
