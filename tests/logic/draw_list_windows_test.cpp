#include <gtest/gtest.h>

#include "draw_list_checks.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;
using namespace n3::testing;

// The six windows that list one complete draw per row, reached through the
// window table as the frame and the command-line tool reach them.
TEST(DrawListWindows, EachListsTheCompleteDrawsFromRowTwo) {
    const DrawHistory h = history({{2, 1, 2, 3}, {3, 4, -1, 6}, {5, 7, 8, 9}});
    const auto stats = LoadStartupStatistics(h);
    for (const char* name : {"引っ張り分析", "連番飛び石分析", "数字合計分析", "低数字高数字の組合せパターン分析",
                             "偶数奇数の組合せパターン分析", "分割5傾向分析"}) {
        SCOPED_TRACE(name);
        const auto* window = FindAnalysisWindow(name);
        ASSERT_NE(window, nullptr);
        ASSERT_NE(window->build, nullptr);
        const GridModel g = BuildAnalysisGrid(*window, h, stats);
        EXPECT_EQ(g.frozenRows, 1);
        EXPECT_EQ(g.scrollBars, ScrollBars::Vertical);
        EXPECT_EQ(g.activeCol, 1);
        EXPECT_EQ(g.activeRow, 1);
        EXPECT_EQ(g.text(1, 1), "回数");
        const char* rows[2][4] = {{"2", "1", "2", "3"}, {"5", "7", "8", "9"}};
        for (int r = 0; r < 2; ++r)
            for (int c = 1; c <= 4; ++c) EXPECT_EQ(g.text(c, r + 2), rows[r][c - 1]);
        // 回数 reaches 5 with two draws: the rows 4..6 stay free.
        for (int r = 4; r <= 6; ++r) EXPECT_TRUE(g.isEmpty(1, r));
        EXPECT_EQ(g.rows(), std::string_view(name) == "分割5傾向分析" ? 7 : 6);
    }
}
