#include "lab/backtest.h"

#include <bit>

#include "core/number_rules.h"
#include "lab/control_draw.h"
#include "prediction/prediction_walk.h"

namespace n3 {

namespace {

// What a method buys for one target: `size` numbers (0: no bet), whether
// they hold the winning number, and how many winning digits it predicted.
struct Bet {
    int size = 0;
    bool hit = false;
    int digitHits = 0;
    int digitChanceTenths = 0;  // ten times the winning digits chance puts in the set
};

// A cycle method buys its straight number when all three places have a digit.
Bet CycleBet(const CyclePositions& digits, const Draw& target) {
    Bet bet;
    for (const std::int8_t d : digits)
        if (d == kNoDigit) return bet;
    bet.size = 1;
    for (int p = 0; p < 3; ++p) bet.digitHits += digits[std::size_t(p)] == target.digit(p);
    bet.hit = bet.digitHits == 3;
    bet.digitChanceTenths = 3;
    return bet;
}

// The other methods buy every number whose three digits lie in the set.
Bet DigitSetBet(std::uint16_t mask, const Draw& target) {
    Bet bet;
    const int count = std::popcount(mask);
    if (count == 0) return bet;
    bet.size = count * count * count;
    for (int p = 0; p < 3; ++p) bet.digitHits += (mask >> target.digit(p)) & 1u;
    bet.hit = bet.digitHits == 3;
    bet.digitChanceTenths = 3 * count;
    return bet;
}

std::array<Bet, kBacktestMethodCount> BetsOn(const PredictionSets& p, const Draw& target) {
    std::array<Bet, kBacktestMethodCount> bets;
    for (int c = 0; c < kCycleCount; ++c) bets[std::size_t(c)] = CycleBet(p.cycles[std::size_t(c)], target);
    bets[4] = DigitSetBet(p.elimination, target);
    bets[5] = DigitSetBet(p.repeat, target);
    bets[6] = DigitSetBet(p.oneShot, target);
    return bets;
}

// The straight prize of draw `drawNo` in yen, or 0 when it is not known.
long long StraightPrize(const ResultHistory& results, int drawNo) {
    if (results.empty()) return 0;
    const DrawResult* r = FindResult(results, drawNo);
    if (!r) return 0;
    const auto& yen = r->prize(PrizeKind::Straight).yen;
    return yen && *yen >= 0 ? *yen : 0;
}

void Tally(MethodTally& t, const Bet& bet, int drawNo, int method, int winning, long long prize) {
    if (bet.size == 0) return;
    ++t.bets;
    t.tickets += bet.size;
    t.hits += bet.hit;
    t.varianceParts += (long long)bet.size * (kAllNumberCount - bet.size);
    t.digitHits += bet.digitHits;
    t.digitChanceTenths += bet.digitChanceTenths;
    t.controlHits += ControlHolds(drawNo, method, bet.size, winning);
    if (prize > 0) {
        ++t.moneyBets;
        t.moneyTickets += bet.size;
        if (bet.hit) t.wonYen += prize;
    }
}

}  // namespace

BacktestRun RunBacktest(const DrawHistory& history, const ResultHistory& results, int optionCount, DrawRange range,
                        bool withTrace) {
    BacktestRun run;
    run.optionCount = optionCount;
    run.range = range;
    PredictionWalk walk;
    if (withTrace) {
        run.trace.targets.reserve(history.size());
        for (auto& v : run.trace.hits) v.reserve(history.size());
        for (auto& v : run.trace.expected) v.reserve(history.size());
    }
    for (const Draw& draw : history) {
        const int n = draw.drawNo;
        if (range.to != 0 && n > range.to) break;
        if (draw.complete() && n >= 1 && n <= kMaxDrawNo && range.contains(n)) {
            const auto bets = BetsOn(walk.PredictSets(optionCount), draw);
            const int winning = NumberOf(draw);
            const long long prize = StraightPrize(results, n);
            if (run.targets++ == 0) run.firstTarget = n;
            run.lastTarget = n;
            run.moneyTargets += prize > 0;
            if (withTrace) run.trace.targets.push_back(n);
            for (int m = 0; m < kBacktestMethodCount; ++m) {
                MethodTally& t = run.tallies[std::size_t(m)];
                Tally(t, bets[std::size_t(m)], n, m, winning, prize);
                if (!withTrace) continue;
                run.trace.hits[std::size_t(m)].push_back(t.hits);
                run.trace.expected[std::size_t(m)].push_back(t.straightChanceHits());
            }
        }
        walk.Advance(draw);
    }
    run.next = walk.Predict(optionCount);
    return run;
}

namespace {
std::string MemoKey(bool traced, int optionCount, DrawRange range) {
    return std::string(traced ? "backtest " : "backtest totals ") + std::to_string(optionCount) + " " +
           std::to_string(range.from) + "-" + std::to_string(range.to);
}
}  // namespace

std::shared_ptr<const BacktestRun> WholeBacktest(const DrawHistory& history, const ResultHistory& results,
                                                 int optionCount, DrawRange range, SnapshotMemo* memo) {
    const std::string key = MemoKey(true, optionCount, range);
    if (memo)
        if (auto kept = memo->find<BacktestRun>(key)) return kept;
    auto run = std::make_shared<const BacktestRun>(RunBacktest(history, results, optionCount, range));
    return memo ? memo->keep<BacktestRun>(key, std::move(run)) : run;
}

std::shared_ptr<const BacktestRun> BacktestTotals(const DrawHistory& history, const ResultHistory& results,
                                                  int optionCount, SnapshotMemo* memo) {
    const std::string traced = MemoKey(true, optionCount, {}), totals = MemoKey(false, optionCount, {});
    if (memo) {
        if (auto kept = memo->find<BacktestRun>(traced)) return kept;
        if (auto kept = memo->find<BacktestRun>(totals)) return kept;
    }
    auto run = std::make_shared<const BacktestRun>(RunBacktest(history, results, optionCount, {}, false));
    return memo ? memo->keep<BacktestRun>(totals, std::move(run)) : run;
}

}  // namespace n3
