#include "analysis/number_types_window.h"

#include "analysis/figure_text.h"
#include "core/grid_rows.h"
#include "stats/chance_charts.h"

namespace n3 {

namespace {

constexpr int kColumns = 8;
constexpr int kHead = 3;
constexpr Colour kDoubtRed{220, 0, 0};

// Header rows coloured over their own captions only, captions in blue.
constexpr HeaderLook kHeader{.columns = 0, .text = colours::Blue, .centred = false};

std::string PercentText(double share) { return FixedText(share * 100, 2) + "%"; }

}  // namespace

WindowContent タイプ別分析::Content(const WindowInput& input) {
    NumberTypeFigures figures = TallyNumberTypes(input.history, input.results, input.range, input.game);
    WindowContent content;
    content.grid() = BuildGrid(figures);
    content.charts().push_back(ShareChart(figures));
    content.headline = Headline(figures);
    content.details = std::make_shared<const NumberTypeFigures>(std::move(figures));
    return content;
}

GridModel タイプ別分析::BuildGrid(const NumberTypeFigures& f) {
    const int typeRows = int(f.rows.size());
    const int placesHead = kHead + typeRows + 3;
    const int lastRow = placesHead + std::max<int>(1, int(f.repeatPlaces.size()));
    GridModel grid;
    grid.setSize(kColumns, lastRow);
    grid.setDefaultRowHeight(14);
    grid.setDefaultColumnWidth(10);
    grid.setColumnWidth(1, 12);
    grid.setColumnWidth(kColumns, 16);
    grid.textOverflow = true;
    WriteNoteRow(grid, 1, kColumns, CoverageLine(f.coverage));
    WriteNoteRow(grid, 2, kColumns,
                 "期待回数＝対象の回数×（そのタイプの番号の数÷" + GroupedNumber(f.game->numberCount()) +
                     "）。どのタイプも1つ1つの番号の出る確率は同じです");

    WriteHeaderRow(grid, kHeader, kHead,
                   {"タイプ", "並び方", "番号の数", "回数", "期待回数", "割合", "期待割合", "ストレート平均"});
    int row = kHead + 1;
    for (const NumberTypeRow& r : f.rows) {
        grid.setText(1, row, TypeName(r.type));
        grid.setNumber(2, row, r.orders);
        grid.setText(3, row, GroupedNumber(r.numbers));
        grid.setText(4, row, GroupedNumber(r.count));
        grid.setText(5, row, FixedText(r.expected, 1));
        grid.setText(6, row, PercentText(r.share));
        grid.setText(7, row, PercentText(r.expectedShare));
        grid.setText(8, row,
                     r.meanStraightYen ? GroupedNumber(static_cast<long long>(*r.meanStraightYen + 0.5)) + "円"
                                       : std::string("—"));
        ++row;
    }
    grid.setBackground({1, kHead + 1, 1, row - 1}, colours::HeaderYellow);
    grid.setAlignment({2, kHead + 1, kColumns, row - 1}, HAlign::Right);
    grid.gridLinesOnBlock({1, kHead, kColumns, row - 1});

    std::string test = "χ²適合度検定：";
    if (f.chi2 && f.p)
        test += "χ² " + FixedText(*f.chi2, 2) + "、自由度 " + std::to_string(f.df) + "、p値 " + PValueText(*f.p) +
                "　判定：" + f.verdict;
    else
        test += f.verdict;
    WriteNoteRow(grid, row, kColumns, test);
    if (f.p && *f.p < kChanceLevel) grid.setForeground(1, row, kDoubtRed);

    WriteNoteRow(grid, placesHead - 1, kColumns, "同じ数字の位置（1＝第1数字）。どの位置の組も同じ確率で出ます");
    WriteHeaderRow(grid, kHeader, placesHead, {"タイプ", "同じ数字の位置", "回数", "期待回数"});
    row = placesHead + 1;
    for (const RepeatPlaceRow& r : f.repeatPlaces) {
        grid.setText(1, row, TypeName(r.type));
        grid.setText(2, row, r.places);
        grid.setText(3, row, GroupedNumber(r.count));
        grid.setText(4, row, FixedText(r.expected, 1));
        ++row;
    }
    if (row > placesHead + 1) {
        grid.setBackground({1, placesHead + 1, 1, row - 1}, colours::HeaderYellow);
        grid.setAlignment({3, placesHead + 1, 4, row - 1}, HAlign::Right);
        grid.gridLinesOnBlock({1, placesHead, 4, row - 1});
    }
    grid.frozenRows = kFrozenRows;
    grid.scrollBars = ScrollBars::Both;
    grid.moveActiveCellToTopLeft();
    return grid;
}

ChartData タイプ別分析::ShareChart(const NumberTypeFigures& f) {
    ChartData chart;
    chart.title = "タイプ別の割合（%）";
    chart.xTitle = "タイプ";
    chart.yTitle = "割合（%）";
    chart.yDecimals = 1;
    ChartSeries drawn{"出た割合", SeriesKind::Bars, {220, 60, 60}, {}, {}};
    ChartSeries chance{"期待割合", SeriesKind::Bars, {120, 120, 120}, {}, {}};
    for (std::size_t i = 0; i < f.rows.size(); ++i) {
        const NumberTypeRow& r = f.rows[i];
        chart.categories.emplace_back(TypeName(r.type));
        drawn.points.push_back({double(i), r.share * 100, GroupedNumber(r.count) + "回"});
        chance.points.push_back({double(i), r.expectedShare * 100, FixedText(r.expected, 1) + "回"});
    }
    chart.series = {std::move(drawn), std::move(chance)};
    return chart;
}

std::string タイプ別分析::Headline(const NumberTypeFigures& f) {
    if (f.draws == 0) return "範囲に数字のそろった回がありません";
    std::string line = std::string(f.game->name) + "の " + GroupedNumber(f.draws) + " 回：";
    for (std::size_t i = 0; i < f.rows.size(); ++i)
        line += (i ? "・" : "") + std::string(TypeName(f.rows[i].type)) + " " + GroupedNumber(f.rows[i].count);
    return line + "　タイプの出方は" +
           (f.p && *f.p < kChanceLevel ? "偶然とは言いにくい偏りがあります" : "偶然と区別できません");
}

}  // namespace n3
