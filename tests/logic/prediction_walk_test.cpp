// The walk one draw at a time: after every draw its prediction equals what
// a fresh start shows on the history up to that draw, for every option count.
#include <gtest/gtest.h>

#include "core/startup_statistics.h"
#include "prediction/prediction_walk.h"
#include "prediction_histories.h"
#include "reference_prediction_engine.h"

using namespace n3;
using n3::testing::holeyHistory;
using n3::testing::prefixBefore;
using n3::testing::ReferencePredictionEngine;

namespace {

std::vector<std::string> Texts(const DigitList& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.size; ++i) out.push_back(std::to_string(list.digits[std::size_t(i)]));
    return out;
}

// What a fresh start of the prediction window shows on `prefix` with m options on.
struct FreshStart {
    ReferencePredictionEngine engine;
    PredictionGrids grids;
    FreshStart(const DrawHistory& prefix, int m) {
        for (int i = 0; i < kPredictionGridCount; ++i) SetUpPredictionGrid(grids[std::size_t(i)], i);
        OptionFlags flags{};
        for (int i = 0; i < m; ++i) flags[std::size_t(i)] = true;
        engine.ScanDrawHistory(prefix, grids, flags, LoadStartupStatistics(prefix).LatestDrawNo);
    }
};

void ExpectSame(const DigitPrediction& walked, const ReferencePredictionEngine& fresh, const std::string& where) {
    for (int c = 0; c < kCycleCount; ++c)
        for (int p = 0; p < 3; ++p) {
            const int d = walked.cycles[std::size_t(c)][std::size_t(p)];
            EXPECT_EQ(d == kNoDigit ? "" : std::to_string(d), fresh.cycleTable()[std::size_t(c)][std::size_t(p)])
                << where;
        }
    for (int i = 0; i < kEliminationRows; ++i)
        EXPECT_EQ(std::to_string(walked.elimination[std::size_t(i)]), fresh.results().elimination[std::size_t(i)])
            << where << " row " << i;
    EXPECT_EQ(Texts(walked.repeat), fresh.results().repeat) << where;
    EXPECT_EQ(Texts(walked.oneShot), fresh.results().oneShot) << where;
    EXPECT_EQ(walked.optionCount, fresh.results().optionCount) << where;
}

}  // namespace

TEST(PredictionWalk, AfterEveryDrawEqualsAFreshStartOnTheHistoryBeforeIt) {
    int targets = 0, withOneShot = 0;
    for (unsigned seed : {1u, 2u, 3u, 6u, 9u}) {
        const DrawHistory h = holeyHistory(seed == 1 ? 320 : 140, seed, seed == 9 ? 32660 : 1);
        PredictionWalk walk;
        for (const Draw& draw : h) {
            if (draw.complete()) {
                const DrawHistory prefix = prefixBefore(h, draw.drawNo);
                for (int m = 0; m <= kOptionFlagCount; ++m) {
                    const FreshStart fresh(prefix, m);
                    const DigitPrediction walked = walk.Predict(m);
                    ExpectSame(walked, fresh.engine,
                               "seed " + std::to_string(seed) + " target " + std::to_string(draw.drawNo) + " m " +
                                   std::to_string(m));
                    withOneShot += walked.oneShot.size > 0;
                }
                ++targets;
            }
            walk.Advance(draw);
        }
    }
    EXPECT_GT(targets, 700);
    EXPECT_GT(withOneShot, 2000);
}

TEST(PredictionWalk, LatestDrawIsTheLastCompleteOneTaken) {
    PredictionWalk walk;
    EXPECT_EQ(walk.latestDrawNo(), 0);
    Draw d;
    d.drawNo = 4;
    d.digits = {1, 2, 3};
    walk.Advance(d);
    d.drawNo = 6;
    d.digits[2].reset();
    walk.Advance(d);
    EXPECT_EQ(walk.latestDrawNo(), 4);
    EXPECT_EQ(walk.DigitAt(4, 3), 3);
    EXPECT_EQ(walk.DigitAt(6, 1), 0);
}
