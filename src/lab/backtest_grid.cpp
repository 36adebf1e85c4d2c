#include "lab/backtest_grid.h"

#include "lab/figures_grid.h"
#include "stats/chance_charts.h"

#include <array>
#include <utility>

namespace n3 {

namespace {

constexpr Colour kMethodBackground = colours::LabelCyan;

// The answer first: the verdict and the money beside the method's name, so
// that they are in view when the window opens; the figures behind the
// verdict follow, in the order 買い方の検証 uses too.
constexpr std::array<FiguresColumn, kBacktestGridColumns> kColumns =
    FiguresColumns({"予想方法", 11}, {"購入口数", 10}, {"補正p値(×7)", 11},
                   std::array<FiguresColumn, 2>{{{"数字の的中率", 11}, {"偶然なら", 8}}});

constexpr int kVerdictColumn = kFiguresVerdictColumn;
constexpr int kExpectedColumn = kFiguresExpectedColumn;
constexpr int kDigitChanceColumn = 18;

// What the columns mean, in plain words, shown when the pointer rests on a heading.
constexpr std::array<std::pair<int, std::string_view>, 7> kHeadingTips = {{
    {kVerdictColumn,
     "補正p値が0.01未満のときだけ「偶然より多い」「偶然より少ない」とします。"
     "それ以外は、でたらめに買ったときと差があるとは言えません。"},
    {kExpectedColumn, "偶然の期待値：同じ番号を同じ口数だけ、でたらめに選んで買ったときに当たると見込まれる回数です。"},
    {11,
     "z：実際の的中回数が偶然の期待値からどれだけ離れているかを、偶然のばらつき（標準偏差）何個分かで表したものです。"
     "±2くらいまでは偶然でもよく起こります。"},
    {12,
     "p値：予想に本当は力がないとしても、これ以上に偏った的中回数が偶然に出る確率です。"
     "小さいほど偶然では説明しにくくなります。"},
    {13,
     "補正p値：7つの方法を同時に試したので、どれか1つが偶然よく見える分を差し引くためにp値を7倍したもの（最大1）です。"
     "判定はこの値で行います。"},
    {14, "的中率：購入回数のうち、当たった回の割合です。"},
    {15,
     "的中率の95%区間：本当の的中率がこの範囲にあると95%の確かさで言える幅です。"
     "偶然の的中率がこの中に入っていれば、偶然と区別できません。"},
}};

std::string TargetLine(const BacktestFigures& f) {
    std::string line = "対象：" + TargetRangeText(f.from, f.to, f.targets);
    if (f.targets > 0) line += "　　" + MoneyDrawsText(f.from, f.to, f.moneyTargets);
    line += "　　オプション：" + std::to_string(f.optionCount) +
            " 個　　各回の予想は、その回より前の当選データだけから作ります。";
    return line;
}

void WriteMethodRow(GridModel& grid, int row, const MethodFigures& f, bool moneyKnown) {
    const MethodTally& t = f.tally;
    grid.setText(1, row, f.method);
    grid.setText(6, row, std::to_string(t.bets));
    grid.setText(7, row, GroupedNumber(t.tickets));
    WriteHitTestCells(grid, row, f, moneyKnown);
    grid.setText(kFiguresSharedColumns + 1, row, PercentText(f.digitShare, 1));
    grid.setText(kDigitChanceColumn, row, PercentText(f.digitChanceShare, 1));
}

}  // namespace

GridModel BacktestGrid(const BacktestFigures& figures) {
    GridModel grid;
    const int firstNote = SetUpFiguresGrid(grid, kColumns, kBacktestMethodCount, TargetLine(figures));

    const int lastMethodRow = firstNote - 1;
    grid.setBackground({1, kBacktestFirstMethodRow, 1, lastMethodRow}, kMethodBackground);
    grid.setAlignment({1, kBacktestFirstMethodRow, 1, lastMethodRow}, HAlign::Left);
    for (int c : {kExpectedColumn, kDigitChanceColumn})
        grid.setBackground({c, kBacktestFirstMethodRow, c, lastMethodRow}, kChanceBackground);
    grid.setAlignment({kVerdictColumn, kBacktestFirstMethodRow, kVerdictColumn, lastMethodRow}, HAlign::Left);
    for (const auto& [column, tip] : kHeadingTips)
        for (int row = 2; row <= lastMethodRow; ++row) grid.setTip(column, row, tip);
    for (int m = 0; m < kBacktestMethodCount; ++m)
        WriteMethodRow(grid, kBacktestFirstMethodRow + m, figures.methods[std::size_t(m)], figures.moneyKnown);

    WriteFiguresNote(grid, firstNote,
                     figures.moneyKnown ? "金額は、ストレートの当せん金額がわかる回だけで数えます（1口200円）。"
                                          "宝くじの理論上の回収率は約45%です。"
                                        : kNoMoneyNote);
    WriteFiguresNote(grid, firstNote + 1,
                     "判定：p値を7つの方法の数で補正し（ボンフェローニ）、0.01未満のときだけ偶然と区別します。"
                     "無作為の対照は、同じ口数を000～999から無作為に選んだときの的中回数です。");
    WriteFiguresNote(
        grid, firstNote + 2,
        "当選番号は毎回あらためて抽せんされます。過去にどの番号がよく出たかは、次の回の当たりやすさを変えません。");
    grid.moveActiveCellToTopLeft();
    return grid;
}

}  // namespace n3
