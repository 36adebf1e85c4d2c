#include "platform/qt/print/print_document_builders.h"

#include <ctime>
#include <iterator>

#include "platform/qt/print/print_choice.h"
#include "windows/window_table.h"

namespace n3 {

std::string HistoryRangeText(const DrawHistory& history, DrawRange range) {
    // A draw still being typed at the end is in no analysis: the range ends
    // at the newest complete draw.
    auto end = history.end();
    while (end != history.begin() && !std::prev(end)->complete()) --end;
    if (end == history.begin()) return "データなし";
    int first = history.front().drawNo, last = std::prev(end)->drawNo;
    if (range.from > first) first = range.from;
    if (range.to != 0 && range.to < last) last = range.to;
    return "第" + std::to_string(first) + "回〜第" + std::to_string(last) + "回";
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::strftime(text, sizeof text, "%Y年%m月%d日", &local);
    return std::string("印刷日 ") + text;
}

PrintDocument MakeAnalysisDocument(const AnalysisWindowInfo& info, const GridModel& grid,
                                   const std::vector<ChartData>& charts, const DrawHistory& history, DrawRange range,
                                   const std::string& headline, const std::vector<GridTab>& moreGrids,
                                   const std::string& gridCaption) {
    PrintDocument doc;
    doc.caption = std::string(info.caption);
    doc.description = std::string(info.description);
    doc.dateText = TodayText();
    doc.rangeText = HistoryRangeText(history, range);
    doc.rowsAreDraws = info.rowsAreDraws || info.rowsAreDrawsNewestFirst;
    if (!headline.empty()) doc.addText(headline);
    if (!moreGrids.empty()) doc.addText("［" + (gridCaption.empty() ? std::string("表") : gridCaption) + "］");
    doc.addGrid(grid);
    for (const GridTab& tab : moreGrids) {
        doc.addText("［" + tab.caption + "］");
        doc.addGrid(tab.grid);
    }
    // Under the tabs' headings the charts have one of their own, so that
    // the last tab's heading never prints above charts alone.
    if (!moreGrids.empty() && !charts.empty()) doc.addText("［グラフ］");
    for (const ChartData& chart : charts) doc.addChart(chart);
    if (info.charts && !charts.empty())
        doc.chartsForDraws = [&info, history](int from, int to) { return RowChartsOf(info, history, from, to); };
    // A list of draws names the draws it prints.
    if (const std::string printed = PrintedDrawsText(doc); !printed.empty()) doc.rangeText = printed;
    return doc;
}

void AddContentTabs(PrintDocument& doc, const std::vector<ContentTab>& tabs) {
    for (const ContentTab& tab : tabs) {
        doc.addText("");
        doc.addText(tab.caption);
        doc.addGrid(tab.grid);
        for (const ChartData& chart : tab.charts) doc.addChart(chart);
    }
}

}  // namespace n3
