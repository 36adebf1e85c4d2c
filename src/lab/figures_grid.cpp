#include "lab/figures_grid.h"

#include <array>
#include <cstdio>

#include "analysis/figure_text.h"
#include "core/grid_rows.h"
#include "stats/chance_charts.h"
#include "stats/verdict.h"

namespace n3 {

int SetUpFiguresGrid(GridModel& grid, std::span<const FiguresColumn> columns, int bodyRows,
                     std::string_view targetLine) {
    const int width = int(columns.size());
    const int firstNote = kFiguresFirstRow + bodyRows;
    grid.setSize(width, firstNote + 3);
    grid.setDefaultRowHeight(12);
    for (int c = 0; c < width; ++c) grid.setColumnWidth(c + 1, columns[std::size_t(c)].width);
    grid.setAlignment(grid.all(), HAlign::Right);
    grid.gridLinesOnBlock({1, 2, width, firstNote - 1});

    WriteFiguresNote(grid, 1, targetLine);
    grid.setRowHeight(2, 20);
    for (int c = 0; c < width; ++c) grid.setText(c + 1, 2, columns[std::size_t(c)].caption);
    grid.setAlignment({1, 2, width, 2}, HAlign::Center);
    grid.setForeground({1, 2, width, 2}, colours::Blue);
    grid.setBackground({1, 2, width, 2}, colours::HeaderPink);
    return firstNote;
}

void WriteHitTestCells(GridModel& grid, int row, const HitTestFigures& f, bool moneyKnown) {
    grid.setText(kFiguresVerdictColumn, row, f.verdict);
    if (f.verdict != kVerdictChance) grid.setForeground(kFiguresVerdictColumn, row, colours::Red);
    grid.setText(kFiguresReturnColumn, row, moneyKnown ? PercentText(f.returnRate, 1) : "");
    grid.setText(kFiguresReturnColumn + 1, row, moneyKnown ? YenText(f.spentYen) : "");
    grid.setText(kFiguresReturnColumn + 2, row, moneyKnown ? YenText(f.wonYen) : "");
    const std::array<std::string, kFiguresControlColumn - kFiguresHitsColumn + 1> figures = {
        std::to_string(f.hits),
        FormattedNumber("%.2f", f.expected),
        FixedText(f.ratio, "%.2f"),
        FixedText(f.z, "%+.2f"),
        PValueText(f.p),
        PValueText(f.pCorrected),
        PercentText(f.hitRate, 3),
        WilsonText(f.wilsonLow, f.wilsonHigh),
        std::to_string(f.controlHits),
    };
    for (std::size_t i = 0; i < figures.size(); ++i) grid.setText(kFiguresHitsColumn + int(i), row, figures[i]);
}

void WriteFiguresNote(GridModel& grid, int row, std::string_view text) {
    WriteNoteRow(grid, row, grid.columns(), text);
}

std::string MoneyDrawsText(std::optional<int> from, std::optional<int> to, int moneyTargets) {
    if (!from || !to) return "金額を計算できる回がありません";
    return "金額は第" + std::to_string(*from) + "回〜第" + std::to_string(*to) + "回のうち" +
           std::to_string(moneyTargets) + "回で計算";
}

std::string TargetRangeText(std::optional<int> from, std::optional<int> to, int targets) {
    if (!from || !to) return "範囲に数字のそろった回がありません";
    return "第" + std::to_string(*from) + "回～第" + std::to_string(*to) + "回の " + std::to_string(targets) + " 回";
}

std::string FormattedNumber(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string FixedText(std::optional<double> value, const char* format) {
    return value ? FormattedNumber(format, *value) : std::string(kUndefinedFigure);
}

std::string PercentText(std::optional<double> share, int decimals) {
    if (!share) return std::string(kUndefinedFigure);
    const char* format = decimals == 1 ? "%.1f%%" : decimals == 2 ? "%.2f%%" : "%.3f%%";
    return FormattedNumber(format, *share * 100);
}

std::string YenText(std::optional<long long> yen) {
    return yen ? GroupedNumber(*yen) + "円" : std::string(kUndefinedFigure);
}

std::string PValueText(std::optional<double> p) {
    return p ? PValueText(*p, TinyP::Bound) : std::string(kUndefinedFigure);
}

std::string WilsonText(std::optional<double> low, std::optional<double> high) {
    if (!low) return std::string(kUndefinedFigure);
    return FormattedNumber("%.3f", *low * 100) + "～" + PercentText(high, 3);
}

}  // namespace n3
