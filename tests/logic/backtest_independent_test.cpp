// The backtest beside a plain computation of the same figures: a fresh
// prediction (the engine as it stood before the walk) on the draws before
// each target, the bought numbers listed one by one from 000 to 999, and
// the statistics from their textbook formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/startup_statistics.h"
#include "lab/backtest.h"
#include "lab/backtest_figures.h"
#include "lab/control_draw.h"
#include "prediction_histories.h"
#include "reference_prediction_engine.h"
#include "stats/verdict.h"

using namespace n3;
using n3::testing::holeyHistory;
using n3::testing::prefixBefore;
using n3::testing::ReferencePredictionEngine;

namespace {

struct Plain {
    int bets = 0, hits = 0, control = 0, moneyBets = 0;
    long long tickets = 0, digitHits = 0, spent = 0, won = 0;
    double expected = 0, variance = 0, digitExpected = 0;
};

// The numbers method m buys, from the window's texts.
std::vector<int> Bought(int m, const ReferencePredictionEngine& e) {
    std::vector<int> numbers;
    if (m < 4) {
        const auto& cycle = e.cycleTable()[std::size_t(m)];
        if (cycle[0].empty() || cycle[1].empty() || cycle[2].empty()) return numbers;
        numbers.push_back(std::stoi(cycle[0] + cycle[1] + cycle[2]));
        return numbers;
    }
    const auto& r = e.results();
    std::vector<std::string> shown = m == 4   ? std::vector<std::string>(r.elimination.begin(), r.elimination.end())
                                     : m == 5 ? r.repeat
                                              : r.oneShot;
    for (int x = 0; x < 1000; ++x) {
        const std::string t = std::to_string(x / 100) + std::to_string(x / 10 % 10) + std::to_string(x % 10);
        if (std::all_of(t.begin(), t.end(), [&](char c) {
                return std::find(shown.begin(), shown.end(), std::string(1, c)) != shown.end();
            }))
            numbers.push_back(x);
    }
    return numbers;
}

int DigitHits(int m, const ReferencePredictionEngine& e, const Draw& target) {
    int hits = 0;
    for (int p = 0; p < 3; ++p) {
        const std::string w = std::to_string(target.digit(p));
        if (m < 4) {
            hits += e.cycleTable()[std::size_t(m)][std::size_t(p)] == w;
        } else {
            const auto& r = e.results();
            hits += m == 4   ? std::find(r.elimination.begin(), r.elimination.end(), w) != r.elimination.end()
                    : m == 5 ? std::find(r.repeat.begin(), r.repeat.end(), w) != r.repeat.end()
                             : std::find(r.oneShot.begin(), r.oneShot.end(), w) != r.oneShot.end();
        }
    }
    return hits;
}

std::array<Plain, kBacktestMethodCount> PlainBacktest(const DrawHistory& h, const ResultHistory& results, int m,
                                                      DrawRange range) {
    std::array<Plain, kBacktestMethodCount> plain;
    OptionFlags flags{};
    for (int i = 0; i < m; ++i) flags[std::size_t(i)] = true;
    for (const Draw& target : h) {
        if (!target.complete() || !range.contains(target.drawNo)) continue;
        const DrawHistory prefix = prefixBefore(h, target.drawNo);
        ReferencePredictionEngine engine;
        PredictionGrids grids;
        for (int i = 0; i < kPredictionGridCount; ++i) SetUpPredictionGrid(grids[std::size_t(i)], i);
        engine.ScanDrawHistory(prefix, grids, flags, LoadStartupStatistics(prefix).LatestDrawNo);
        const int winning = target.digit(0) * 100 + target.digit(1) * 10 + target.digit(2);
        const DrawResult* result = FindResult(results, target.drawNo);
        const long long prize = result ? result->prize(PrizeKind::Straight).yen.value_or(0) : 0;
        for (int k = 0; k < kBacktestMethodCount; ++k) {
            const std::vector<int> bought = Bought(k, engine);
            if (bought.empty()) continue;
            Plain& p = plain[std::size_t(k)];
            const double q = bought.size() / 1000.0;
            const bool hit = std::find(bought.begin(), bought.end(), winning) != bought.end();
            ++p.bets;
            p.tickets += long(bought.size());
            p.hits += hit;
            p.expected += q;
            p.variance += q * (1 - q);
            p.digitHits += DigitHits(k, engine, target);
            p.digitExpected += k < 4 ? 0.3 : 3 * std::cbrt(double(bought.size())) / 10;
            const std::vector<int> control = ControlSet(target.drawNo, k, int(bought.size()), winning);
            EXPECT_EQ(control.size(), bought.size());
            p.control += std::binary_search(control.begin(), control.end(), winning);
            if (prize > 0) {
                ++p.moneyBets;
                p.spent += 200 * long(bought.size());
                p.won += hit ? prize : 0;
            }
        }
    }
    return plain;
}

ResultHistory SomePrizes(const DrawHistory& h) {
    ResultHistory results;
    for (const Draw& d : h)
        if (d.drawNo % 3 == 0) {
            DrawResult r;
            r.drawNo = d.drawNo;
            r.prize(PrizeKind::Straight).yen = 80000 + d.drawNo;
            results.push_back(r);
        }
    return results;
}

}  // namespace

TEST(BacktestIndependent, FiguresAgreeWithAPlainComputation) {
    const double z95 = 1.959963984540054;
    int hitsSeen = 0;
    for (unsigned seed : {3u, 4u, 5u}) {
        const DrawHistory h = holeyHistory(160, seed);
        const ResultHistory results = SomePrizes(h);
        for (const auto& [m, range] :
             {std::pair{0, DrawRange{}}, std::pair{4, DrawRange{40, 150}}, std::pair{10, DrawRange{0, 90}}}) {
            const BacktestFigures f = FiguresOf(RunBacktest(h, results, m, range));
            const auto plain = PlainBacktest(h, results, m, range);
            for (int k = 0; k < kBacktestMethodCount; ++k) {
                const std::string where =
                    "seed " + std::to_string(seed) + " m " + std::to_string(m) + " method " + std::to_string(k);
                const MethodFigures& got = f.methods[std::size_t(k)];
                const Plain& want = plain[std::size_t(k)];
                EXPECT_EQ(got.tally.bets, want.bets) << where;
                EXPECT_EQ(got.tally.tickets, want.tickets) << where;
                EXPECT_EQ(got.tally.hits, want.hits) << where;
                EXPECT_NEAR(got.tally.straightChanceHits(), want.expected, 1e-9) << where;
                EXPECT_EQ(got.tally.digitHits, want.digitHits) << where;
                EXPECT_NEAR(got.tally.digitExpected(), want.digitExpected, 1e-9) << where;
                EXPECT_EQ(got.tally.controlHits, want.control) << where;
                EXPECT_EQ(got.tally.moneyBets, want.moneyBets) << where;
                if (want.moneyBets > 0) {
                    EXPECT_EQ(*got.spentYen, want.spent) << where;
                    EXPECT_EQ(*got.wonYen, want.won) << where;
                    EXPECT_DOUBLE_EQ(*got.returnRate, double(want.won) / want.spent) << where;
                }
                if (want.variance > 0) {
                    const double z = (want.hits - want.expected) / std::sqrt(want.variance);
                    const double p = std::erfc(std::abs(z) / std::sqrt(2.0));
                    EXPECT_NEAR(*got.z, z, 1e-9) << where;
                    EXPECT_NEAR(*got.p, p, 1e-9) << where;
                    EXPECT_NEAR(*got.pCorrected, std::min(1.0, 7 * p), 1e-9) << where;
                    EXPECT_EQ(got.verdict, std::min(1.0, 7 * p) >= 0.01 ? kVerdictChance
                                           : z > 0                      ? kVerdictMore
                                                                        : kVerdictFewer);
                }
                if (want.bets > 0) {
                    const double n = want.bets, ph = want.hits / n;
                    const double centre = (ph + z95 * z95 / (2 * n)) / (1 + z95 * z95 / n);
                    const double half =
                        z95 / (1 + z95 * z95 / n) * std::sqrt(ph * (1 - ph) / n + z95 * z95 / (4 * n * n));
                    EXPECT_NEAR(*got.wilsonLow, centre - half, 1e-9) << where;
                    EXPECT_NEAR(*got.wilsonHigh, centre + half, 1e-9) << where;
                }
                hitsSeen += want.hits;
            }
        }
    }
    EXPECT_GT(hitsSeen, 300);
}

TEST(ControlDraw, SetsHaveTheirSizeRepeatAndHoldEachNumberAboutEquallyOften) {
    std::array<int, 1000> held{};
    int holds = 0;
    for (int draw = 1; draw <= 3000; ++draw) {
        const int winning = (draw * 37) % 1000;
        const std::vector<int> set = ControlSet(draw, draw % 7, 50, winning);
        ASSERT_EQ(set.size(), 50u);
        EXPECT_TRUE(std::adjacent_find(set.begin(), set.end()) == set.end());  // distinct, ascending
        EXPECT_EQ(std::binary_search(set.begin(), set.end(), winning), ControlHolds(draw, draw % 7, 50, winning));
        EXPECT_EQ(set, ControlSet(draw, draw % 7, 50, winning));
        holds += ControlHolds(draw, draw % 7, 50, winning);
        for (int x : set) ++held[std::size_t(x)];
    }
    // 3000 sets of 50: each number is held 150 times on average.
    EXPECT_NEAR(holds, 150, 4 * std::sqrt(150.0));
    for (int x = 0; x < 1000; ++x) EXPECT_NEAR(held[std::size_t(x)], 150, 60) << x;
    EXPECT_TRUE(ControlSet(1, 0, 0, 5).empty());
    EXPECT_EQ(ControlSet(1, 0, 1000, 5).size(), 1000u);
    EXPECT_NE(ControlSet(10, 0, 30, 5), ControlSet(10, 1, 30, 5));
}
