#include "lab/strategy_walk.h"

#include <algorithm>
#include <array>
#include <optional>

#include "lab/backtest.h"
#include "lab/control_draw.h"
#include "lab/strategy_picker.h"
#include "lab/strategy_rules.h"
#include "prediction/prediction_walk.h"

namespace n3 {

namespace {

// The prize a hit of the kind pays per unit on draw `drawNo`, or nullopt
// when the results do not say. A ticket that cannot win the draw (a box or
// set ticket on a triple) needs only the draw's results to be known.
std::optional<long long> PrizePerUnit(const DrawResult* r, TicketKind kind, int winning, int candidate) {
    if (!r) return std::nullopt;
    const auto yen = [r](PrizeKind k) -> std::optional<long long> {
        const auto& y = r->prize(k).yen;
        return y && *y >= 0 ? std::optional<long long>(*y) : std::nullopt;
    };
    switch (kind) {
    case TicketKind::Straight: return yen(PrizeKind::Straight);
    case TicketKind::Mini: return yen(PrizeKind::Mini);
    case TicketKind::Box:
        if (!WinningCandidate(kind, winning))
            return yen(PrizeKind::Straight) ? std::optional<long long>(0) : std::nullopt;
        return yen(PrizeKind::Box);
    case TicketKind::Set:
        if (!WinningCandidate(kind, winning))
            return yen(PrizeKind::Straight) ? std::optional<long long>(0) : std::nullopt;
        if (candidate == winning) return yen(PrizeKind::SetStraight);
        return yen(PrizeKind::SetBox);
    }
    return std::nullopt;
}

int Universe(TicketKind kind) { return int(CandidatesOf(kind).size()); }

// The part of the control's seed that comes from the strategy: the same
// for every draw, so worked out once.
std::uint64_t RuleKeyHash(const Strategy& s) {
    std::uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a over the rule key
    for (const unsigned char ch : RuleKey(s)) h = (h ^ ch) * 0x100000001b3ull;
    return h;
}

std::uint64_t ControlSeedOf(std::uint64_t ruleKeyHash, int drawNo) {
    return ruleKeyHash ^ (std::uint64_t(std::uint32_t(drawNo)) << 20);
}

// The candidate each winning number 0..999 makes win for one kind, -1 for
// none: worked out once rather than at every draw.
using WinningCandidates = std::array<std::int16_t, kAllNumberCount>;

WinningCandidates WinningCandidatesOf(TicketKind kind) {
    WinningCandidates table{};
    for (int winning = 0; winning < kAllNumberCount; ++winning) {
        const std::optional<int> c = WinningCandidate(kind, winning);
        table[std::size_t(winning)] = std::int16_t(c ? *c : -1);
    }
    return table;
}

void Buy(StrategyTally& t, const Strategy& s, std::uint64_t ruleKeyHash, const std::vector<int>& bought, int drawNo,
         int winning, const WinningCandidates& candidates, const DrawResult* result) {
    if (bought.empty()) return;
    const int wins = candidates[std::size_t(winning)];  // -1: no candidate wins
    int chance = 0;  // of the kAllNumberCount numbers, how many make one of the tickets win
    bool hit = false;
    for (const int c : bought) {
        chance += WinningNumbers(s.kind, c);
        hit = hit || c == wins;
    }
    const double p = chance / double(kAllNumberCount);
    ++t.draws;
    t.tickets += long(bought.size());
    t.hits += hit;
    t.chanceThousandths += chance;
    t.hitVariance += p * (1 - p);
    // The control buys as many tickets of the kind at random; a triple
    // leaves box and set controls empty-handed as it does the strategy.
    if (wins >= 0)
        t.controlHits += ControlHoldsOne(ControlSeedOf(ruleKeyHash, drawNo), int(bought.size()), Universe(s.kind));
    const std::optional<long long> prize = PrizePerUnit(result, s.kind, winning, hit ? wins : -1);
    if (prize) {
        ++t.moneyDraws;
        t.moneyTickets += long(bought.size());
        t.spentYen += (long long)bought.size() * s.units * kNumbers3.unitPriceYen;
        if (hit) t.wonYen += *prize * s.units;
    }
}

}  // namespace

std::uint64_t StrategyControlSeed(const Strategy& s, int drawNo) { return ControlSeedOf(RuleKeyHash(s), drawNo); }

StrategyRun RunStrategies(const DrawHistory& history, const ResultHistory& results,
                          const std::vector<Strategy>& strategies, DrawRange range, int optionCount) {
    StrategyRun run;
    run.range = range;
    run.strategies = strategies;
    const std::size_t count = strategies.size();
    run.tallies.assign(count, {});
    run.trace.hits.assign(count, {});
    run.trace.expected.assign(count, {});
    run.trace.balance.assign(count, {});
    // One entry a target: room for every draw at once.
    run.trace.targets.reserve(history.size());
    for (std::size_t i = 0; i < count; ++i) {
        run.trace.hits[i].reserve(history.size());
        run.trace.expected[i].reserve(history.size());
        run.trace.balance[i].reserve(history.size());
    }
    std::vector<StrategyPicker> pickers;
    std::vector<std::uint64_t> ruleKeyHashes;
    std::vector<WinningCandidates> winningCandidates;
    bool predicts = false;
    for (const Strategy& s : strategies) {
        ruleKeyHashes.push_back(RuleKeyHash(s));
        winningCandidates.push_back(WinningCandidatesOf(s.kind));
        pickers.emplace_back(s);
        predicts = predicts || pickers.back().usesPrediction();
    }
    // The walk's table of every draw is made only for a rule that reads it.
    std::optional<PredictionWalk> walk;
    if (predicts) walk.emplace();
    std::vector<int> cycleNumbers;
    for (const Draw& draw : history) {
        const int n = draw.drawNo;
        if (range.to != 0 && n > range.to) break;
        const bool complete = draw.complete();
        if (complete && n >= 1 && n <= kMaxDrawNo && range.contains(n)) {
            const int winning = NumberOf(draw);
            cycleNumbers.clear();
            if (predicts) {
                // The rule buys the cycle methods' numbers, which the
                // options do not move: the walk's cycle digits as they stand.
                for (const auto& digits : walk->cycles())
                    if (std::none_of(digits.begin(), digits.end(), [](std::int8_t d) { return d == kNoDigit; }))
                        cycleNumbers.push_back(digits[0] * 100 + digits[1] * 10 + digits[2]);
            }
            const DrawResult* result = results.empty() ? nullptr : FindResult(results, n);
            ++run.targets;
            if (result && result->prize(PrizeKind::Straight).yen) ++run.moneyTargets;
            run.trace.targets.push_back(n);
            for (std::size_t i = 0; i < count; ++i) {
                StrategyTally& t = run.tallies[i];
                Buy(t, strategies[i], ruleKeyHashes[i], pickers[i].Pick(cycleNumbers), n, winning, winningCandidates[i],
                    result);
                run.trace.hits[i].push_back(t.hits);
                run.trace.expected[i].push_back(t.kindChanceHits());
                run.trace.balance[i].push_back(t.wonYen - t.spentYen);
            }
        }
        if (complete) {
            const int winning = NumberOf(draw);
            for (StrategyPicker& p : pickers) p.Take(winning);
        }
        if (walk) walk->Advance(draw);
    }
    return run;
}

}  // namespace n3
