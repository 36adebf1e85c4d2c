// The prediction window shows exactly what the engine showed before it was
// rebuilt on the incremental walk: same grids cell by cell, same results,
// also when one engine scans edited histories one after another.
#include <gtest/gtest.h>

#include "core/startup_statistics.h"
#include "prediction/prediction_engine.h"
#include "prediction_histories.h"
#include "reference_prediction_engine.h"

using namespace n3;
using n3::testing::holeyHistory;
using n3::testing::ReferencePredictionEngine;

namespace {

PredictionGrids FreshGrids() {
    PredictionGrids grids;
    for (int i = 0; i < kPredictionGridCount; ++i) SetUpPredictionGrid(grids[std::size_t(i)], i);
    return grids;
}

OptionFlags FlagsWith(int on) {
    OptionFlags flags{};
    for (int i = 0; i < on; ++i) flags[std::size_t(kOptionFlagCount - 1 - i)] = true;
    return flags;
}

void ExpectSameGrid(const GridModel& a, const GridModel& b, const std::string& where) {
    ASSERT_EQ(a.columns(), b.columns()) << where;
    ASSERT_EQ(a.rows(), b.rows()) << where;
    for (int row = 1; row <= a.rows(); ++row) {
        EXPECT_EQ(a.rowHeight(row), b.rowHeight(row)) << where;
        for (int col = 1; col <= a.columns(); ++col) {
            EXPECT_EQ(a.text(col, row), b.text(col, row)) << where << " cell " << col << "," << row;
            EXPECT_TRUE(a.style(col, row) == b.style(col, row)) << where << " cell " << col << "," << row;
            const Span* sa = a.spanAt(col, row);
            const Span* sb = b.spanAt(col, row);
            ASSERT_EQ(sa == nullptr, sb == nullptr) << where;
            if (sa) {
                EXPECT_TRUE(sa->col == sb->col && sa->row == sb->row && sa->columns == sb->columns &&
                            sa->rows == sb->rows)
                    << where;
            }
        }
    }
    for (int col = 1; col <= a.columns(); ++col) EXPECT_EQ(a.columnWidth(col), b.columnWidth(col)) << where;
}

struct Pair {
    PredictionEngine engine;
    ReferencePredictionEngine reference;
    PredictionGrids grids = FreshGrids();
    PredictionGrids referenceGrids = FreshGrids();

    void Scan(const DrawHistory& h, const OptionFlags& flags) {
        const int latest = LoadStartupStatistics(h).LatestDrawNo;
        engine.ScanDrawHistory(h, grids, flags, latest);
        reference.ScanDrawHistory(h, referenceGrids, flags, latest);
    }
    void Show(const OptionFlags& flags, int latest) {
        ClearResultAreas(grids);
        ClearResultAreas(referenceGrids);
        engine.ShowPredictions(grids, flags, latest);
        reference.ShowPredictions(referenceGrids, flags, latest);
    }
    void ExpectSame(const std::string& where) {
        for (int i = 0; i < kPredictionGridCount; ++i)
            ExpectSameGrid(grids[std::size_t(i)], referenceGrids[std::size_t(i)], where + " grid " + std::to_string(i));
        EXPECT_EQ(engine.cycleTable(), reference.cycleTable()) << where;
        EXPECT_EQ(engine.results().optionCount, reference.results().optionCount) << where;
        EXPECT_EQ(engine.results().elimination, reference.results().elimination) << where;
        EXPECT_EQ(engine.results().repeat, reference.results().repeat) << where;
        EXPECT_EQ(engine.results().oneShot, reference.results().oneShot) << where;
        for (int n : {0, 1, 5, 50, 199, 5000, 32767})
            for (int p = 1; p <= 3; ++p) EXPECT_EQ(engine.DigitAt(n, p), reference.DigitAt(n, p)) << where << n;
    }
};

}  // namespace

TEST(PredictionUnchanged, FreshScansShowTheSameGridsForEveryOptionCount) {
    int repeatsSeen = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const DrawHistory h = holeyHistory(int(seed * 7 % 300), seed, seed % 4 == 0 ? 32700 : 1);
        for (int m = 0; m <= kOptionFlagCount; m += seed % 2 ? 1 : 5) {
            Pair pair;
            pair.Scan(h, FlagsWith(m));
            pair.ExpectSame("seed " + std::to_string(seed) + " options " + std::to_string(m));
            repeatsSeen += !pair.engine.results().repeat.empty();
        }
    }
    EXPECT_GT(repeatsSeen, 50);
}

TEST(PredictionUnchanged, OneEngineRescanningEditedHistoriesKeepsWhatTheOldScanLeft) {
    // The window's engine lives as long as the program: a later scan of a
    // shorter or edited history sees the table entries it does not reach.
    for (unsigned seed = 1; seed <= 12; ++seed) {
        Pair pair;
        DrawHistory h = holeyHistory(250, seed);
        pair.Scan(h, FlagsWith(int(seed % 11)));
        pair.ExpectSame("first scan " + std::to_string(seed));

        DrawHistory edited = holeyHistory(120, seed + 100);  // shorter, other digits
        edited.erase(edited.begin() + 30, edited.begin() + 45);
        for (Draw& d : edited)
            if (d.drawNo % 11 == 0) d.digits[0].reset();
        pair.Scan(edited, FlagsWith(3));
        pair.ExpectSame("second scan " + std::to_string(seed));

        for (int m = 0; m <= kOptionFlagCount; ++m) {
            pair.Show(FlagsWith(m), LoadStartupStatistics(edited).LatestDrawNo);
            pair.ExpectSame("recompute " + std::to_string(seed) + " options " + std::to_string(m));
        }
        pair.Scan(h, FlagsWith(0));
        pair.ExpectSame("third scan " + std::to_string(seed));
    }
}

TEST(PredictionUnchanged, DrawsOutsideTheTableOrOutOfOrderAreHandledAlike) {
    DrawHistory h = holeyHistory(80, 9);
    Draw outside;
    outside.drawNo = 40000;
    outside.digits = {1, 2, 3};
    h.push_back(outside);
    Draw zero = outside;
    zero.drawNo = 0;
    h.insert(h.begin(), zero);
    std::swap(h[20], h[50]);  // a history that is not in order
    h.push_back(h[10]);       // and one draw twice
    Pair pair;
    pair.Scan(h, FlagsWith(2));
    pair.ExpectSame("odd history");
}
