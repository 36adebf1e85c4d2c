#pragma once
// The seventeen analysis windows as data: what the common frame needs to
// place, label and fill each of them. Adding an analysis means writing its
// Build function and naming it in its row of window_table.cpp.
#include <string_view>
#include <vector>

#include "analysis/frame/grid_model.h"
#include "shell/draw.h"
#include "shell/global_bas.h"

namespace n3 {

using BuildFunction = GridModel (*)(const DrawHistory&, const StartupStatistics&);

enum class LegendKind { None, Swatch, BlueBall };

struct AnalysisWindowInfo {
    std::string_view className;  // the window's class, e.g. 出現頻度分析
    std::string_view caption;
    std::string_view menuName;   // mnuSyutugenHindo ...
    int widthTwips;
    int heightTwips;
    std::string_view label1;
    LegendKind legend;
    std::string_view legendText;  // Label3 (or Label2 beside the picture)
    Colour legendColour;          // the swatch colour
    bool printButton;             // Command2 "印刷" (no action)
    ScrollBars scrollBars;
    int frozenRows;
    bool propEndTrueOnLoad;       // three windows leave the entry window free
    bool yieldAfterCompute;       // three windows yield after computing
    BuildFunction build;          // nullptr: not available in this build
};

const std::vector<AnalysisWindowInfo>& AnalysisWindowTable();
const AnalysisWindowInfo* FindAnalysisWindow(std::string_view className);

// Runs the window's Build and applies the frame's scroll bars and frozen rows.
GridModel BuildAnalysisGrid(const AnalysisWindowInfo& window, const DrawHistory& history,
                            const StartupStatistics& stats);

}  // namespace n3
