#include "analysis/digit_pairs_window.h"

#include "analysis/deviation_colour.h"
#include "analysis/figure_text.h"
#include "stats/chance_charts.h"
#include "stats/verdict.h"

namespace n3 {

namespace {

constexpr int kColumns = 11;
constexpr int kBlockRows = 13;  // title, header, ten rows, a gap
constexpr Colour kDoubtRed{220, 0, 0};

bool Doubtful(const PairCounts& pair) { return pair.adjustedP && *pair.adjustedP < kChanceLevel; }

std::string PairLine(const PositionPair& at, const PairCounts& pair) {
    std::string line(at.caption);
    if (!pair.p) return line + "　数字のそろった回がありません";
    line += "　χ² " + FixedText(*pair.chi2, 1) + "、自由度 99、p値 " + PValueText(*pair.p) + "、補正p値 " +
            PValueText(*pair.adjustedP) + "　" + std::string(Doubtful(pair) ? kVerdictBias : kVerdictChance);
    return line;
}

void WriteBlock(GridModel& grid, int top, const PositionPair& at, const PairCounts& pair, int draws,
                const CellTest& test) {
    grid.addSpan(1, top, kColumns, 1);
    grid.setAlignment({1, top, 1, top}, HAlign::Left);
    grid.setText(1, top, PairLine(at, pair));
    if (Doubtful(pair)) grid.setForeground(1, top, kDoubtRed);
    const int head = top + 1;
    grid.setText(1, head, "第" + std::to_string(at.first + 1) + "＼第" + std::to_string(at.second + 1));
    for (int digit = 0; digit < 10; ++digit) {
        grid.setNumber(2 + digit, head, digit);
        grid.setNumber(1, head + 1 + digit, digit);
    }
    grid.setBackground({1, head, kColumns, head}, colours::HeaderPink);
    grid.setForeground({1, head, kColumns, head}, colours::Blue);
    grid.setBackground({1, head + 1, 1, head + 10}, colours::HeaderYellow);
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b) {
            const int count = pair.counts[std::size_t(a * 10 + b)];
            grid.setNumber(2 + b, head + 1 + a, count);
            if (const Colour c = SignalColour(count, draws, 1.0 / kPairValues, test); c.isSet())
                grid.setBackground(2 + b, head + 1 + a, c);
        }
    grid.setAlignment({2, head + 1, kColumns, head + 10}, HAlign::Right);
    grid.gridLinesOnBlock({1, head, kColumns, head + 10});
}

}  // namespace

WindowContent ペア分析::Content(const WindowInput& input) {
    PairFigures figures = TallyPairs(input.history, input.range);
    WindowContent content;
    content.grid() = BuildGrid(figures);
    content.headline = Headline(figures);
    content.details = std::make_shared<const PairFigures>(std::move(figures));
    return content;
}

GridModel ペア分析::BuildGrid(const PairFigures& f) {
    GridModel grid;
    grid.setSize(kColumns, 1 + int(kPositionPairs.size()) * kBlockRows);
    grid.setDefaultRowHeight(13);
    grid.setDefaultColumnWidth(6);
    grid.setColumnWidth(1, 8);
    grid.textOverflow = true;
    grid.addSpan(1, 1, kColumns, 1);
    grid.setAlignment({1, 1, 1, 1}, HAlign::Left);
    grid.setText(1, 1, CoverageLine(f.coverage) + "　期待値 " + FixedText(f.expected, 2) + " 回（回数÷100）");
    grid.addSpan(1, 2, kColumns, 1);
    grid.setAlignment({1, 2, 1, 2}, HAlign::Left);
    grid.setText(1, 2, kSignalLegend);
    // The cells of the three pairs are tested at once.
    const CellTest test{.cells = int(kPositionPairs.size()) * kPairValues, .level = kChanceLevel};
    for (std::size_t k = 0; k < kPositionPairs.size(); ++k)
        WriteBlock(grid, 3 + int(k) * kBlockRows, kPositionPairs[k], f.pairs[k], f.draws, test);
    grid.moveActiveCellToTopLeft();
    return grid;
}

std::string ペア分析::Headline(const PairFigures& f) {
    if (f.draws == 0) return "数字のそろった回がないため、ペアを数えられません";
    std::string doubtful;
    for (std::size_t k = 0; k < kPositionPairs.size(); ++k) {
        if (!Doubtful(f.pairs[k])) continue;
        if (!doubtful.empty()) doubtful += "、";
        doubtful += std::string(kPositionPairs[k].caption) + "（補正p値 " + PValueText(*f.pairs[k].adjustedP) + "）";
    }
    if (doubtful.empty()) return "数字の組（ペア）の出方の偏りは偶然と区別できません（3組とも補正p値 0.01 以上）";
    return std::string(kVerdictBias) + "があります：" + doubtful;
}

}  // namespace n3
