#pragma once
// The printed documents of the windows: from what an analysis window or
// the prediction window shows, never a second computation.
#include <string>
#include <vector>

#include "core/draw.h"
#include "platform/qt/common/print_document.h"
#include "prediction/prediction_window_logic.h"
#include "windows/window_table.h"

namespace n3 {

// "第1回〜第N回" for the draws of `history` (the first and last 回数),
// narrowed to `range` where it closes an end; "データなし" when empty.
std::string HistoryRangeText(const DrawHistory& history, DrawRange range = {});
// "印刷日 YYYY年MM月DD日" for today.
std::string TodayText();

// An analysis window: its caption, description, the grid and charts it shows.
// `headline`, when not empty, stands above the grid. Further grids (the
// window's other tabs) follow the grid, each under its tab's caption, and
// the grid stands under `gridCaption` when there are any.
PrintDocument MakeAnalysisDocument(const AnalysisWindowInfo& info, const GridModel& grid,
                                   const std::vector<ChartData>& charts, const DrawHistory& history,
                                   DrawRange range = {}, const std::string& headline = {},
                                   const std::vector<GridTab>& moreGrids = {}, const std::string& gridCaption = {});

// A window's further views after its first: each tab's caption, its grid
// and its charts.
void AddContentTabs(PrintDocument& doc, const std::vector<ContentTab>& tabs);

// The prediction window: the option flags that produced the prediction,
// then the four result grids under their labels.
PrintDocument MakePredictionDocument(const 一発ズバリン& prediction, const DrawHistory& history);

}  // namespace n3
