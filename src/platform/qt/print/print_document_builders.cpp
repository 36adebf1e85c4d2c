#include "platform/qt/print/print_document_builders.h"

#include <ctime>
#include <iterator>

#include "platform/qt/print/print_choice.h"

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

PrintDocument MakePredictionDocument(const 一発ズバリン& prediction, const DrawHistory& history) {
    PrintDocument doc;
    doc.caption = "一発ズバリン予想";
    doc.description =
        "各データ分析の結果を元に周期法、消去法、連発ズバリン、一発ズバリンの各手法を用いて当選数字を予想します。";
    doc.dateText = TodayText();
    doc.rangeText = HistoryRangeText(history);
    doc.addText("データ分析オプション");
    // Two flags a line; the two last-digit pairs have no flag and always
    // stand at 反映しない.
    for (int i = 0; i < kOptionPairCount; i += 2) {
        std::string line;
        for (int k = i; k < i + 2 && k < kOptionPairCount; ++k) {
            const bool on = k < kOptionFlagCount && prediction.optionFlag(k);
            if (!line.empty()) line += "　　";
            line += std::string(kOptionCaptions[std::size_t(k)]) + "：" + (on ? "反映する" : "反映しない");
        }
        doc.addText(std::move(line));
    }
    doc.addText("");
    doc.addText("当選予想");
    for (int i = 0; i < kPredictionGridCount; ++i) {
        doc.addText(std::string(kPredictionGridLabels[std::size_t(i)]));
        doc.addGrid(prediction.grids()[std::size_t(i)]);
    }
    return doc;
}

}  // namespace n3
