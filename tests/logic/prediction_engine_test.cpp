// The prediction methods: cycle digits found across positions, the
// elimination counted back from the latest draw, and the 連発 and 一発
// picks from the cycle digits.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/startup_statistics.h"
#include "prediction/prediction_engine.h"
#include "test_history.h"

using namespace n3;
using n3::testing::generatedHistory;
using n3::testing::history;

namespace {

struct Run {
    PredictionEngine engine;
    PredictionGrids grids;
};

// Opens the prediction on `h` with `optionsOn` flags on.
// The latest draw number is the history's unless `latest` is given.
std::unique_ptr<Run> Predict(const DrawHistory& h, int optionsOn = 0, int latest = -1) {
    auto run = std::make_unique<Run>();
    for (int i = 0; i < kPredictionGridCount; ++i) SetUpPredictionGrid(run->grids[std::size_t(i)], i);
    OptionFlags flags{};
    for (int i = 0; i < optionsOn; ++i) flags[std::size_t(i)] = true;
    if (latest < 0) latest = LoadStartupStatistics(h).LatestDrawNo;
    run->engine.ScanDrawHistory(h, run->grids, flags, latest);
    return run;
}

// The texts of the grid's result cells in reading order, empty ones left out.
std::vector<std::string> Shown(const GridModel& grid) {
    std::vector<std::string> out;
    for (int row = 2; row <= grid.rows(); ++row)
        for (int col = 2; col <= grid.columns(); ++col)
            if (!grid.isEmpty(col, row)) out.push_back(grid.text(col, row));
    return out;
}

// Draws 1..n all equal to `digits`, then the given rows.
DrawHistory Filler(int n, std::array<int, 3> digits) {
    DrawHistory h;
    for (int i = 1; i <= n; ++i) {
        Draw d;
        d.drawNo = i;
        for (int p = 0; p < 3; ++p) d.digits[std::size_t(p)] = digits[std::size_t(p)];
        h.push_back(d);
    }
    return h;
}

}  // namespace

TEST(FoldToDigit, FoldsEverySumIntoOneDigit) {
    EXPECT_EQ(FoldToDigit(10), "1");
    EXPECT_EQ(FoldToDigit(17), "8");
    EXPECT_EQ(FoldToDigit(18), "9");
    EXPECT_EQ(FoldToDigit(9), "9");
    EXPECT_EQ(FoldToDigit(1), "1");
    EXPECT_EQ(FoldToDigit(0), "9");
    EXPECT_EQ(FoldToDigit(-5), "4");
    EXPECT_EQ(FoldToDigit(-9), "0");
}

TEST(CycleMethod, DigitLastSeenAtAnotherPositionSevenDrawsBefore) {
    // Draw 13 has 5 second, draws 14..19 have no 5, draw 20 has 5 first.
    DrawHistory h = Filler(12, {1, 1, 1});
    h.push_back(history({{13, 0, 5, 0}})[0]);
    for (int n = 14; n <= 19; ++n) h.push_back(history({{n, 2, 3, 4}})[0]);
    h.push_back(history({{20, 5, 6, 6}})[0]);
    const auto run = Predict(h);
    EXPECT_EQ(run->engine.cycleTable()[0][0], "5");
    EXPECT_EQ(run->grids[kCycleGrid].text(2, 2), "5");
    // Draw 20's 6 never occurred before: nothing for positions 2 and 3
    // beyond what earlier draws left (none of them has a cycle of 7).
    EXPECT_EQ(run->grids[kCycleGrid].text(3, 2), "");

    // With a 5 in draw 14 the interval is 6, and the earlier 5 in draw 13 no longer counts.
    h[13] = history({{14, 2, 3, 5}})[0];
    EXPECT_EQ(Predict(h)->engine.cycleTable()[0][0], "");
}

TEST(CycleMethod, LaterDrawReplacesTheDigitOfEachCycleLength) {
    DrawHistory h;
    for (int n = 1; n <= 40; ++n) {
        int d = 0;
        if (n == 1 || n == 10) d = 7;   // 7 again after 9 draws
        if (n == 19 || n == 28) d = 8;  // 8 again after 9 draws: replaces the 7
        if (n == 30 || n == 40) d = 9;  // 9 again after 10 draws: no cycle
        h.push_back(history({{n, d, d, d}})[0]);
    }
    const auto cycles = Predict(h)->engine.cycleTable();
    for (int p = 0; p < 3; ++p) EXPECT_EQ(cycles[1][std::size_t(p)], "8") << p;
}

TEST(CycleMethod, DrawsWithoutCompleteDigitsNeverMatch) {
    // Draw 13 has the 0 that draw 20 repeats 7 draws later; draw 19 is
    // half-entered and draw 18 missing: neither holds a 0.
    DrawHistory h = Filler(12, {1, 1, 1});
    h.push_back(history({{13, 0, 1, 1}})[0]);
    for (int n = 14; n <= 17; ++n) h.push_back(history({{n, 2, 2, 2}})[0]);
    h.push_back(history({{19, 0, -1, -1}})[0]);
    h.push_back(history({{20, 0, 2, 2}})[0]);
    const auto run = Predict(h);
    EXPECT_EQ(run->engine.cycleTable()[0][0], "0");
    EXPECT_EQ(run->engine.DigitAt(19, 1), 0);
    EXPECT_EQ(run->engine.DigitAt(13, 2), 1);
}

TEST(CycleMethod, ShortHistoryFindsNoCycleAndNoRepeatOrOneShot) {
    const auto run = Predict(generatedHistory(7, 3));
    for (const auto& cycle : run->engine.cycleTable())
        for (const auto& s : cycle) EXPECT_EQ(s, "");
    EXPECT_TRUE(Shown(run->grids[kCycleGrid]).empty());
    EXPECT_TRUE(Shown(run->grids[kRepeatGrid]).empty());
    EXPECT_TRUE(Shown(run->grids[kOneShotGrid]).empty());
    EXPECT_FALSE(Shown(run->grids[kEliminationGrid]).empty());
}

TEST(Elimination, ReadsTheTableBackFromTheLatestDraw) {
    // Draw n has the digits (n % 10, (n + 3) % 10, (n + 6) % 10); N = 10.
    DrawHistory h;
    for (int n = 1; n <= 10; ++n) h.push_back(history({{n, n % 10, (n + 3) % 10, (n + 6) % 10}})[0]);
    const auto run = Predict(h);  // kept alive: e refers into it
    const auto& e = run->engine.results().elimination;
    EXPECT_EQ(e[0], FoldToDigit(0 + 1));   // draw 10, first digit
    EXPECT_EQ(e[1], FoldToDigit(3 + 8));   // draw 10, second digit
    EXPECT_EQ(e[2], FoldToDigit(9 + 0));   // draw 9, first digit
    EXPECT_EQ(e[3], FoldToDigit(5 - 7));   // draw 9, third digit
    EXPECT_EQ(e[5], FoldToDigit(1 - 5));   // draw 8, second digit
    EXPECT_EQ(e[11], FoldToDigit(1 - 9));  // draw 5, third digit
    EXPECT_EQ(e[14], FoldToDigit(7 + 9));  // draw 1, third digit
}

TEST(Elimination, ReferenceBeforeTheFirstDrawReadsZeros) {
    const auto run = Predict(history({{1, 5, 5, 5}, {2, 5, 5, 5}, {3, 5, 5, 5}}));
    const auto& e = run->engine.results().elimination;
    EXPECT_EQ(e[0], FoldToDigit(5 + 1));   // draw 3
    EXPECT_EQ(e[4], FoldToDigit(5 + 8));   // draw 1
    EXPECT_EQ(e[6], FoldToDigit(0 + 3));   // draw 0
    EXPECT_EQ(e[13], FoldToDigit(0 + 1));  // draw -4
    EXPECT_EQ(e[14], FoldToDigit(0 + 9));  // draw -6
}

TEST(Elimination, EachOptionOnMovesEveryReferenceOneDrawBack) {
    const DrawHistory h = generatedHistory(60, 11, 7);  // every 7th draw half-entered
    std::set<std::array<std::string, kEliminationRows>> distinct;
    for (int m = 0; m <= kOptionFlagCount; ++m) {
        const auto run = Predict(h, m);
        EXPECT_EQ(run->engine.results().elimination, Predict(h, 0, 60 - m)->engine.results().elimination) << m;
        EXPECT_EQ(run->engine.results().optionCount, m);
        distinct.insert(run->engine.results().elimination);
    }
    EXPECT_GT(distinct.size(), 5u);
}

TEST(Elimination, EqualValuesShownOnceWhereTheyFirstOccur) {
    // All zeros: the offsets alone, 1 8 9 2 8 4 3 1 4 7 6 0 4 1 9.
    const auto run = Predict(Filler(20, {0, 0, 0}));
    const std::vector<std::string> expected = {"1", "8", "9", "2", "4", "3", "7", "6", "0"};
    EXPECT_EQ(Shown(run->grids[kEliminationGrid]), expected);
    EXPECT_EQ(run->grids[kEliminationGrid].text(6, 2), "4");  // five to a row
    EXPECT_EQ(run->grids[kEliminationGrid].text(2, 3), "3");

    for (unsigned seed = 1; seed <= 20; ++seed) {
        const auto r = Predict(generatedHistory(100, seed));
        std::vector<std::string> firsts;
        for (const auto& v : r->engine.results().elimination)
            if (std::find(firsts.begin(), firsts.end(), v) == firsts.end()) firsts.push_back(v);
        EXPECT_EQ(Shown(r->grids[kEliminationGrid]), firsts) << seed;
    }
}

TEST(RepeatAndOneShot, OneShotIsPartOfRepeatAndEveryPickIsNearAnEliminationDigit) {
    int nonEmpty = 0;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        for (int m : {0, 4, 10}) {
            const auto run = Predict(generatedHistory(200, seed, 13), m);
            const auto& res = run->engine.results();
            std::set<std::string> cycleDigits;
            for (const auto& cycle : run->engine.cycleTable())
                for (const auto& s : cycle)
                    if (!s.empty()) cycleDigits.insert(s);
            for (const auto& v : res.oneShot)
                EXPECT_NE(std::find(res.repeat.begin(), res.repeat.end(), v), res.repeat.end()) << v;
            for (const auto& v : res.repeat) {
                EXPECT_TRUE(cycleDigits.count(v)) << v;
                EXPECT_TRUE(std::any_of(res.elimination.begin(), res.elimination.end(),
                                        [&](const auto& a) { return std::abs(std::stoi(a) - std::stoi(v)) <= 3; }));
            }
            EXPECT_LE(res.oneShot.size(), std::size_t(kOneShotLimit));
            EXPECT_EQ(std::set<std::string>(res.repeat.begin(), res.repeat.end()).size(), res.repeat.size());
            EXPECT_EQ(Shown(run->grids[kRepeatGrid]), res.repeat);
            EXPECT_EQ(Shown(run->grids[kOneShotGrid]), res.oneShot);
            nonEmpty += !res.oneShot.empty();
        }
    }
    EXPECT_GT(nonEmpty, 0);
}

TEST(RepeatAndOneShot, EmptyCycleEntryHidesTheRestOfItsCycle) {
    // Only position 3 of the 7-cycle is found: 9 comes back after 7 draws
    // in the third place, with nothing before it.
    DrawHistory h = Filler(12, {1, 1, 1});
    h.push_back(history({{13, 2, 2, 9}})[0]);
    for (int n = 14; n <= 19; ++n) h.push_back(history({{n, 2, 2, 2}})[0]);
    h.push_back(history({{20, 1, 2, 9}})[0]);
    const auto run = Predict(h);
    const auto& cycles = run->engine.cycleTable();
    ASSERT_EQ(cycles[0][2], "9");
    ASSERT_EQ(cycles[0][0], "");
    const auto& e = run->engine.results().elimination;
    ASSERT_TRUE(std::any_of(e.begin(), e.end(), [](const auto& a) { return std::stoi(a) >= 6; }));
    // A cycle whose first entry is empty is passed over whole, so the 9
    // is never a pick although an elimination digit lies near it.
    for (const auto& v : run->engine.results().repeat) EXPECT_NE(v, "9");
}
