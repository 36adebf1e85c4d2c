#include "lab/strategy_grid.h"

#include <array>

#include "lab/backtest_figures.h"
#include "lab/figures_grid.h"
#include "lab/strategy_rules.h"

namespace n3 {

namespace {

// The same order as 予想の検証: the verdict and the money beside the
// strategy, then the figures behind the verdict, then the ticket kind.
constexpr std::array<FiguresColumn, kStrategyGridColumns> kColumns = {{
    {"買い方", 24},
    {"判定", 20},
    {"回収率", 8},
    {"購入額", 13},
    {"当せん金", 13},
    {"購入回数", 8},
    {"購入数", 9},
    {"的中回数", 8},
    {"偶然の期待値", 11},
    {"実績÷期待", 9},
    {"z", 7},
    {"p値", 8},
    {"補正p値", 8},
    {"的中率", 9},
    {"的中率の95%区間", 17},
    {"無作為の対照", 11},
    {"種類", 10},
}};

constexpr int kVerdictColumn = kFiguresVerdictColumn;
constexpr int kExpectedColumn = 9;
constexpr int kControlColumn = 16;
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
    const std::array<std::string, kStrategyGridColumns> cells = {
        name,
        std::string(f.verdict),
        moneyKnown ? PercentText(f.returnRate, 1) : "",
        moneyKnown ? YenText(f.spentYen) : "",
        moneyKnown ? YenText(f.wonYen) : "",
        std::to_string(t.draws),
        std::to_string(t.tickets),
        std::to_string(t.hits),
        FormattedNumber("%.2f", t.kindChanceHits()),
        FixedText(f.ratio, "%.2f"),
        FixedText(f.z, "%+.2f"),
        PValueText(f.p),
        PValueText(f.pCorrected),
        PercentText(f.hitRate, 3),
        WilsonText(f.wilsonLow, f.wilsonHigh),
        std::to_string(t.controlHits),
        DescribeKind(f.strategy),
    };
    for (int c = 0; c < kStrategyGridColumns; ++c) grid.setText(c + 1, row, cells[std::size_t(c)]);
    if (f.verdict != kVerdictChance) grid.setForeground(kVerdictColumn, row, colours::Red);
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
