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

// An analysis window: its caption, description and the views of its
// content as the window shows them, the headline above them. Grids in tabs
// of their own follow one another under their tabs' captions, then the
// first view's charts; views that show charts under their grids follow,
// each under its caption.
PrintDocument MakeAnalysisDocument(const AnalysisWindowInfo& info, const WindowContent& content,
                                   const DrawHistory& history, DrawRange range = {}, const Game& game = kNumbers3);

}  // namespace n3
