#pragma once
// What a printed window holds, in reading order: the heading of page 1
// (caption, explanation, date, range of draws), then lines of text, grids
// and charts. Plain data, taken from what the window shows; the layout
// cuts it into pages and the page painter draws them.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/chart_data.h"
#include "core/grid_model.h"

namespace n3 {

struct PrintItem {
    enum class Kind { Text, Grid, Chart };
    Kind kind = Kind::Text;
    std::string text;  // Text: one line
    GridModel grid;    // Grid: its heading rows and columns, and the body rows below
    // Grid: the body rows that print (from 1, in order); none set: every row.
    std::optional<std::vector<int>> onlyRows;
    ChartData chart;  // Chart: drawn at the page width
};

struct PrintDocument {
    std::string caption;      // the window's caption
    std::string description;  // the explanation under it
    std::string dateText;     // e.g. "印刷日 2026年12月07日"
    std::string rangeText;    // e.g. "第1回〜第6300回"
    // The grids list draws, a draw a body row with its 回数 in the first cell.
    bool rowsAreDraws = false;
    // The window showed its charts when 印刷 was chosen.
    bool chartsInView = false;
    std::vector<PrintItem> items;
    // The charts again over 第from回〜第to回 only, for a print of some of the
    // draws; none for charts that do not come from the rows.
    std::function<std::vector<ChartData>(int from, int to)> chartsForDraws;

    void addText(std::string line);
    void addGrid(GridModel grid);
    void addChart(ChartData chart);
};

}  // namespace n3
