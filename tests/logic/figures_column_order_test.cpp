// 予想の検証 and 買い方の検証 read alike: the verdict and the money stand
// in the same columns right after the name, and the figures they share
// follow in the same order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lab/backtest_grid.h"
#include "lab/strategy_grid.h"

using namespace n3;

namespace {

std::vector<std::string> Headings(const GridModel& grid) {
    std::vector<std::string> out;
    for (int c = 1; c <= grid.columns(); ++c) out.push_back(grid.text(c, 2));
    return out;
}

}  // namespace

TEST(FiguresColumnOrder, VerdictAndMoneyFirstAndTheSameOrderInBoth) {
    BacktestFigures backtest;
    backtest.moneyKnown = true;
    StrategyTestFigures strategies;
    strategies.moneyKnown = true;
    const std::vector<std::string> a = Headings(BacktestGrid(backtest));
    const std::vector<std::string> b = Headings(StrategyGrid(strategies));
    ASSERT_GE(a.size(), 5u);
    ASSERT_GE(b.size(), 5u);
    const std::vector<std::string> first = {"判定", "回収率", "購入額", "当せん金"};
    EXPECT_EQ(std::vector<std::string>(a.begin() + 1, a.begin() + 5), first);
    EXPECT_EQ(std::vector<std::string>(b.begin() + 1, b.begin() + 5), first);
    EXPECT_EQ(kFiguresVerdictColumn, 2);
    EXPECT_EQ(kFiguresReturnColumn, 3);

    // Every heading both grids have comes in the same order in each.
    std::vector<std::string> sharedA, sharedB;
    for (const std::string& h : a)
        if (std::find(b.begin(), b.end(), h) != b.end()) sharedA.push_back(h);
    for (const std::string& h : b)
        if (std::find(a.begin(), a.end(), h) != a.end()) sharedB.push_back(h);
    EXPECT_EQ(sharedA, sharedB);
    EXPECT_GE(sharedA.size(), 12u);
}
