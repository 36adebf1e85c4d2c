// The grids of one row a draw for ナンバーズ4, built through the window
// table: an empty history gives the header rows alone, and a history of
// every draw number up to 32,767 gives one row a draw, each window widened
// by the fourth digit.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "test_history.h"
#include "windows/window_table.h"

namespace n3 {
namespace {

struct GridShape {
    std::string_view window;
    int columns;       // for four digits
    int firstDrawRow;  // the row of draw 1 in a history without gaps
    int rowsBesideDraws;
};
void PrintTo(const GridShape& shape, std::ostream* out) { *out << shape.window; }

class FourDigitDrawGrid : public ::testing::TestWithParam<GridShape> {
protected:
    GridModel Build(const DrawHistory& history) const {
        const AnalysisWindowInfo* info = FindAnalysisWindow(GetParam().window);
        EXPECT_NE(info, nullptr);
        return info ? BuildAnalysisGrid(*info, history, LoadStartupStatistics(history, kNumbers4), kNumbers4)
                    : GridModel();
    }
};

TEST_P(FourDigitDrawGrid, EmptyHistoryShowsOnlyTheHeaderRows) {
    const GridModel grid = Build({});
    EXPECT_EQ(grid.columns(), GetParam().columns);
    EXPECT_EQ(grid.rows(), GetParam().rowsBesideDraws);
    EXPECT_FALSE(grid.isEmpty(1, 1) && grid.isEmpty(2, 1));
}

TEST_P(FourDigitDrawGrid, EveryDrawNumberHasItsRow) {
    static const DrawHistory history = testing::generatedHistory(kMaxDrawNo, 11, 0, kNumbers4);
    const GridModel grid = Build(history);
    ASSERT_EQ(grid.columns(), GetParam().columns);
    ASSERT_EQ(grid.rows(), kMaxDrawNo + GetParam().rowsBesideDraws);
    const int first = GetParam().firstDrawRow;
    EXPECT_EQ(grid.text(1, first), "1");
    EXPECT_EQ(grid.text(1, first + kMaxDrawNo - 1), std::to_string(kMaxDrawNo));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FourDigitDrawGrid,
    ::testing::Values(GridShape{"低数字高数字の組合せパターン分析", 8, 2, 1},
                      GridShape{"偶数奇数の組合せパターン分析", 8, 2, 1}, GridShape{"分割5傾向分析", 10, 2, 2},
                      GridShape{"分割3データ分析", 42, 4, 3}, GridShape{"分割5データ分析", 42, 4, 3},
                      GridShape{"分割10データ分析", 42, 4, 3}, GridShape{"下一桁出現傾向分析", 11, 3, 4},
                      GridShape{"下一桁連続出現回数分析", 11, 3, 4}, GridShape{"数字合計分析", 6, 2, 1}),
    [](const ::testing::TestParamInfo<GridShape>& shape) { return "Window" + std::to_string(shape.index); });

}  // namespace
}  // namespace n3
