// A grid of one row a draw that takes appended draws into the rows it has
// ends exactly where a grid built afresh on the longer history ends, for
// every window that extends its grid; any other change is left to a fresh
// build. GridModel::rebuildRowsFrom keeps the rows above and redoes the rest.
#include <gtest/gtest.h>

#include <random>

#include "core/startup_statistics.h"
#include "same_grid.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;
using n3::testing::SameGrid;

namespace {

std::vector<std::string> ExtendingWindows() {
    std::vector<std::string> names;
    for (const AnalysisWindowInfo& w : AnalysisWindowTable())
        if (w.drawRows.buildInto) names.emplace_back(w.className);
    return names;
}

HistorySnapshot SnapshotOf(DrawHistory history) {
    HistorySnapshot s;
    s.history = std::move(history);
    s.stats = LoadStartupStatistics(s.history);
    return s;
}

Draw MakeDraw(int drawNo, std::mt19937& rng) {
    std::uniform_int_distribution<int> digit(0, 9);
    Draw d;
    d.drawNo = drawNo;
    for (int place = 0; place < kNumbers3.digits; ++place) d.digits[std::size_t(place)] = digit(rng);
    return d;
}

class DrawRowsExtension : public ::testing::TestWithParam<std::string> {
protected:
    const AnalysisWindowInfo& window() const { return *FindAnalysisWindow(GetParam()); }

    // The window's content over `before` extended to `after`, against the
    // content built afresh over `after`.
    void expectExtensionIsFullBuild(const DrawHistory& before, const DrawHistory& after, const std::string& case_) {
        const HistorySnapshot old = SnapshotOf(before), now = SnapshotOf(after);
        const GridModel shown = BuildWindowContent(window(), InputOf(old)).grid();
        const std::optional<WindowContent> extended = ExtendWindowContent(window(), InputOf(now), shown, before);
        ASSERT_TRUE(extended.has_value()) << case_;
        const WindowContent full = BuildWindowContent(window(), InputOf(now));
        EXPECT_TRUE(SameGrid(extended->grid(), full.grid())) << GetParam() << ": " << case_;
        EXPECT_EQ(extended->charts().size(), full.charts().size()) << case_;
    }
};

TEST(DrawRowsAppended, SomeWindowsExtendTheirGrids) {
    // The six draw-row grids: 数字合計, the two pattern windows and the three divisions.
    EXPECT_GE(ExtendingWindows().size(), 6u);
}

TEST_P(DrawRowsExtension, OneDrawAppendedEndsAsAFullBuild) {
    const DrawHistory after = n3::testing::generatedHistory(200, 11);
    const DrawHistory before(after.begin(), after.end() - 1);
    expectExtensionIsFullBuild(before, after, "one draw after 199");
}

TEST_P(DrawRowsExtension, RandomAppendsAfterGapsAndIncompleteDrawsEndAsAFullBuild) {
    std::mt19937 rng(36);
    for (int round = 0; round < 12; ++round) {
        // Some histories have missing draw numbers and half-typed draws.
        DrawHistory before = n3::testing::generatedHistory(int(rng() % 60), unsigned(round), round % 3 == 0 ? 7 : 0);
        if (round % 4 == 1 && !before.empty()) before.erase(before.begin() + std::ptrdiff_t(rng() % before.size()));
        DrawHistory after = before;
        int next = before.empty() ? 1 : before.back().drawNo + 1;
        const int added = 1 + int(rng() % 3);
        for (int i = 0; i < added; ++i) {
            next += int(rng() % 3);  // sometimes a draw number skipped
            after.push_back(MakeDraw(next++, rng));
        }
        expectExtensionIsFullBuild(before, after, "round " + std::to_string(round));
        if (HasFailure()) return;
    }
}

TEST_P(DrawRowsExtension, TheNewestDrawNumberEndsAsAFullBuild) {
    std::mt19937 rng(5);
    DrawHistory after = n3::testing::generatedHistory(30);
    after.push_back(MakeDraw(kMaxDrawNo, rng));
    const DrawHistory before(after.begin(), after.end() - 1);
    expectExtensionIsFullBuild(before, after, "draw 32767 after 30");
}

TEST_P(DrawRowsExtension, AnyOtherChangeIsLeftToAFullBuild) {
    const DrawHistory before = n3::testing::generatedHistory(50);
    const GridModel shown = BuildWindowContent(window(), InputOf(SnapshotOf(before))).grid();
    DrawHistory edited = before;
    edited[10].digits[0] = (*edited[10].digits[0] + 1) % 10;
    edited.push_back(n3::testing::history({{51, 1, 2, 3}})[0]);
    DrawHistory removed(before.begin(), before.end() - 1);
    DrawHistory halfTyped = before;
    halfTyped.push_back(n3::testing::history({{51, 4, -1, -1}})[0]);
    for (const DrawHistory* changed : std::vector<const DrawHistory*>{&edited, &removed, &halfTyped, &before}) {
        const HistorySnapshot now = SnapshotOf(*changed);
        EXPECT_FALSE(ExtendWindowContent(window(), InputOf(now), shown, before).has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, DrawRowsExtension, ::testing::ValuesIn(ExtendingWindows()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             return "w" + std::to_string(param.index);
                         });

TEST(DrawRowsAppended, CompleteDrawsBeforeTheAppendedOnesAreCounted) {
    const DrawHistory before = n3::testing::history({{1, 1, 2, 3}, {2, 4, -1, 6}, {4, 7, 8, 9}});
    const DrawHistory after = n3::testing::history({{1, 1, 2, 3}, {2, 4, -1, 6}, {4, 7, 8, 9}, {7, 0, 0, 0}});
    EXPECT_EQ(CompleteDrawsBeforeAppended(before, after), std::optional<std::size_t>(2));
    const DrawHistory older = n3::testing::history({{1, 1, 2, 3}, {2, 4, -1, 6}, {4, 7, 8, 9}, {3, 0, 0, 0}});
    EXPECT_FALSE(CompleteDrawsBeforeAppended(before, older).has_value());
}

TEST(GridRowsRebuilt, RowsAboveAreKeptAndOnlyTheRestAreWritten) {
    GridModel grid;
    grid.setSize(3, 4);
    grid.setRowHeight(1, 20);
    grid.setText(1, 1, "head");
    grid.setTip(2, 1, "tip");
    grid.setNumber(2, 3, 42);
    grid.setBackground({1, 1, 3, 4}, colours::HeaderPink);
    grid.addSpan(1, 4, 2, 1);
    grid.rebuildRowsFrom(3, 6);
    EXPECT_EQ(grid.rows(), 6);
    EXPECT_EQ(grid.text(1, 1), "head");
    EXPECT_EQ(grid.tip(2, 1), "tip");
    EXPECT_EQ(grid.rowHeight(1), 20);
    EXPECT_EQ(grid.style(3, 2).background, colours::HeaderPink);
    EXPECT_TRUE(grid.isEmpty(2, 3));
    EXPECT_FALSE(grid.style(1, 4).background.isSet());
    EXPECT_EQ(grid.spanAt(1, 4), nullptr);
    // Writes above row 3 do nothing until every row is writable again.
    grid.setSize(3, 6);
    grid.setDefaultRowHeight(12);
    grid.setText(1, 1, "changed");
    grid.setText(1, 5, "new");
    grid.setForeground({1, 1, 3, 6}, colours::Red);
    EXPECT_EQ(grid.text(1, 1), "head");
    EXPECT_EQ(grid.rowHeight(1), 20);
    EXPECT_EQ(grid.rowHeight(5), 12);
    EXPECT_EQ(grid.text(1, 5), "new");
    EXPECT_FALSE(grid.style(1, 2).foreground.isSet());
    EXPECT_EQ(grid.style(1, 6).foreground, colours::Red);
    grid.writeAllRows();
    grid.setText(1, 1, "changed");
    EXPECT_EQ(grid.text(1, 1), "changed");
}

TEST(GridRowsRebuilt, ABuildOfAnotherSizeStartsAfresh) {
    GridModel grid;
    grid.setSize(2, 3);
    grid.setText(1, 1, "old");
    grid.rebuildRowsFrom(2, 5);
    grid.setSize(2, 7);
    EXPECT_EQ(grid.rows(), 7);
    EXPECT_TRUE(grid.isEmpty(1, 1));
    grid.setText(1, 1, "written");
    EXPECT_EQ(grid.text(1, 1), "written");
}

}  // namespace
