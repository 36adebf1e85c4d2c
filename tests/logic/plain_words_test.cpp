// One name for one thing in the strategy and prediction tests: 当せん金 as
// the lottery spells it, 番号 for a three-digit number, and no note that
// says prizes are missing when nothing was counted.
#include <gtest/gtest.h>

#include <string>

#include "core/strategy.h"
#include "lab/backtest_figures.h"
#include "lab/backtest_grid.h"
#include "lab/strategy_figures.h"
#include "lab/strategy_grid.h"

using namespace n3;

namespace {

// Every text of the grid, joined.
std::string AllText(const GridModel& grid) {
    std::string all;
    for (int r = 1; r <= grid.rows(); ++r)
        for (int c = 1; c <= grid.columns(); ++c) all += grid.text(c, r) + "\n";
    return all;
}

TEST(PlainWords, BothTestsNameThePrizeAsTheLotteryDoes) {
    for (const GridModel& grid : {BacktestGrid(BacktestFigures{}), StrategyGrid(StrategyTestFigures{})}) {
        const std::string all = AllText(grid);
        EXPECT_NE(all.find("当せん金"), std::string::npos);
        EXPECT_EQ(all.find("当選金"), std::string::npos) << all;
    }
}

TEST(PlainWords, WithNoStrategyNoNoteSaysPrizesAreMissing) {
    const std::string all = AllText(StrategyGrid(StrategyTestFigures{}));
    EXPECT_NE(all.find("買い方が登録されていません"), std::string::npos);
    EXPECT_EQ(all.find("登録されていないため"), std::string::npos) << all;
}

TEST(PlainWords, RulesThatBuyNumbersSayNumber) {
    // 数字 is a digit 0–9; the rules that pick three-digit numbers say 番号.
    for (StrategyRule rule :
         {StrategyRule::Fixed, StrategyRule::Last, StrategyRule::Hot, StrategyRule::Cold, StrategyRule::Overdue}) {
        const std::string caption(kStrategyRuleCaptions[std::size_t(rule)]);
        EXPECT_NE(caption.find("番号"), std::string::npos) << caption;
        EXPECT_EQ(caption.find("数字"), std::string::npos) << caption;
    }
    EXPECT_EQ(kStrategyRuleCaptions[std::size_t(StrategyRule::Sum)], "数字の合計");  // the digits' sum
}

}  // namespace
