#include "lab/next_draw.h"

#include <algorithm>

#include "core/draw_schedule.h"
#include "core/number_rules.h"
#include "lab/backtest_figures.h"
#include "lab/next_draw_date.h"
#include "prediction/prediction_walk.h"

namespace n3 {

namespace {

// Prize sums of one kind over the period.
struct PrizeSum {
    double yen = 0;
    int draws = 0;
    void add(double v) {
        yen += v;
        ++draws;
    }
};

std::optional<double> Yen(const DrawResult& r, PrizeKind kind) {
    const auto& y = r.prize(kind).yen;
    if (!y || *y <= 0) return std::nullopt;
    return double(*y);
}

std::string CycleWords(const std::array<std::int8_t, 3>& digits, bool& bets) {
    std::string text;
    bets = true;
    for (const std::int8_t d : digits) {
        if (d == kNoDigit) {
            bets = false;
            text += "－";
        } else {
            text += char('0' + d);
        }
    }
    return text;
}

std::string DigitWords(const std::int8_t* digits, int size, bool& bets, int& tickets) {
    std::string text;
    int distinct = 0;
    std::uint16_t seen = 0;
    for (int i = 0; i < size; ++i) {
        const int d = digits[i];
        if ((seen >> d) & 1u) continue;
        seen |= std::uint16_t(1u << d);
        ++distinct;
        if (!text.empty()) text += "・";
        text += char('0' + d);
    }
    bets = !text.empty();
    tickets = distinct * distinct * distinct;
    return bets ? text : std::string("なし");
}

// The date one year before `date` (YYYY-MM-DD), as text for comparison.
std::string YearBefore(const std::string& date) {
    const int year = std::stoi(date.substr(0, 4)) - 1;
    std::string y = std::to_string(year);
    return std::string(y.size() < 4 ? 4 - y.size() : 0, '0') + y + date.substr(4);
}

}  // namespace

bool IsPredicted(const Game& game) {
    for (const Game* predicted : kPredictedGames)
        if (predicted->id == game.id) return true;
    return false;
}

int LatestCompleteDraw(const DrawHistory& history, const Game& game) {
    int latest = 0;
    for (const Draw& d : history)
        if (d.complete(game) && d.drawNo >= 1 && d.drawNo <= kMaxDrawNo) latest = std::max(latest, d.drawNo);
    return latest;
}

namespace {

// The kinds of KindOddsOf: straight, box by type, set by type, mini.
struct OddsKinds {
    std::vector<NumberType> boxTypes;  // the types box and set are sold for, most orders first
    bool mini = false;
    std::size_t count() const { return 1 + 2 * boxTypes.size() + (mini ? 1 : 0); }
    std::size_t box(std::size_t type) const { return 1 + type; }
    std::size_t set(std::size_t type) const { return 1 + boxTypes.size() + type; }
    std::size_t miniIndex() const { return 1 + 2 * boxTypes.size(); }
};

OddsKinds OddsKindsOf(const Game& game) {
    OddsKinds kinds;
    for (const NumberType type : TypesOf(game))
        if (OrdersOf(type, game) > 1) kinds.boxTypes.push_back(type);
    kinds.mini = game.offers(TicketKind::Mini);
    return kinds;
}

using KindSums = std::vector<PrizeSum>;

// The prizes of the results dated after `after` and up to `upTo` (any date
// when both are empty); first/last get the dates used.
KindSums SumPrizes(const ResultHistory& results, const std::vector<int>& numbers, const std::string& after,
                   const std::string& upTo, std::string& first, std::string& last, const Game& game,
                   const OddsKinds& kinds) {
    KindSums sums(kinds.count());
    for (const DrawResult& r : results) {
        if (r.date.empty() || (!after.empty() && r.date <= after) || (!upTo.empty() && r.date > upTo)) continue;
        if (r.drawNo < 1 || r.drawNo > kMaxDrawNo || numbers[std::size_t(r.drawNo)] < 0) continue;
        const NumberType type = TypeOf(numbers[std::size_t(r.drawNo)], game);
        bool used = false;
        if (const auto y = Yen(r, PrizeKind::Straight)) sums[0].add(*y), used = true;
        if (kinds.mini)
            if (const auto y = Yen(r, PrizeKind::Mini)) sums[kinds.miniIndex()].add(*y), used = true;
        const auto boxType = std::find(kinds.boxTypes.begin(), kinds.boxTypes.end(), type);
        if (boxType != kinds.boxTypes.end()) {
            const auto t = std::size_t(boxType - kinds.boxTypes.begin());
            if (const auto y = Yen(r, PrizeKind::Box)) sums[kinds.box(t)].add(*y), used = true;
            const auto ss = Yen(r, PrizeKind::SetStraight), sb = Yen(r, PrizeKind::SetBox);
            // What a set ticket pays given that it wins: its straight
            // half in one of the orders, its box half in the others.
            const int orders = OrdersOf(type, game);
            if (ss && sb) sums[kinds.set(t)].add((*ss + (orders - 1) * *sb) / orders), used = true;
        }
        if (used) {
            if (first.empty() || r.date < first) first = r.date;
            last = std::max(last, r.date);
        }
    }
    return sums;
}

}  // namespace

std::vector<KindOdds> KindOddsOf(const DrawHistory& history, const ResultHistory& results, std::string* prizesFrom,
                                 std::string* prizesTo, std::string* allTimeFrom, std::string* allTimeTo,
                                 const Game& game) {
    const OddsKinds kinds = OddsKindsOf(game);
    std::string newest;
    for (const DrawResult& r : results)
        if (!r.date.empty() && IsCalendarDate(r.date)) newest = std::max(newest, r.date);
    std::vector<int> numbers(std::size_t(kMaxDrawNo) + 1, -1);
    for (const Draw& d : history)
        if (d.complete(game) && d.drawNo >= 1 && d.drawNo <= kMaxDrawNo)
            numbers[std::size_t(d.drawNo)] = NumberOf(d, game);
    KindSums recent(kinds.count()), all(kinds.count());
    std::string first, last, allFirst, allLast;
    if (!newest.empty()) {
        recent = SumPrizes(results, numbers, YearBefore(newest), newest, first, last, game, kinds);
        all = SumPrizes(results, numbers, {}, {}, allFirst, allLast, game, kinds);
    }
    if (prizesFrom) *prizesFrom = first;
    if (prizesTo) *prizesTo = last;
    if (allTimeFrom) *allTimeFrom = allFirst;
    if (allTimeTo) *allTimeTo = allLast;
    // The chance of each kind: box and set on a number of each type.
    std::vector<std::pair<std::string, double>> named(kinds.count());
    named[0] = {std::string(TicketKindCaption(TicketKind::Straight)), WinChance(TicketKind::Straight, 0, game)};
    for (std::size_t t = 0; t < kinds.boxTypes.size(); ++t) {
        int sample = 0;
        while (TypeOf(sample, game) != kinds.boxTypes[t]) ++sample;
        const std::string type = "（" + std::string(TypeName(kinds.boxTypes[t])) + "）";
        for (const auto& [kind, index] :
             {std::pair{TicketKind::Box, kinds.box(t)}, std::pair{TicketKind::Set, kinds.set(t)}})
            named[index] = {std::string(TicketKindCaption(kind)) + type,
                            WinChance(kind, *CandidateOfNumber(kind, sample, game), game)};
    }
    if (kinds.mini)
        named[kinds.miniIndex()] = {std::string(TicketKindCaption(TicketKind::Mini)),
                                    WinChance(TicketKind::Mini, 0, game)};
    std::vector<KindOdds> out;
    for (std::size_t k = 0; k < named.size(); ++k) {
        KindOdds o;
        o.kind = named[k].first;
        o.chance = named[k].second;
        o.prizeDraws = recent[k].draws;
        if (recent[k].draws > 0) {
            o.averagePrize = recent[k].yen / recent[k].draws;
            o.returnPer200 = o.chance * *o.averagePrize;
        }
        o.allTimeDraws = all[k].draws;
        if (all[k].draws > 0) {
            o.allTimeAverage = all[k].yen / all[k].draws;
            o.allTimeReturnPer200 = o.chance * *o.allTimeAverage;
        }
        out.push_back(std::move(o));
    }
    return out;
}

NextDrawCard BuildNextDrawCard(const DrawHistory& history, const ResultHistory& results, int optionCount,
                               SnapshotMemo* memo, std::string_view today, const Game& game) {
    NextDrawCard card;
    card.game = &game;
    card.predicted = IsPredicted(game);
    card.optionCount = optionCount;
    card.latestDrawNo = LatestCompleteDraw(history, game);
    const NextDrawDate next = NextDrawOn(history, results, today, game);
    card.drawNo = next.drawNo;
    card.date = next.date;
    card.missingFrom = next.missingFrom;
    card.missing = next.missing;
    if (card.latestDrawNo > 0 && !results.empty())
        if (const DrawResult* r = FindResult(results, card.latestDrawNo)) {
            card.latestDate = r->date;
            card.latestDateEstimated = r->dateEstimated;
        }

    card.kinds =
        KindOddsOf(history, results, &card.prizesFrom, &card.prizesTo, &card.allTimeFrom, &card.allTimeTo, game);
    if (!card.predicted) return card;
    // The prediction a fresh start shows on this history is where the
    // backtest's walk over all of it ends.
    const auto run = BacktestTotals(history, results, optionCount, memo);
    const DigitPrediction& p = run->next;
    const BacktestFigures figures = FiguresOf(*run);
    card.backtestTargets = figures.targets;
    card.backtestFrom = figures.from.value_or(0);
    card.backtestTo = figures.to.value_or(0);
    for (int m = 0; m < kBacktestMethodCount; ++m) {
        MethodSays& says = card.methods[std::size_t(m)];
        says.method = kBacktestMethodNames[std::size_t(m)];
        says.verdict = figures.methods[std::size_t(m)].verdict;
        if (m < kFirstDigitSetMethod) {
            says.says = CycleWords(p.cycles[std::size_t(m)], says.bets);
            says.tickets = says.bets ? 1 : 0;
        } else if (m == kFirstDigitSetMethod)
            says.says = DigitWords(p.elimination.data(), kEliminationRows, says.bets, says.tickets);
        else if (m == kFirstDigitSetMethod + 1)
            says.says = DigitWords(p.repeat.digits.data(), p.repeat.size, says.bets, says.tickets);
        else
            says.says = DigitWords(p.oneShot.digits.data(), p.oneShot.size, says.bets, says.tickets);
    }
    return card;
}

}  // namespace n3
