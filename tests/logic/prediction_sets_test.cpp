// The digit sets a walk over every draw reads (PredictSets) are the sets
// of the full prediction after every draw, for every option count, on
// histories with gaps, half-typed draws and long runs.
#include <gtest/gtest.h>

#include "prediction/prediction_walk.h"
#include "test_history.h"

using namespace n3;

namespace {

std::uint16_t MaskOf(const std::array<std::int8_t, kEliminationRows>& digits) {
    std::uint16_t mask = 0;
    for (const std::int8_t d : digits) mask |= std::uint16_t(1u << d);
    return mask;
}

}  // namespace

TEST(PredictionSets, EqualTheFullPredictionsSetsAfterEveryDraw) {
    int pastTheLimit = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const DrawHistory h = n3::testing::generatedHistory(1500, seed, seed % 2 ? 0 : 13);
        PredictionWalk walk;
        for (const Draw& d : h) {
            walk.Advance(d);
            for (int options = 0; options <= 12; options += 3) {
                const DigitPrediction full = walk.Predict(options);
                const PredictionSets sets = walk.PredictSets(options);
                ASSERT_EQ(sets.cycles, full.cycles) << d.drawNo;
                ASSERT_EQ(sets.elimination, MaskOf(full.elimination)) << d.drawNo << " options " << options;
                ASSERT_EQ(sets.repeat, full.repeat.mask) << d.drawNo << " options " << options;
                ASSERT_EQ(sets.oneShot, full.oneShot.mask) << d.drawNo << " options " << options;
                pastTheLimit += full.oneShot.size == kOneShotLimit;
            }
        }
    }
    // Some predictions reached the one-shot limit, where the order counts.
    EXPECT_GT(pastTheLimit, 0);
}
