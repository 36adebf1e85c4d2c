// The window, its print and the command line read one list of views: the
// same grids in the same order under the same captions, for a window whose
// views show charts under their grids (配当分析) and for one whose grids
// stand in tabs of their own (曜日・月別分析).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/show_command.h"
#include "fake_host.h"
#include "make_result.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/print/print_window_document.h"
#include "same_grid.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;
using n3::testing::SameGrid;

namespace {

// 300 draws over three years, dated and with a straight prize each.
n3::testing::FakeHost DatedHost() {
    const DrawHistory draws = n3::testing::generatedHistory(300, 11);
    ResultHistory results;
    for (const Draw& d : draws) {
        const int i = d.drawNo - 1;
        char date[32];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", 2020 + i / 100, 1 + i % 100 / 9, 1 + i % 9 * 3);
        DrawResult r = n3::testing::Dated(d.drawNo, date);
        r.prize(PrizeKind::Straight).yen = 80000 + 100 * (d.digits[2].value_or(0) * 7 % 10);
        results.push_back(r);
    }
    return n3::testing::FakeHost(draws, results);
}

std::vector<const GridModel*> GridsOf(const WindowContent& content) {
    std::vector<const GridModel*> grids;
    for (const ContentView& view : content.views)
        if (view.grid) grids.push_back(&*view.grid);
    return grids;
}

std::vector<const GridModel*> GridsOf(const PrintDocument& doc) {
    std::vector<const GridModel*> grids;
    for (const PrintItem& item : doc.items)
        if (item.kind == PrintItem::Kind::Grid) grids.push_back(&item.grid);
    return grids;
}

std::vector<std::string> TextsOf(const PrintDocument& doc) {
    std::vector<std::string> texts;
    for (const PrintItem& item : doc.items)
        if (item.kind == PrintItem::Kind::Text) texts.push_back(item.text);
    return texts;
}

class ContentViews : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(ContentViews, WindowPrintAndCommandLineReadTheSameViews) {
    n3::testing::FakeHost host = DatedHost();
    const AnalysisWindowInfo& info = *FindAnalysisWindow(GetParam());
    AnalysisWindow window(host, info);
    window.load();
    const WindowContent built = BuildWindowContent(info, InputOf(host.snapshot()));
    ASSERT_GT(built.views.size(), 1u);

    // The window shows each view in a tab under the view's caption.
    const WindowContent shown = window.shownContent();
    ASSERT_EQ(shown.views.size(), built.views.size());
    EXPECT_EQ(shown.chartsUnderGrids, built.chartsUnderGrids);
    EXPECT_EQ(shown.headline, built.headline);
    for (std::size_t i = 0; i < built.views.size(); ++i) {
        const ContentView& a = shown.views[i];
        const ContentView& b = built.views[i];
        EXPECT_EQ(a.caption, b.caption) << i;
        ASSERT_EQ(a.grid.has_value(), b.grid.has_value()) << i;
        if (b.grid) {
            EXPECT_TRUE(SameGrid(*a.grid, *b.grid)) << i;
        }
        EXPECT_EQ(a.charts.size(), b.charts.size()) << i;
        EXPECT_EQ(a.tables.size(), b.tables.size()) << i;
    }

    // The window's print and the command line's print: every grid, in order.
    const std::vector<const GridModel*> grids = GridsOf(built);
    PrintRequest request;
    request.window = std::string(info.className);
    std::string warning;
    const std::optional<PrintDocument> printed = BuildWindowDocument(request, host.snapshot(), warning);
    ASSERT_TRUE(printed);
    const std::optional<PrintDocument> fromWindow = window.printDocument();
    ASSERT_TRUE(fromWindow);
    for (const PrintDocument* doc : {&*printed, &*fromWindow}) {
        const std::vector<const GridModel*> docGrids = GridsOf(*doc);
        ASSERT_EQ(docGrids.size(), grids.size());
        for (std::size_t i = 0; i < grids.size(); ++i) EXPECT_TRUE(SameGrid(*docGrids[i], *grids[i])) << i;
    }
    EXPECT_EQ(TextsOf(*fromWindow), TextsOf(*printed));

    // The command line: the same grids, and the tabs' captions where the
    // grids stand in tabs of their own.
    ShowOptions options;
    options.window = std::string(info.className);
    const std::optional<PrintedWindow> cli = BuildPrintedWindow(options, host.snapshot());
    ASSERT_TRUE(cli);
    ASSERT_EQ(cli->grids.size(), grids.size());
    for (std::size_t i = 0; i < grids.size(); ++i) EXPECT_TRUE(SameGrid(cli->grids[i], *grids[i])) << i;
    EXPECT_EQ(cli->gridTabs, GridTabCaptions(built));
    const std::vector<std::string> texts = TextsOf(*printed);
    for (const std::string& caption : cli->gridTabs)
        EXPECT_NE(std::find(texts.begin(), texts.end(), "［" + caption + "］"), texts.end()) << caption;
    if (built.chartsUnderGrids) {
        for (std::size_t i = 1; i < built.views.size(); ++i)
            EXPECT_NE(std::find(texts.begin(), texts.end(), built.views[i].caption), texts.end()) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(TabsAndMoreGrids, ContentViews, ::testing::Values("配当分析", "曜日月別分析"));

// A window printed for ナンバーズ4 says so in its caption, and the charts of
// a range of its draws count that game's sums (0–36).
TEST(PrintForTheGame, CaptionAndRangeChartsFollowTheSnapshotsGame) {
    HistorySnapshot four;
    four.game = &kNumbers4;
    four.history = n3::testing::generatedHistory(40, 7, 0, kNumbers4);
    four.stats = LoadStartupStatistics(four.history, kNumbers4);
    PrintRequest request;
    request.window = "数字合計分析";
    std::string warning;
    const std::optional<PrintDocument> printed = BuildWindowDocument(request, four, warning);
    ASSERT_TRUE(printed.has_value());
    EXPECT_EQ(printed->caption, "数字合計分析（ナンバーズ4）");
    ASSERT_TRUE(printed->chartsForDraws);
    const std::vector<ChartData> charts = printed->chartsForDraws(11, 30);
    ASSERT_FALSE(charts.empty());
    double counted = 0;
    for (const ChartPoint& p : charts.front().series.front().points) counted += p.y;
    EXPECT_EQ(counted, 20);
    EXPECT_EQ(charts.front().series.front().points.size(), std::size_t(4 * 9 + 1));
}
