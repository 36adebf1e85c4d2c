// 一発ズバリン: the grids it sets up, option clicks that recompute, and
// flags that outlive the window.
#include <gtest/gtest.h>

#include "core/startup_statistics.h"
#include "prediction/prediction_window_logic.h"
#include "settings/settings.h"
#include "temp_dir.h"
#include "test_history.h"

using namespace n3;
using n3::testing::generatedHistory;

namespace {

int LatestOf(const DrawHistory& h) { return LoadStartupStatistics(h).LatestDrawNo; }

int FilledResultCells(const 一発ズバリン& w) {
    int filled = 0;
    for (int g = kEliminationGrid; g <= kOneShotGrid; ++g) {
        const GridModel& grid = w.grids()[std::size_t(g)];
        for (int row = 2; row <= grid.rows(); ++row)
            for (int col = 2; col <= grid.columns(); ++col) filled += !grid.isEmpty(col, row);
    }
    return filled;
}

void ExpectSameTexts(const GridModel& a, const GridModel& b) {
    ASSERT_EQ(a.columns(), b.columns());
    ASSERT_EQ(a.rows(), b.rows());
    for (int row = 1; row <= a.rows(); ++row)
        for (int col = 1; col <= a.columns(); ++col) EXPECT_EQ(a.text(col, row), b.text(col, row)) << col << "," << row;
}

}  // namespace

TEST(PredictionWindow, GridsAreSetUpWithLabelsHeaderAndLines) {
    Settings wSettings;
    一発ズバリン w(wSettings);
    w.BuildPrediction(generatedHistory(50), 50);
    const auto& g = w.grids();
    const int columns[] = {4, 6, 7, 8}, rows[] = {5, 4, 3, 2};
    for (int i = 0; i < kPredictionGridCount; ++i) {
        const GridModel& grid = g[std::size_t(i)];
        EXPECT_EQ(grid.columns(), columns[i]);
        EXPECT_EQ(grid.rows(), rows[i]);
        EXPECT_EQ(grid.columnWidth(1), 8);
        EXPECT_EQ(grid.columnWidth(2), 5);
        EXPECT_EQ(grid.rowHeight(rows[i]), 10);
        EXPECT_EQ(grid.text(2, 1), "             予 想 数 字                   ");
        EXPECT_EQ(grid.style(2, 1).hAlign, HAlign::Left);
        const Span* header = grid.spanAt(columns[i], 1);
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->col, 2);
        EXPECT_EQ(header->columns, columns[i] - 1);
        for (int col = 1; col <= columns[i]; ++col) {
            EXPECT_EQ(grid.style(col, 1).foreground, colours::Blue);
            EXPECT_EQ(grid.style(col, 1).background, colours::HeaderPink);
        }
        EXPECT_EQ(grid.style(columns[i], rows[i]).hAlign, HAlign::Center);
    }
    EXPECT_EQ(g[0].text(1, 2), " 7回周期法");
    EXPECT_EQ(g[0].text(1, 5), "12回周期法");
    EXPECT_EQ(g[1].text(1, 3), "消去法");
    EXPECT_EQ(g[2].text(1, 2), "連発予想");
    EXPECT_EQ(g[3].text(1, 2), "１発予想");
    EXPECT_EQ(g[1].spanAt(1, 4)->row, 2);
    EXPECT_EQ(g[2].spanAt(1, 3)->row, 2);
    // The cycle grid: lines above and below every cell, the label column
    // ruled off on its right, no other vertical line.
    EXPECT_EQ(g[0].style(3, 3).borders[Side::Top].style, LineStyle::Solid);
    EXPECT_EQ(g[0].style(3, 3).borders[Side::Bottom].style, LineStyle::Solid);
    EXPECT_EQ(g[0].style(3, 3).borders[Side::Right].style, LineStyle::None);
    EXPECT_EQ(g[0].style(1, 3).borders[Side::Right].style, LineStyle::Solid);
    EXPECT_EQ(g[3].style(5, 2).borders[Side::Left].style, LineStyle::Solid);
}

TEST(PredictionWindow, OptionClickSetsItsFlagAndRecomputesWithNothingLeftOver) {
    const DrawHistory h = generatedHistory(120, 5, 9);
    Settings wSettings;
    一発ズバリン w(wSettings);
    w.BuildPrediction(h, LatestOf(h));
    bool someCellsEmptied = false;
    for (int i = 0; i < kOptionFlagCount; ++i) {
        const int before = FilledResultCells(w);
        w.OptionClicked(i, true);
        EXPECT_TRUE(w.optionFlag(i));
        someCellsEmptied |= FilledResultCells(w) < before;
        // What a fresh window with these flags would show, and nothing else.
        Settings freshSettings;
        一発ズバリン fresh(freshSettings);
        for (int k = 0; k <= i; ++k) fresh.OptionClicked(k, true);
        fresh.BuildPrediction(h, LatestOf(h));
        for (int g = 0; g < kPredictionGridCount; ++g)
            ExpectSameTexts(w.grids()[std::size_t(g)], fresh.grids()[std::size_t(g)]);
        EXPECT_EQ(w.engine().results().optionCount, i + 1);
    }
    EXPECT_TRUE(someCellsEmptied);
    w.OptionClicked(4, false);
    EXPECT_FALSE(w.optionFlag(4));
    EXPECT_EQ(w.engine().results().optionCount, 9);
}

TEST(PredictionWindow, LastDigitPairsChangeNoFlag) {
    const DrawHistory h = generatedHistory(80, 2);
    Settings wSettings;
    一発ズバリン w(wSettings);
    w.OptionClicked(2, true);
    w.BuildPrediction(h, LatestOf(h));
    const auto before = w.engine().results();
    w.OptionClicked(10, true);
    w.OptionClicked(11, false);
    OptionFlags expected{};
    expected[2] = true;
    EXPECT_EQ(w.optionFlags(), expected);
    EXPECT_EQ(w.engine().results().elimination, before.elimination);
    EXPECT_EQ(w.engine().results().repeat, before.repeat);
}

TEST(PredictionWindow, FlagsOutliveClosingAndReachTheFileWhenClicked) {
    n3::testing::TempDir dir;
    const std::string path = dir.write("ナンバーズ3ズバリン.ini", "頻度分析Opt=True\r\nLastImportFolder=/tmp\r\n");
    Settings settings(path);
    ASSERT_TRUE(settings.Read().ok());
    一発ズバリン w(settings);
    const DrawHistory h = generatedHistory(40);
    w.BuildPrediction(h, LatestOf(h));
    w.OptionClicked(0, false);
    w.OptionClicked(3, true);
    w.BuildPrediction(h, LatestOf(h));  // opened again in the same run
    EXPECT_FALSE(w.optionFlag(0));
    EXPECT_TRUE(w.optionFlag(3));
    EXPECT_EQ(w.engine().results().optionCount, 1);

    EXPECT_TRUE(w.lastWriteError().empty());
    Settings next(path);  // the file holds each click, and keeps the other lines
    ASSERT_TRUE(next.Read().ok());
    EXPECT_EQ(next.optionFlags(), w.optionFlags());
    EXPECT_EQ(next.value(settings_keys::kLastImportFolder), "/tmp");
}

TEST(PredictionWindow, EmptyHistoryShowsOnlyTheOffsetsOfTheElimination) {
    Settings wSettings;
    一発ズバリン w(wSettings);
    w.BuildPrediction({}, 0);
    EXPECT_EQ(w.engine().results().elimination[0], "1");
    EXPECT_TRUE(w.engine().results().repeat.empty());
    EXPECT_TRUE(w.grids()[kCycleGrid].isEmpty(2, 2));
}
