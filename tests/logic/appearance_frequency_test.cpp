#include <gtest/gtest.h>

#include "analysis/appearance_frequency.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;
using n3::testing::generatedHistory;
using n3::testing::history;

namespace {
GridModel Chart(const DrawHistory& h) { return 出現頻度分析::Build(h, LoadStartupStatistics(h)); }
}  // namespace

TEST(AppearanceFrequency, EmptyHistoryHasOnlyTheTwoHeaderRows) {
    const GridModel g = Chart({});
    ASSERT_EQ(g.rows(), 2);
    ASSERT_EQ(g.columns(), 11);
    EXPECT_EQ(g.text(5, 1), "　　当 選 数 字");
    EXPECT_EQ(g.style(5, 1).hAlign, HAlign::Left);
    EXPECT_EQ(g.style(5, 1).foreground, colours::Red);
    EXPECT_EQ(g.text(1, 2), "出現数");
    for (int d = 0; d <= 9; ++d) EXPECT_EQ(g.text(d + 2, 2), std::to_string(d));
    EXPECT_TRUE(g.textOverflow);
}

TEST(AppearanceFrequency, EachOccurrenceAddsOneMarkBelowThePrevious) {
    // 5-5-5 adds three marks to digit 5; the incomplete row adds none.
    const GridModel g = Chart(history({{1, 5, 5, 5}, {2, 0, -1, 5}, {3, 0, 1, 0}}));
    ASSERT_EQ(g.rows(), 2 + 3);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(g.text(5 + 2, k + 2), "●") << k;
    EXPECT_EQ(g.text(0 + 2, 3), "●");
    EXPECT_EQ(g.text(0 + 2, 4), "●");
    EXPECT_TRUE(g.isEmpty(0 + 2, 5));
    EXPECT_EQ(g.text(1 + 2, 3), "●");
    EXPECT_TRUE(g.isEmpty(1 + 2, 4));
    EXPECT_EQ(g.text(1, 5), "3");
    EXPECT_EQ(g.style(7, 3).foreground, colours::MarkBlue);
    EXPECT_EQ(g.style(1, 4).background, colours::LabelCyan);
    EXPECT_EQ(g.style(1, 4).foreground, colours::Blue);
}

TEST(AppearanceFrequency, ColumnsMatchTheCountsOnGeneratedHistories) {
    const DrawHistory h = generatedHistory(500, 11, 17);
    const auto stats = LoadStartupStatistics(h);
    const GridModel g = 出現頻度分析::Build(h, stats);
    ASSERT_EQ(g.rows(), stats.MaxDigitCount + 2);
    for (int d = 0; d <= 9; ++d) {
        const int count = stats.DigitCount[std::size_t(d)];
        EXPECT_EQ(g.text(d + 2, count + 2), "●") << d;
        EXPECT_TRUE(g.isEmpty(d + 2, count + 3)) << d;
    }
}

TEST(AppearanceFrequency, BordersAndSizes) {
    const GridModel g = Chart(history({{1, 1, 2, 3}}));
    EXPECT_EQ(g.rowHeight(1), 15);
    EXPECT_EQ(g.rowHeight(2), 15);
    EXPECT_EQ(g.rowHeight(3), 10);
    EXPECT_EQ(g.columnWidth(1), 5);
    EXPECT_EQ(g.columnWidth(2), 3);
    EXPECT_EQ(g.style(11, 1).borders[Right].colour, colours::LineBlue);
    EXPECT_EQ(g.style(6, 1).borders[Bottom].style, LineStyle::Solid);
    EXPECT_EQ(g.style(6, 1).borders[Left].style, LineStyle::None);
    EXPECT_EQ(g.style(6, 3).borders[Left].style, LineStyle::Solid);

    const auto* info = FindAnalysisWindow("出現頻度分析");
    ASSERT_NE(info, nullptr);
    const GridModel framed =
        BuildAnalysisGrid(*info, history({{1, 1, 2, 3}}), LoadStartupStatistics(history({{1, 1, 2, 3}})));
    EXPECT_EQ(framed.frozenRows, 2);
    EXPECT_EQ(framed.scrollBars, ScrollBars::Both);
}
