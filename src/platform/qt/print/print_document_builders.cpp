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

PrintDocument MakeAnalysisDocument(const AnalysisWindowInfo& info, const WindowContent& content,
                                   const DrawHistory& history, DrawRange range, const Game& game) {
    PrintDocument doc;
    doc.caption = std::string(info.caption) + std::string(game.captionSuffix);
    doc.description = std::string(info.description);
    doc.dateText = TodayText();
    doc.rangeText = HistoryRangeText(history, range);
    doc.rowsAreDraws = info.rowsAreDraws || info.rowsAreDrawsNewestFirst;
    if (!content.headline.empty()) doc.addText(content.headline);
    // Grids in tabs of their own follow one another, each under its tab's caption.
    const std::vector<std::string> tabs = GridTabCaptions(content);
    std::size_t tab = 0;
    for (std::size_t v = 0; v < content.views.size(); ++v) {
        const ContentView& view = content.views[v];
        if (!view.grid || (v > 0 && content.chartsUnderGrids)) continue;
        if (tab < tabs.size()) doc.addText("［" + tabs[tab++] + "］");
        doc.addGrid(*view.grid);
    }
    const std::vector<ChartData>& charts = content.charts();
    // Under the tabs' headings the charts have one of their own, so that
    // the last tab's heading never prints above charts alone.
    if (!tabs.empty() && !charts.empty()) doc.addText("［グラフ］");
    for (const ChartData& chart : charts) doc.addChart(chart);
    if (info.charts && !charts.empty())
        doc.chartsForDraws = [&info, &game, history](int from, int to) {
            return RowChartsOf(info, history, from, to, game);
        };
    // A list of draws names the draws it prints.
    if (const std::string printed = PrintedDrawsText(doc); !printed.empty()) doc.rangeText = printed;
    // Views that show their charts under their grids follow, each under its caption.
    if (!content.chartsUnderGrids) return doc;
    for (std::size_t v = 1; v < content.views.size(); ++v) {
        const ContentView& view = content.views[v];
        doc.addText("");
        doc.addText(view.caption);
        if (view.grid) doc.addGrid(*view.grid);
        for (const ChartData& chart : view.charts) doc.addChart(chart);
    }
    return doc;
}

}  // namespace n3
