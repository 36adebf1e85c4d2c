// The windows that list draws digit by digit, built for each game from a
// history of that game with holes and incomplete draws: a block with a
// column per digit has one per digit of the game, and every value is
// worked out here again from the draws themselves.
#include <gtest/gtest.h>

#include <string>

#include "analysis/appearance_by_count.h"
#include "analysis/appearance_count.h"
#include "analysis/appearance_frequency.h"
#include "analysis/appearance_interval.h"
#include "analysis/consecutive_stepping.h"
#include "analysis/digit_interval.h"
#include "analysis/dispersion.h"
#include "analysis/pull.h"
#include "draw_list_checks.h"
#include "test_history.h"
#include "windows/window_table.h"

namespace n3 {
namespace {

using namespace n3::testing;

class GameDrawWindows : public ::testing::TestWithParam<const Game*> {
protected:
    const Game& game() const { return *GetParam(); }
    // 300 draws of the game, every 7th with an empty second digit, every 11th missing.
    DrawHistory h = withoutEvery(generatedHistory(300, 5, 7, *GetParam()), 11);
    StartupStatistics stats = LoadStartupStatistics(h, *GetParam());
    std::vector<Draw> draws = completeDraws(h, *GetParam());
    std::string lastLabel() const { return "第" + std::to_string(game().digits) + "数字"; }
    bool holds(const Draw& d, int digit) const {
        for (int i = 0; i < game().digits; ++i)
            if (d.digit(i) == digit) return true;
        return false;
    }
};

TEST_P(GameDrawWindows, IntervalWindowsPairEachDigitWithItsResult) {
    const int columns = 1 + 2 * game().digits;
    const GridModel gaps = 出現間隔分析::Build(h, stats, game());
    const GridModel differences = 数字間隔分析::Build(h, stats, game());
    for (const GridModel* g : {&gaps, &differences}) {
        ASSERT_EQ(g->columns(), columns);
        EXPECT_EQ(g->text(columns - 1, 2), lastLabel());
        EXPECT_EQ(g->text(columns - 1, g->rows() - 1), lastLabel());
    }
    EXPECT_TRUE(outlined(gaps, 1, 2, columns));
    EXPECT_TRUE(noLinesInside(differences, 1, 2, columns));
    // Every record takes a row (from row 3); a complete draw fills it.
    const Draw* previous = nullptr;
    for (std::size_t r = 0; r < h.size(); ++r) {
        const Draw& d = h[r];
        const int row = int(r) + 3;
        if (!d.complete(game())) {
            EXPECT_TRUE(gaps.isEmpty(2, row));
            continue;
        }
        for (int i = 0; i < game().digits; ++i) {
            int last = 0;
            for (std::size_t k = 0; k < r; ++k)
                if (h[k].complete(game()) && holds(h[k], d.digit(i))) last = h[k].drawNo;
            EXPECT_EQ(gaps.text(2 * i + 2, row), str(d.digit(i)));
            EXPECT_EQ(gaps.text(2 * i + 3, row), last ? str(d.drawNo - last) + "回前" : "初回") << d.drawNo;
            if (!previous) continue;
            const int diff = d.digit(i) - previous->digit(i);
            EXPECT_EQ(differences.text(2 * i + 3, row), diff > 0 ? "+" + str(diff) : str(diff));
        }
        previous = &d;
    }
}

TEST_P(GameDrawWindows, RunningCountsFollowTheDigitsBlock) {
    const GridModel g = 出現回数分析::Build(h, stats, game());
    const int n = game().digits;
    ASSERT_EQ(g.columns(), 1 + 2 * n);
    EXPECT_EQ(g.text(1 + n, 2), lastLabel());
    EXPECT_EQ(g.text(1 + 2 * n, 2), lastLabel());
    EXPECT_EQ(g.text(3 + n, 1), "　　出現回数合計(回)");
    EXPECT_TRUE(hasLine(g, 1 + n, 1, Right));
    EXPECT_FALSE(hasLine(g, n, 1, Right));
    int running[10] = {};
    for (std::size_t k = 0; k < draws.size(); ++k) {
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(g.text(2 + i, int(k) + 3), str(draws[k].digit(i)));
            EXPECT_EQ(g.text(2 + n + i, int(k) + 3), str(running[draws[k].digit(i)]));
        }
        for (int i = 0; i < n; ++i) ++running[draws[k].digit(i)];
    }
}

TEST_P(GameDrawWindows, DotMapsMarkEachDigitTheDrawHolds) {
    const GridModel spread = バラツキ分析::Build(h, stats, game());
    const GridModel frequency = 出現頻度分析::Build(h, stats, game());
    ASSERT_EQ(spread.columns(), 12);
    ASSERT_EQ(frequency.columns(), 11);
    for (std::size_t k = 0; k < draws.size(); ++k)
        for (int d = 0; d <= 9; ++d) EXPECT_EQ(spread.text(d + 2, int(k) + 3) == "●", holds(draws[k], d));
    for (int d = 0; d <= 9; ++d) {
        int dots = 0;
        for (int row = 3; row <= frequency.rows(); ++row) dots += frequency.text(d + 2, row) == "●";
        EXPECT_EQ(dots, stats.DigitCount[std::size_t(d)]);
    }
    EXPECT_EQ(回数別出現分析::Build(h, stats, game()).rows(), stats.CountGroupRows);
}

TEST_P(GameDrawWindows, PulledAndPairedDigitsOverEveryPosition) {
    const int n = game().digits;
    const GridModel pull = 引っ張り分析::Build(h, stats, game());
    const GridModel pairs = 連番飛び石分析::Build(h, stats, game());
    ASSERT_EQ(pull.columns(), 1 + n);
    ASSERT_EQ(pairs.columns(), 2 * (1 + n));
    EXPECT_TRUE(noLinesInside(pull, 1, 2, 1 + n));
    EXPECT_TRUE(outlined(pairs, 1, 2, 1 + n));
    EXPECT_TRUE(outlined(pairs, 1, 3 + n, 2 + 2 * n));
    EXPECT_EQ(pairs.text(2 + n, 1), "回数");
    for (std::size_t k = 0; k < draws.size(); ++k) {
        const Draw& d = draws[k];
        const int row = int(k) + 2;
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(shownBackground(pull, i + 2, row) == Colour(200, 255, 255),
                      k > 0 && holds(draws[k - 1], d.digit(i)));
        for (const int distance : {1, 2}) {
            const int noColumn = distance == 1 ? 1 : 2 + n;
            bool any = false;
            for (int i = 0; i + 1 < n; ++i) any = any || std::abs(d.digit(i) - d.digit(i + 1)) == distance;
            EXPECT_EQ(pairs.text(noColumn + n, row), str(d.digit(n - 1)));
            EXPECT_EQ(shownBackground(pairs, noColumn, row) == Colour(225, 225, 225), !any) << d.drawNo;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothGames, GameDrawWindows, ::testing::Values(&kNumbers3, &kNumbers4),
                         [](const auto& p) { return "Numbers" + std::to_string(p.param->digits); });

// Every window of this family opens for ナンバーズ4 on an empty history and
// on the longest one, with a column block per digit.
TEST(FourDigitDrawWindows, EmptyAndLongestHistoriesKeepTheirShape) {
    const DrawHistory longest = generatedHistory(kMaxDrawNo, 3, 0, kNumbers4);
    struct Shape {
        std::string_view window;
        int columns, extraRows;
    };
    const Shape shapes[] = {{"出現間隔分析", 9, 4},  {"数字間隔分析", 9, 4}, {"出現回数分析", 9, 2},
                            {"バラツキ分析", 12, 3}, {"引っ張り分析", 5, 1}, {"連番飛び石分析", 10, 1}};
    for (const DrawHistory* history : {&longest, static_cast<const DrawHistory*>(nullptr)}) {
        const DrawHistory none;
        const DrawHistory& hist = history ? *history : none;
        const StartupStatistics stats = LoadStartupStatistics(hist, kNumbers4);
        for (const Shape& s : shapes) {
            const GridModel g = BuildAnalysisGrid(*FindAnalysisWindow(s.window), hist, stats, kNumbers4);
            EXPECT_EQ(g.columns(), s.columns) << s.window;
            EXPECT_EQ(g.rows(), stats.LatestDrawNo + s.extraRows) << s.window;
        }
        const GridModel frequency = BuildAnalysisGrid(*FindAnalysisWindow("出現頻度分析"), hist, stats, kNumbers4);
        EXPECT_EQ(frequency.rows(), 2 + stats.MaxDigitCount);
    }
}

}  // namespace
}  // namespace n3
