#include "platform/qt/print/print_window_document.h"

#include "core/window_names.h"
#include "platform/qt/print/prediction_document.h"
#include "platform/qt/print/print_choice.h"
#include "platform/qt/print/print_document_builders.h"
#include "prediction/prediction_window_logic.h"
#include "settings/settings.h"
#include "windows/draw_rows.h"
#include "windows/window_table.h"

namespace n3 {

namespace {

Settings ReadSettings(const PrintRequest& request, std::string& warning) {
    Settings settings(request.settingsPath.empty() ? std::string(kSettingsFileName) : request.settingsPath);
    const SettingsFileResult read = settings.Read();
    if (!read.ok()) warning = read.error;
    return settings;
}

}  // namespace

std::optional<PrintDocument> BuildWindowDocument(const PrintRequest& request, const HistorySnapshot& snapshot,
                                                 std::string& warning) {
    if (request.window == windows::kPrediction) {
        Settings settings = ReadSettings(request, warning);
        一発ズバリン prediction(settings);
        prediction.BuildPrediction(snapshot.history, snapshot.stats.LatestDrawNo);
        return MakePredictionDocument(prediction, snapshot.history);
    }
    const AnalysisWindowInfo* info = FindAnalysisWindow(request.window);
    if (!info || !(info->build || info->content)) return std::nullopt;
    OptionFlags flags{};
    if (info->usesOptionFlags) flags = ReadSettings(request, warning).optionFlags();
    WindowInput input = InputOf(snapshot, flags, request.range);
    input.number = request.number;
    input.strategies = &request.strategies;
    input.singleStrategy = request.singleStrategy;
    const WindowContent content = BuildWindowContent(*info, input);
    PrintDocument doc = MakeAnalysisDocument(*info, content, snapshot.history, request.range, *snapshot.game);
    // A list of draws prints the draws asked for, its charts over them.
    if (ListsDraws(*info) && (request.range.from != 0 || request.range.to != 0))
        doc = ApplyPrintChoice(std::move(doc), PrintChoice{.parts = PrintParts::TableAndCharts,
                                                           .range = PrintRange::FromTo,
                                                           .from = request.range.from,
                                                           .to = request.range.to ? request.range.to : kMaxDrawNo});
    return doc;
}

}  // namespace n3
