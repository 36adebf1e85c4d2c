// The grids, sortable tables and charts of 配当分析 (payout_window.h).
#include <algorithm>
#include <cmath>

#include "analysis/figure_text.h"
#include "analysis/payout_groups.h"
#include "analysis/payout_window.h"
#include "core/grid_rows.h"
#include "core/number_rules.h"
#include "stats/chance_charts.h"

namespace n3 {

namespace {

constexpr Colour kTrendColour{0, 90, 200};
constexpr Colour kTheoryColour{200, 0, 0};
constexpr Colour kGreyText{128, 128, 128};
constexpr HeaderLook kHeader{.columns = 0, .text = {}, .centred = true};
constexpr std::string_view kTooFewDraws = "当せん金額のある回が2回未満のため、配当倍率は出せません";

std::string PText(const std::optional<double>& p) { return p ? PValueText(*p) : std::string("－"); }

std::string OptionalFixed(const std::optional<double>& value, int decimals) {
    return value ? FixedText(*value, decimals) : std::string("－");
}

void Factor(GridModel& grid, int col, int row, const std::optional<double>& factor) {
    grid.setText(col, row, FactorText(factor));
    if (const Colour c = FactorColour(factor); c.isSet()) grid.setForeground(col, row, c);
}

std::string KindLine(const PayoutKindFigures& k) {
    std::string line = std::string(PayoutKindName(k.kind)) + "（" + std::to_string(k.items.size()) +
                       "通り）　当せん金額のある回 " + GroupedNumber(k.draws) + " 回";
    if (!k.enough()) return line + "　" + std::string(kTooFewDraws);
    line += "　番号内の標準偏差 s=" + OptionalFixed(k.sd, 3) + "　番号間の広がり τ=" + OptionalFixed(k.tau, 3) +
            "　全体の倍率 " + FactorText(k.grandFactor);
    return line;
}

}  // namespace

GridModel 配当分析::YearsGrid(const PayoutFigures& figures) {
    constexpr int kColumns = 5;
    GridModel grid;
    const int rows = 2 + std::max(1, int(figures.years.size()));
    grid.setSize(kColumns, rows);
    grid.setDefaultRowHeight(14);
    grid.setDefaultColumnWidth(14);
    grid.setAlignment(grid.all(), HAlign::Right);
    WriteNoteRow(grid, 1, kColumns, "ストレートの当せん金額（年ごと、当せん金額と抽せん日のある回）。理論値は90,000円");
    WriteHeaderRow(grid, kHeader, 2, {"年", "回数", "平均（円）", "中央値（円）", "90,000円との比"});
    if (figures.years.empty()) {
        WriteNoteRow(grid, 3, kColumns, "当せん金額のある回がありません");
        return grid;
    }
    int row = 3;
    for (const PayoutYear& y : figures.years) {
        grid.setText(1, row, std::to_string(y.year) + "年");
        grid.setText(2, row, GroupedNumber(y.draws));
        grid.setText(3, row, GroupedNumber(std::llround(y.straightMean)));
        grid.setText(4, row,
                     y.straightMedian == std::floor(y.straightMedian) ? GroupedNumber(std::llround(y.straightMedian))
                                                                      : FixedText(y.straightMedian, 1));
        Factor(grid, 5, row, y.straightRatio);
        ++row;
    }
    grid.setAlignment({1, 3, 1, rows}, HAlign::Center);
    grid.setBackground({1, 3, 1, rows}, colours::HeaderYellow);
    grid.gridLinesOnBlock({1, 2, kColumns, rows});
    grid.moveActiveCellToTopLeft();
    return grid;
}

ChartData 配当分析::YearsChart(const PayoutFigures& figures) {
    ChartData chart;
    chart.title = "ストレートの当せん金額の年平均";
    chart.xTitle = "年";
    chart.yTitle = "円";
    ChartSeries mean{"年平均", SeriesKind::Line, kTrendColour, {}, {}};
    ChartSeries theory{"理論値 90,000円", SeriesKind::DashedLine, kTheoryColour, {}, {}};
    for (const PayoutYear& y : figures.years) {
        mean.points.push_back({double(y.year), y.straightMean,
                               std::to_string(y.year) + "年 平均 " + GroupedNumber(std::llround(y.straightMean)) +
                                   "円（" + GroupedNumber(y.draws) + "回）"});
        theory.points.push_back({double(y.year), kTheoreticalStraightPrize, ""});
    }
    chart.series = {std::move(mean), std::move(theory)};
    return chart;
}

GridModel 配当分析::ItemsGrid(const PayoutFigures& figures) {
    constexpr int kColumns = 6;
    int rows = 0;
    for (const PayoutKindFigures& k : figures.kinds) rows += 1 + (k.enough() ? 1 + int(k.items.size()) : 0) + 1;
    GridModel grid;
    grid.setSize(kColumns, rows);
    grid.setDefaultRowHeight(13);
    grid.setDefaultColumnWidth(12);
    grid.setAlignment(grid.all(), HAlign::Right);
    int row = 1;
    for (const PayoutKindFigures& k : figures.kinds) {
        WriteNoteRow(grid, row++, kColumns, KindLine(k));
        if (k.enough()) {
            const int head = row;
            WriteHeaderRow(grid, kHeader, row++,
                           {"番号", "当せん回数", "配当倍率", "下限（95%）", "上限（95%）", "推定倍率"});
            for (const PayoutItem& item : k.items) {
                grid.setText(1, row, item.number);
                grid.setNumber(2, row, item.wins);
                Factor(grid, 3, row, item.factor);
                grid.setText(4, row, FactorText(item.low));
                grid.setText(5, row, FactorText(item.high));
                Factor(grid, 6, row, item.shrunk);
                if (item.wins == 0) grid.setForeground({2, row, 5, row}, kGreyText);
                ++row;
            }
            grid.setAlignment({1, head + 1, 1, row - 1}, HAlign::Center);
            grid.setBackground({1, head + 1, 1, row - 1}, colours::HeaderYellow);
            grid.gridLinesOnBlock({1, head, kColumns, row - 1});
        }
        ++row;
    }
    grid.moveActiveCellToTopLeft();
    return grid;
}

SortableTable 配当分析::ItemsTable(const PayoutKindFigures& k) {
    SortableTable table;
    table.caption = std::string(PayoutKindName(k.kind)) + "（" + std::to_string(k.items.size()) + "通り）";
    table.headers = {"番号", "当せん回数", "配当倍率", "下限（95%）", "上限（95%）", "推定倍率"};
    if (!k.enough()) {
        table.headers = {"番号", "当せん回数", "配当倍率"};
        for (std::size_t i = 0; i < k.items.size(); ++i)
            table.rows.push_back({{k.items[i].number, double(i)},
                                  {std::to_string(k.items[i].wins), double(k.items[i].wins)},
                                  {std::string(kTooFewDraws), 0}});
        return table;
    }
    // A number without wins sorts below every factor.
    const auto key = [](const std::optional<double>& v) { return v ? *v : -1.0; };
    table.rows.reserve(k.items.size());
    for (std::size_t i = 0; i < k.items.size(); ++i) {
        const PayoutItem& item = k.items[i];
        table.rows.push_back({
            {item.number, double(i)},
            {std::to_string(item.wins), double(item.wins)},
            {FactorText(item.factor), key(item.factor), FactorColour(item.factor)},
            {FactorText(item.low), key(item.low)},
            {FactorText(item.high), key(item.high)},
            {FactorText(item.shrunk), key(item.shrunk), FactorColour(item.shrunk)},
        });
    }
    return table;
}

GridModel 配当分析::GroupsGrid(const PayoutFigures& figures) {
    constexpr int kColumns = 8;
    GridModel grid;
    const int rows = 2 + int(figures.groups.size());
    grid.setSize(kColumns, rows);
    grid.setDefaultRowHeight(14);
    grid.setDefaultColumnWidth(10);
    grid.setColumnWidth(1, 18);
    grid.setColumnWidth(kColumns, 16);
    grid.textOverflow = true;
    grid.setAlignment(grid.all(), HAlign::Right);
    int tested = 0;
    for (const PayoutGroup& g : figures.groups) tested += g.p ? 1 : 0;
    WriteNoteRow(grid, 1, kColumns,
                 "ストレートの当選番号の型ごとの配当倍率（全体と比べた検定。補正p値＝min(1, p×" +
                     std::to_string(tested) + ")）");
    WriteHeaderRow(grid, kHeader, 2,
                   {"パターン", "当せん回数", "配当倍率", "下限（95%）", "上限（95%）", "p値", "補正p値", "判定"});
    int row = 3;
    for (const PayoutGroup& g : figures.groups) {
        grid.setText(1, row, g.name);
        grid.setText(2, row, GroupedNumber(g.wins));
        Factor(grid, 3, row, g.factor);
        grid.setText(4, row, FactorText(g.low));
        grid.setText(5, row, FactorText(g.high));
        grid.setText(6, row, PText(g.p));
        grid.setText(7, row, PText(g.adjustedP));
        grid.setText(8, row, g.verdict);
        if (!g.p) grid.setForeground({2, row, kColumns, row}, kGreyText);
        ++row;
    }
    grid.setAlignment({1, 3, 1, rows}, HAlign::Left);
    grid.setAlignment({kColumns, 3, kColumns, rows}, HAlign::Left);
    grid.setBackground({1, 3, 1, rows}, colours::HeaderYellow);
    grid.gridLinesOnBlock({1, 2, kColumns, rows});
    grid.moveActiveCellToTopLeft();
    return grid;
}

GridModel 配当分析::StabilityGrid(const PayoutFigures& figures) {
    constexpr int kColumns = 3;
    const PayoutStability& s = figures.stability;
    const PayoutKindFigures& straight = figures.kind(PayoutKind::Straight);
    GridModel grid;
    const int rows = 4 + (s.points.empty() ? 0 : 1 + int(s.points.size()));
    grid.setSize(kColumns, rows);
    grid.setDefaultRowHeight(14);
    grid.setDefaultColumnWidth(20);
    grid.textOverflow = true;  // the three lines of figures run past the table
    grid.setAlignment(grid.all(), HAlign::Right);
    if (!s.split) {
        WriteNoteRow(grid, 1, kColumns, "ストレートの当せん金額のある回が2回未満のため、前半と後半を比べられません");
        return grid;
    }
    const std::size_t half = straight.counted.size() / 2;
    WriteNoteRow(grid, 1, kColumns,
                 "前半：第" + std::to_string(straight.counted.front().drawNo) + "回～第" + std::to_string(*s.split) +
                     "回（" + GroupedNumber(long(half)) + "回）　後半：第" +
                     std::to_string(straight.counted[half].drawNo) + "回～第" +
                     std::to_string(straight.counted.back().drawNo) + "回（" +
                     GroupedNumber(long(straight.counted.size() - half)) + "回）");
    WriteNoteRow(grid, 2, kColumns, "両方の半分で当たった番号：" + std::to_string(s.numbers) + " 通り");
    WriteNoteRow(grid, 3, kColumns,
                 "前半と後半の配当倍率（対数）の相関係数：" + OptionalFixed(s.correlation, 2) +
                     "（1に近いほど、人気の番号は人気のまま）");
    if (s.points.empty()) return grid;
    WriteHeaderRow(grid, kHeader, 5, {"番号", "前半の配当倍率", "後半の配当倍率"});
    int row = 6;
    for (const PayoutStabilityPoint& p : s.points) {
        grid.setText(1, row, NumberText(p.number));
        Factor(grid, 2, row, p.firstHalf);
        Factor(grid, 3, row, p.secondHalf);
        ++row;
    }
    grid.setAlignment({1, 6, 1, rows}, HAlign::Center);
    grid.setBackground({1, 6, 1, rows}, colours::HeaderYellow);
    grid.gridLinesOnBlock({1, 5, kColumns, rows});
    grid.moveActiveCellToTopLeft();
    return grid;
}

ChartData 配当分析::StabilityChart(const PayoutFigures& figures) {
    ChartData chart;
    chart.title = "番号ごとの配当倍率：前半と後半（相関 " + OptionalFixed(figures.stability.correlation, 2) + "）";
    chart.xTitle = "前半の配当倍率";
    chart.yTitle = "後半の配当倍率";
    chart.yDecimals = 1;
    ChartSeries dots{"番号", SeriesKind::Points, kTrendColour, {}, {}};
    double low = 1, high = 1;
    for (const PayoutStabilityPoint& p : figures.stability.points) {
        dots.points.push_back(
            {p.firstHalf, p.secondHalf,
             NumberText(p.number) + "：前半 " + FactorText(p.firstHalf) + "、後半 " + FactorText(p.secondHalf)});
        low = std::min({low, p.firstHalf, p.secondHalf});
        high = std::max({high, p.firstHalf, p.secondHalf});
    }
    ChartSeries same{"前半と同じ倍率", SeriesKind::DashedLine, kTheoryColour, {{low, low, ""}, {high, high, ""}}, {}};
    chart.series = {std::move(dots), std::move(same)};
    return chart;
}

}  // namespace n3
