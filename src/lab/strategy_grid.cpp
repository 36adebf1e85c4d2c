#include "lab/strategy_grid.h"

#include <array>

#include "lab/backtest_figures.h"
#include "lab/figures_grid.h"
#include "lab/strategy_rules.h"

namespace n3 {

namespace {

// The same order as 予想の検証: the verdict and the money beside the
// strategy, then the figures behind the verdict, then the ticket kind.
constexpr std::array<FiguresColumn, kStrategyGridColumns> kColumns =
    FiguresColumns({"買い方", 24}, {"購入数", 9}, {"補正p値", 8}, std::array<FiguresColumn, 1>{{{"種類", 10}}});

constexpr int kVerdictColumn = kFiguresVerdictColumn;
constexpr int kExpectedColumn = kFiguresExpectedColumn;
constexpr int kControlColumn = kFiguresControlColumn;
constexpr int kKindColumn = 17;

std::string TargetLine(const StrategyTestFigures& f) {
    return "対象：" + TargetRangeText(f.from, f.to, f.targets) +
           (f.targets > 0 ? "　　" + MoneyDrawsText(f.from, f.to, f.moneyTargets) : std::string()) +
           "　　各回に買う数字は、その回より前の当選データだけから決めます。";
}

void WriteRow(GridModel& grid, int row, const StrategyFigures& f, bool moneyKnown) {
    const StrategyTally& t = f.tally;
    const std::string name =
        f.strategy.name.empty() ? DescribeRule(f.strategy) : f.strategy.name + "：" + DescribeRule(f.strategy);
    grid.setText(1, row, name);
    grid.setText(6, row, std::to_string(t.draws));
    grid.setText(7, row, std::to_string(t.tickets));
    WriteHitTestCells(grid, row, f, moneyKnown);
    grid.setText(kKindColumn, row, DescribeKind(f.strategy));
}

}  // namespace

GridModel StrategyGrid(const StrategyTestFigures& figures) {
    const int count = int(figures.strategies.size());
    const int bodyRows = count == 0 ? 1 : count;
    GridModel grid;
    const int firstNote = SetUpFiguresGrid(grid, kColumns, bodyRows, TargetLine(figures));

    const int last = firstNote - 1;
    for (int c : {1, kKindColumn}) {
        grid.setBackground({c, kStrategyFirstRow, c, last}, colours::LabelCyan);
        grid.setAlignment({c, kStrategyFirstRow, c, last}, HAlign::Left);
    }
    for (int c : {kExpectedColumn, kControlColumn})
        grid.setBackground({c, kStrategyFirstRow, c, last}, kChanceBackground);
    grid.setAlignment({kVerdictColumn, kStrategyFirstRow, kVerdictColumn, last}, HAlign::Left);
    if (count == 0)
        WriteFiguresNote(grid, kStrategyFirstRow, "買い方が登録されていません。「追加」で買い方を登録してください。");
    for (int i = 0; i < count; ++i)
        WriteRow(grid, kStrategyFirstRow + i, figures.strategies[std::size_t(i)], figures.moneyKnown);

    // With no strategy nothing was counted: whether prizes are known is not
    // told by an empty list, so the note says only how money is counted.
    WriteFiguresNote(grid, firstNote,
                     figures.moneyKnown || count == 0
                         ? "金額は、その種類の当せん金額がわかる回だけで数えます（1口200円）。"
                           "宝くじの理論上の回収率は約45%です。"
                         : "当選結果（当せん金額）が登録されていないため、金額の欄は空です。");
    WriteFiguresNote(grid, firstNote + 1,
                     "判定：p値を検証した買い方の数で補正し（ボンフェローニ）、0.01未満のときだけ偶然と区別します。"
                     "無作為の対照は、同じ種類を同じ数だけ無作為に買ったときの的中回数です。");
    WriteFiguresNote(
        grid, firstNote + 2,
        "当選番号は毎回あらためて抽せんされます。過去にどの番号がよく出たかは、次の回の当たりやすさを変えません。");
    grid.moveActiveCellToTopLeft();
    return grid;
}

}  // namespace n3
