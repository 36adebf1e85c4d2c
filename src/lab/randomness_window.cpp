#include "lab/randomness_window.h"

#include <cmath>
#include <cstdio>

#include "analysis/figure_text.h"
#include "stats/chance_charts.h"
#include "stats/verdict.h"

namespace n3 {

namespace {

constexpr Colour kDoubtRed{220, 0, 0};
constexpr Colour kGreyText{128, 128, 128};
constexpr Colour kDoubtBackground{255, 230, 230};

std::string Format(const char* format, double value) {
    char buf[48];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace

WindowContent 乱数性の検定::Content(const WindowInput& input) {
    const DrawTallies tallies = TallyDraws(input.history, input.range);
    const std::vector<RandomnessTest> tests = RunRandomnessTests(tallies);
    WindowContent content;
    content.grid() = BuildGrid(tallies, tests);
    content.headline = Headline(tallies, tests);
    content.charts() = BuildCharts(tallies);
    content.details = std::make_shared<const std::vector<RandomnessTest>>(tests);
    return content;
}

std::string 乱数性の検定::Headline(const DrawTallies& tallies, const std::vector<RandomnessTest>& tests) {
    if (tallies.draws == 0) return "数字のそろった回がないため、検定できません。";
    std::string doubted;
    int judged = 0;
    for (const RandomnessTest& t : tests) {
        if (!t.p) continue;
        ++judged;
        if (t.verdict != kVerdictChance) doubted += (doubted.empty() ? "「" : "・「") + t.name + "」";
    }
    const std::string range =
        "（第" + std::to_string(tallies.firstDrawNo) + "回〜第" + std::to_string(tallies.lastDrawNo) + "回）";
    if (judged == 0) return "回数が少なすぎて、どの検定も判定できません" + range;
    if (!doubted.empty()) return doubted + "に偶然としては珍しい偏りがあります" + range;
    return std::to_string(judged) + "種類の検定のどれも、偏りは" + std::string(kVerdictChance) + range;
}

GridModel 乱数性の検定::BuildGrid(const DrawTallies& tallies, const std::vector<RandomnessTest>& tests) {
    GridModel grid;
    SetUpGrid(grid, kFirstTestRow + int(tests.size()) - 1);
    // The range in two short cells, so that the first column stays as wide as the test names.
    grid.setText(1, kRangeRow,
                 tallies.draws > 0 ? "対象：第" + std::to_string(tallies.firstDrawNo) + "回〜第" +
                                         std::to_string(tallies.lastDrawNo) + "回"
                                   : std::string("対象：なし"));
    grid.setText(2, kRangeRow, GroupedNumber(tallies.draws) + "回");
    const char* headers[kColumns] = {"検定", "対象数", "統計量", "自由度", "p値", "補正p値", "判定"};
    for (int c = 0; c < kColumns; ++c) grid.setText(c + 1, kHeaderRow, headers[c]);
    for (std::size_t i = 0; i < tests.size(); ++i) WriteTestRow(grid, kFirstTestRow + int(i), tests[i]);
    return grid;
}

void 乱数性の検定::SetUpGrid(GridModel& grid, int rows) {
    grid.setSize(kColumns, rows);
    grid.setDefaultRowHeight(14);
    grid.setRowHeight(kRangeRow, 18);
    grid.setRowHeight(kHeaderRow, 18);
    grid.setDefaultColumnWidth(9);
    grid.setColumnWidth(1, 24);
    grid.setColumnWidth(kColumns, 20);
    grid.textOverflow = true;
    grid.setAlignment({1, kRangeRow, kColumns, kRangeRow}, HAlign::Left);
    grid.setBackground({1, kHeaderRow, kColumns, kHeaderRow}, colours::HeaderPink);
    grid.setAlignment({1, kHeaderRow, 1, rows}, HAlign::Left);
    grid.setBackground({1, kFirstTestRow, 1, rows}, colours::HeaderYellow);
    grid.setAlignment({2, kFirstTestRow, kColumns - 1, rows}, HAlign::Right);
    grid.gridLinesOnBlock({1, kHeaderRow, kColumns, rows});
    grid.moveActiveCellToTopLeft();
}

void 乱数性の検定::WriteTestRow(GridModel& grid, int row, const RandomnessTest& test) {
    grid.setText(1, row, test.name);
    grid.setText(2, row, GroupedNumber(test.n));
    grid.setText(3, row, Format("%.2f", test.statistic));
    grid.setText(4, row, test.df ? std::to_string(*test.df) : std::string("—"));
    grid.setText(5, row, test.p ? PValueText(*test.p) : std::string("—"));
    grid.setText(6, row, test.pCorrected ? PValueText(*test.pCorrected) : std::string("—"));
    grid.setText(7, row, test.verdict);
    if (!test.p) {
        grid.setForeground({2, row, kColumns, row}, kGreyText);
    } else if (test.verdict != kVerdictChance) {
        grid.setForeground(kColumns, row, kDoubtRed);
        grid.setBackground({1, row, kColumns, row}, kDoubtBackground);
    } else {
        grid.setForeground(kColumns, row, colours::Blue);
    }
}

std::vector<ChartData> 乱数性の検定::BuildCharts(const DrawTallies& tallies) {
    return {DigitCountChart("数字の出現回数（全位置）と偶然の範囲", tallies.pooled, 3 * tallies.draws),
            SumHistogramChart("数字の合計の分布", std::vector<int>(tallies.sums.begin(), tallies.sums.end()))};
}

}  // namespace n3
