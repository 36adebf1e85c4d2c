// The prediction over each game: a cycle digit for every position of the
// game's numbers, found the way the methods describe it and worked out here
// again by walking back through the draws.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/startup_statistics.h"
#include "prediction/prediction_engine.h"
#include "test_history.h"

namespace n3 {
namespace {

class PredictionGames : public ::testing::TestWithParam<const Game*> {
protected:
    const Game& game() const { return *GetParam(); }
    // Opens the prediction on `h` with no options on.
    std::unique_ptr<PredictionEngine> Scan(const DrawHistory& h) {
        auto engine = std::make_unique<PredictionEngine>(game());
        for (int i = 0; i < kPredictionGridCount; ++i) SetUpPredictionGrid(grids[std::size_t(i)], i, game());
        engine->ScanDrawHistory(h, grids, OptionFlags{}, LoadStartupStatistics(h, game()).LatestDrawNo);
        return engine;
    }
    PredictionGrids grids;
};

TEST_P(PredictionGames, CycleDigitsForEveryPositionOfTheGame) {
    const DrawHistory h = testing::generatedHistory(500, 9, 13, game());
    const auto engine = Scan(h);
    const GridModel& cycleGrid = grids[kCycleGrid];
    ASSERT_EQ(cycleGrid.columns(), 1 + game().digits);
    for (int c = 0; c < kCycleCount; ++c) {
        ASSERT_EQ(engine->cycleTable()[std::size_t(c)].size(), std::size_t(game().digits));
        for (int p = 0; p < game().digits; ++p) {
            // The digit at p of the latest draw whose digit there last came
            // the cycle's length of draws before, at any position.
            std::string expected;
            for (std::size_t r = 0; r < h.size(); ++r) {
                if (!h[r].complete(game())) continue;
                const int digit = h[r].digit(p);
                int last = 0;
                for (std::size_t k = 0; k < r; ++k)
                    if (h[k].complete(game()))
                        for (int q = 0; q < game().digits; ++q)
                            if (h[k].digit(q) == digit) last = h[k].drawNo;
                if (last > 0 && h[r].drawNo - last == kCycleLengths[std::size_t(c)]) expected = std::to_string(digit);
            }
            EXPECT_EQ(engine->cycleTable()[std::size_t(c)][std::size_t(p)], expected) << c << "," << p;
            EXPECT_EQ(cycleGrid.text(p + 2, c + 2), expected);
        }
    }
    EXPECT_EQ(engine->DigitAt(1, game().digits), h[0].digit(game().digits - 1));
}

TEST_P(PredictionGames, EmptyAndLongestHistoriesGiveEveryGridItsShape) {
    for (const int n : {0, kMaxDrawNo}) {
        const auto engine = Scan(testing::generatedHistory(n, 4, 0, game()));
        EXPECT_EQ(grids[kCycleGrid].columns(), 1 + game().digits);
        EXPECT_EQ(grids[kOneShotGrid].columns(), PredictionGridColumns(kOneShotGrid));
        EXPECT_LE(engine->results().oneShot.size(), std::size_t(kOneShotLimit));
        EXPECT_EQ(engine->results().elimination.size(), std::size_t(kEliminationRows));
    }
}

INSTANTIATE_TEST_SUITE_P(BothGames, PredictionGames, ::testing::Values(&kNumbers3, &kNumbers4),
                         [](const auto& p) { return "Numbers" + std::to_string(p.param->digits); });

}  // namespace
}  // namespace n3
