#include "analysis/mini_window.h"

#include <algorithm>
#include <numeric>

#include "analysis/deviation_colour.h"
#include "analysis/figure_text.h"
#include "stats/chance_charts.h"
#include "stats/verdict.h"

namespace n3 {

namespace {

constexpr int kColumns = 6;
constexpr int kHead = 2;
constexpr std::string_view kNone = "－";

std::string MiniText(int n) { return std::string{char('0' + n / 10), char('0' + n % 10)}; }
std::string DrawText(const std::optional<int>& drawNo) {
    return drawNo ? "第" + std::to_string(*drawNo) + "回" : std::string(kNone);
}

// The values in order of their current ブランク, longest first (then by value).
std::vector<int> ByLongestBlank(const MiniFigures& f) {
    std::vector<int> order(kMiniValues);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&f](int a, int b) { return f.values[std::size_t(a)].since > f.values[std::size_t(b)].since; });
    return order;
}

}  // namespace

WindowContent ミニ分析::Content(const WindowInput& input) {
    MiniFigures figures = TallyMini(input.history, input.range);
    WindowContent content;
    content.grid() = BuildGrid(figures);
    content.charts().push_back(BuildChart(figures));
    SortableTable table = BuildTable(figures);
    content.views.push_back({.caption = table.caption, .grid = {}, .charts = {}, .tables = {std::move(table)}});
    content.headline = Headline(figures);
    content.details = std::make_shared<const MiniFigures>(std::move(figures));
    return content;
}

GridModel ミニ分析::BuildGrid(const MiniFigures& f) {
    GridModel grid;
    grid.setSize(kColumns, kHead + kMiniValues);
    grid.setDefaultRowHeight(13);
    grid.setDefaultColumnWidth(11);
    grid.textOverflow = true;
    grid.addSpan(1, 1, kColumns, 1);
    grid.setText(1, 1, CoverageLine(f.coverage) + "　ブランク＝最後に出てからの回数");
    grid.setAlignment({1, 1, 1, 1}, HAlign::Left);
    const char* headers[kColumns] = {"ミニ", "回数", "期待値", "最後の回", "ブランク", "最長ブランク"};
    for (int c = 0; c < kColumns; ++c) grid.setText(c + 1, kHead, headers[c]);
    grid.setBackground({1, kHead, kColumns, kHead}, colours::HeaderPink);
    grid.setForeground({1, kHead, kColumns, kHead}, colours::Blue);
    const std::string expected = FixedText(f.expected, 2);
    // The hundred values are tested at once; the description names the colours.
    const CellTest test{.cells = kMiniValues, .level = kChanceLevel};
    for (int n = 0; n < kMiniValues; ++n) {
        const MiniValue& v = f.values[std::size_t(n)];
        const int row = kHead + 1 + n;
        grid.setText(1, row, MiniText(n));
        grid.setNumber(2, row, v.count);
        grid.setText(3, row, expected);
        grid.setText(4, row, DrawText(v.last));
        grid.setNumber(5, row, v.since);
        grid.setNumber(6, row, v.longestGap);
        if (const Colour c = SignalColour(v.count, f.draws, 1.0 / kMiniValues, test); c.isSet())
            grid.setBackground(2, row, c);
    }
    const int last = kHead + kMiniValues;
    grid.setBackground({1, kHead + 1, 1, last}, colours::HeaderYellow);
    grid.setAlignment({2, kHead + 1, kColumns, last}, HAlign::Right);
    grid.gridLinesOnBlock({1, kHead, kColumns, last});
    grid.moveActiveCellToTopLeft();
    return grid;
}

SortableTable ミニ分析::BuildTable(const MiniFigures& f) {
    SortableTable table;
    table.caption = "並べ替え";
    table.headers = {"ミニ", "回数", "期待値", "最後の回", "ブランク", "最長ブランク"};
    // Never: sorts before every draw number.
    constexpr double kNever = -1;
    for (int n = 0; n < kMiniValues; ++n) {
        const MiniValue& v = f.values[std::size_t(n)];
        table.rows.push_back({
            {MiniText(n), double(n)},
            {std::to_string(v.count), double(v.count)},
            {FixedText(f.expected, 2), f.expected},
            {DrawText(v.last), v.last ? double(*v.last) : kNever},
            {std::to_string(v.since), double(v.since)},
            {std::to_string(v.longestGap), double(v.longestGap)},
        });
    }
    return table;
}

ChartData ミニ分析::BuildChart(const MiniFigures& f) {
    ChartData chart;
    chart.title = "ミニ（下2桁）の出現回数";
    chart.xTitle = "ミニ";
    chart.yTitle = "回数";
    ChartSeries bars{
        .name = "出現回数", .kind = SeriesKind::Bars, .colour = Colour{62, 158, 255}, .points = {}, .high = {}};
    ChartSeries line{.name = "期待値（回数÷100）",
                     .kind = SeriesKind::DashedLine,
                     .colour = Colour{220, 0, 0},
                     .points = {},
                     .high = {}};
    for (int n = 0; n < kMiniValues; ++n) {
        const int count = f.values[std::size_t(n)].count;
        bars.points.push_back({double(n), double(count), MiniText(n) + "：" + std::to_string(count) + " 回"});
        line.points.push_back({double(n), f.expected, {}});
    }
    chart.series = {std::move(bars), std::move(line)};
    return chart;
}

std::string ミニ分析::Headline(const MiniFigures& f) {
    if (f.draws == 0) return "数字のそろった回がないため、ミニを数えられません";
    const std::string figures = "（χ² " + FixedText(*f.chi2, 1) + "、自由度 99、p値 " + PValueText(*f.p) + "）";
    std::string blank;
    const std::vector<int> order = ByLongestBlank(f);
    for (int i = 0; i < 3; ++i) {
        const int n = order[std::size_t(i)];
        blank += (i ? "、" : "") + MiniText(n) + "（" + std::to_string(f.values[std::size_t(n)].since) + "回）";
    }
    const std::string verdict = "ミニの出方" + std::string(*f.p < kChanceLevel ? "には" : "の偏りは") +
                                std::string(*f.p < kChanceLevel ? kVerdictBias : kVerdictChance) +
                                (*f.p < kChanceLevel ? "があります" : "");
    return verdict + figures + "　ブランクの長い順：" + blank;
}

}  // namespace n3
