#include <gtest/gtest.h>

#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;

// Each of these windows is built through its row of the window table, which
// adds its scroll bars and frozen rows.
TEST(AnalysisWindowHooks, CountAndIntervalWindowsAreBuiltThroughTheTable) {
    const struct {
        const char* name;
        ScrollBars bars;
        int frozen;
        int rows;
    } windows[] = {
        {"回数別出現分析", ScrollBars::Horizontal, 0, 3}, {"出現回数分析", ScrollBars::Vertical, 2, 4},
        {"出現間隔分析", ScrollBars::Vertical, 2, 6},     {"数字間隔分析", ScrollBars::Vertical, 2, 6},
        {"バラツキ分析", ScrollBars::Vertical, 2, 5},
    };
    const auto h = n3::testing::history({{1, 1, 2, 3}, {2, 4, 5, 6}});
    for (const auto& w : windows) {
        const auto* window = FindAnalysisWindow(w.name);
        ASSERT_TRUE(window && window->build) << w.name;
        const GridModel g = BuildAnalysisGrid(*window, h, LoadStartupStatistics(h));
        EXPECT_EQ(g.rows(), w.rows) << w.name;
        EXPECT_EQ(g.scrollBars, w.bars) << w.name;
        EXPECT_EQ(g.frozenRows, w.frozen) << w.name;
        EXPECT_EQ(g.activeRow, 1) << w.name;
    }
}
