#pragma once
// The printed documents of the analysis windows: from what a window shows,
// never a second computation (the prediction window's: prediction_document.h).
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/window_content.h"
#include "platform/qt/common/print_document.h"

namespace n3 {

struct AnalysisWindowInfo;  // windows/window_table.h

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

}  // namespace n3
