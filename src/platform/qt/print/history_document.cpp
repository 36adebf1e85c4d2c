#include "platform/qt/print/history_document.h"

#include "core/window_names.h"
#include "platform/qt/print/print_document_builders.h"

namespace n3 {

PrintDocument MakeHistoryDocument(const DrawHistory& history) {
    PrintDocument doc;
    doc.caption = std::string(windows::kEntry);  // the entry window's caption
    doc.dateText = TodayText();
    // Every stored row prints, one still being typed included.
    if (!history.empty())
        doc.rangeText =
            "第" + std::to_string(history.front().drawNo) + "回〜第" + std::to_string(history.back().drawNo) + "回";
    else
        doc.rangeText = "データなし";
    GridModel grid;
    const int rows = int(history.size()) + 1;
    grid.setSize(4, rows);
    grid.frozenRows = 1;
    grid.setDefaultColumnWidth(8);
    const char* headings[] = {"回数", "第1数字", "第2数字", "第3数字"};
    for (int c = 1; c <= 4; ++c) grid.setText(c, 1, headings[c - 1]);
    grid.setBackground({1, 1, 4, 1}, colours::HeaderYellow);
    for (int r = 2; r <= rows; ++r) {
        const Draw& d = history[std::size_t(r - 2)];
        grid.setNumber(1, r, d.drawNo);
        for (int i = 0; i < 3; ++i)
            if (d.digits[std::size_t(i)]) grid.setNumber(i + 2, r, *d.digits[std::size_t(i)]);
    }
    grid.gridLinesOnBlock(grid.all(), colours::LineBlue);
    doc.addGrid(std::move(grid));
    return doc;
}

}  // namespace n3
