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

std::string CycleWords(const CyclePositions& digits, bool& bets) {
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

int LatestCompleteDraw(const DrawHistory& history) {
    int latest = 0;
    for (const Draw& d : history)
        if (d.complete() && d.drawNo >= 1 && d.drawNo <= kMaxDrawNo) latest = std::max(latest, d.drawNo);
    return latest;
}

namespace {

// 0 straight, 1 box single, 2 box double, 3 set single, 4 set double, 5 mini
using KindSums = std::array<PrizeSum, 6>;

// The prizes of the results dated after `after` and up to `upTo` (any date
// when both are empty); first/last get the dates used.
KindSums SumPrizes(const ResultHistory& results, const std::vector<int>& numbers, const std::string& after,
                   const std::string& upTo, std::string& first, std::string& last) {
    KindSums sums{};
    for (const DrawResult& r : results) {
        if (r.date.empty() || (!after.empty() && r.date <= after) || (!upTo.empty() && r.date > upTo)) continue;
        if (r.drawNo < 1 || r.drawNo > kMaxDrawNo || numbers[std::size_t(r.drawNo)] < 0) continue;
        const NumberType type = TypeOf(numbers[std::size_t(r.drawNo)]);
        bool used = false;
        if (const auto y = Yen(r, PrizeKind::Straight)) sums[0].add(*y), used = true;
        if (const auto y = Yen(r, PrizeKind::Mini)) sums[5].add(*y), used = true;
        if (type != NumberType::Triple) {
            const bool single = type == NumberType::Single;
            if (const auto y = Yen(r, PrizeKind::Box)) sums[single ? 1 : 2].add(*y), used = true;
            const auto ss = Yen(r, PrizeKind::SetStraight), sb = Yen(r, PrizeKind::SetBox);
            // What a set ticket pays given that it wins: its straight
            // half in one of the orders, its box half in the others.
            const int orders = OrdersOf(type);
            if (ss && sb) sums[single ? 3 : 4].add((*ss + (orders - 1) * *sb) / orders), used = true;
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
                                 std::string* prizesTo, std::string* allTimeFrom, std::string* allTimeTo) {
    std::string newest;
    for (const DrawResult& r : results)
        if (!r.date.empty() && IsCalendarDate(r.date)) newest = std::max(newest, r.date);
    std::vector<int> numbers(std::size_t(kMaxDrawNo) + 1, -1);
    for (const Draw& d : history)
        if (d.complete() && d.drawNo >= 1 && d.drawNo <= kMaxDrawNo) numbers[std::size_t(d.drawNo)] = NumberOf(d);
    KindSums recent{}, all{};
    std::string first, last, allFirst, allLast;
    if (!newest.empty()) {
        recent = SumPrizes(results, numbers, YearBefore(newest), newest, first, last);
        all = SumPrizes(results, numbers, {}, {}, allFirst, allLast);
    }
    if (prizesFrom) *prizesFrom = first;
    if (prizesTo) *prizesTo = last;
    if (allTimeFrom) *allTimeFrom = allFirst;
    if (allTimeTo) *allTimeTo = allLast;
    // The chances of a single (123) and a double (112) under box and set.
    static const std::array<std::pair<const char*, double>, 6> kinds = {{
        {"ストレート", WinChance(TicketKind::Straight, 0)},
        {"ボックス（シングル）", WinChance(TicketKind::Box, 123)},
        {"ボックス（ダブル）", WinChance(TicketKind::Box, 112)},
        {"セット（シングル）", WinChance(TicketKind::Set, 123)},
        {"セット（ダブル）", WinChance(TicketKind::Set, 112)},
        {"ミニ", WinChance(TicketKind::Mini, 0)},
    }};
    std::vector<KindOdds> out;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        KindOdds o;
        o.kind = kinds[k].first;
        o.chance = kinds[k].second;
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
                               SnapshotMemo* memo, std::string_view today) {
    NextDrawCard card;
    card.optionCount = optionCount;
    card.latestDrawNo = LatestCompleteDraw(history);
    const NextDrawDate next = NextDrawOn(history, results, today);
    card.drawNo = next.drawNo;
    card.date = next.date;
    card.missingFrom = next.missingFrom;
    card.missing = next.missing;
    if (card.latestDrawNo > 0 && !results.empty())
        if (const DrawResult* r = FindResult(results, card.latestDrawNo)) {
            card.latestDate = r->date;
            card.latestDateEstimated = r->dateEstimated;
        }

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
    card.kinds = KindOddsOf(history, results, &card.prizesFrom, &card.prizesTo, &card.allTimeFrom, &card.allTimeTo);
    return card;
}

}  // namespace n3
