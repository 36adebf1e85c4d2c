#include "analysis/payout_factors.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "analysis/payout_groups.h"
#include "core/number_rules.h"
#include "stats/sample_stats.h"

namespace n3 {

namespace {

constexpr std::array<int, kPayoutKindCount> kItemCounts = {1000, 210, 100};

// The box combinations in ascending order (singles and doubles together),
// and each number's place among them (-1 for triples).
struct BoxKeys {
    std::vector<int> keys;
    std::array<int, kAllNumberCount> itemOf{};
    BoxKeys() {
        itemOf.fill(-1);
        for (int n = 0; n < kAllNumberCount; ++n)
            if (BoxKey(n) == n && SellsFor(TicketKind::Box, n)) keys.push_back(n);
        for (int n = 0; n < kAllNumberCount; ++n) {
            if (!SellsFor(TicketKind::Box, n)) continue;
            itemOf[std::size_t(n)] = int(std::lower_bound(keys.begin(), keys.end(), BoxKey(n)) - keys.begin());
        }
    }
};

const BoxKeys& Boxes() {
    static const BoxKeys boxes;
    return boxes;
}

std::string ItemKey(PayoutKind kind, int item) {
    switch (kind) {
    case PayoutKind::Straight: return NumberText(item);
    case PayoutKind::Box: return NumberText(Boxes().keys[std::size_t(item)]);
    case PayoutKind::Mini: return NumberText(item).substr(1);
    }
    return {};
}

PrizeKind PrizeOf(PayoutKind kind) {
    switch (kind) {
    case PayoutKind::Straight: return PrizeKind::Straight;
    case PayoutKind::Box: return PrizeKind::Box;
    case PayoutKind::Mini: return PrizeKind::Mini;
    }
    return PrizeKind::Straight;
}

// "YYYY-MM-DD" into its three parts; false for anything else.
bool ReadDate(const std::string& date, int& year, int& month, int& day) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return false;
    int parts[3] = {0, 0, 0};
    const int from[3] = {0, 5, 8}, length[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < length[p]; ++i) {
            const char c = date[std::size_t(from[p] + i)];
            if (c < '0' || c > '9') return false;
            parts[p] = parts[p] * 10 + (c - '0');
        }
    year = parts[0];
    month = parts[1];
    day = parts[2];
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// A complete draw with a readable date and its prizes.
struct DatedDraw {
    int drawNo = 0, year = 0, month = 0, day = 0, number = 0;
    const DrawResult* result = nullptr;
};

std::vector<DatedDraw> DatedDraws(const DrawHistory& history, const ResultHistory& results) {
    std::vector<DatedDraw> dated;
    dated.reserve(results.size());
    auto r = results.begin();
    for (const Draw& draw : history) {
        while (r != results.end() && r->drawNo < draw.drawNo) ++r;
        if (r == results.end()) break;
        if (r->drawNo != draw.drawNo || !draw.complete()) continue;
        DatedDraw d;
        if (!ReadDate(r->date, d.year, d.month, d.day)) continue;
        d.drawNo = draw.drawNo;
        d.number = NumberOf(draw);
        d.result = &*r;
        dated.push_back(d);
    }
    return dated;
}

// The counted draws of a kind with their yearly references and log factors.
std::vector<CountedDraw> CountDraws(PayoutKind kind, const std::vector<DatedDraw>& dated) {
    std::vector<CountedDraw> counted;
    counted.reserve(dated.size());
    for (const DatedDraw& d : dated) {
        const auto& yen = d.result->prize(PrizeOf(kind)).yen;
        if (!yen || *yen <= 0) continue;
        const int item = PayoutItemOf(kind, d.number);
        if (item < 0) continue;
        counted.push_back({d.drawNo, d.year, d.month, d.day, d.number, item, double(*yen), 0, 0});
    }
    // The reference: the median of the year; box singles and doubles apart.
    auto group = [kind](const CountedDraw& c) {
        const int sub = kind == PayoutKind::Box && TypeOf(c.number) == NumberType::Double ? 1 : 0;
        return c.year * 2 + sub;
    };
    std::map<int, std::vector<double>> prizes;
    for (const CountedDraw& c : counted) prizes[group(c)].push_back(c.prize);
    std::map<int, double> medians;
    for (auto& [key, values] : prizes) medians[key] = *MedianOf(values);
    for (CountedDraw& c : counted) {
        c.reference = medians[group(c)];
        c.logFactor = std::log(c.prize / c.reference);
    }
    return counted;
}

PayoutKindFigures FiguresOfKind(PayoutKind kind, const std::vector<DatedDraw>& dated) {
    PayoutKindFigures f;
    f.kind = kind;
    f.counted = CountDraws(kind, dated);
    f.draws = int(f.counted.size());
    const std::size_t items = std::size_t(kItemCounts[std::size_t(kind)]);
    std::vector<double> sums(items, 0.0);
    std::vector<int> wins(items, 0);
    double total = 0;
    for (const CountedDraw& c : f.counted) {
        sums[std::size_t(c.item)] += c.logFactor;
        ++wins[std::size_t(c.item)];
        total += c.logFactor;
    }
    f.items.resize(items);
    for (std::size_t i = 0; i < items; ++i) {
        f.items[i].number = ItemKey(kind, int(i));
        f.items[i].wins = wins[i];
        if (wins[i] > 0) f.items[i].meanLog = sums[i] / wins[i];
    }
    if (!f.enough()) {
        for (PayoutItem& item : f.items) item.meanLog.reset();
        return f;
    }
    const double g = total / f.draws;
    f.grandFactor = std::exp(g);

    // s²: the squares about each item's mean over Σ(n − 1); items with a
    // single win add nothing to either.
    double squares = 0;
    int freedom = 0;
    for (const CountedDraw& c : f.counted) {
        const double d = c.logFactor - *f.items[std::size_t(c.item)].meanLog;
        squares += d * d;
    }
    for (int n : wins)
        if (n >= 2) freedom += n - 1;
    std::optional<double> s2;
    if (freedom > 0) s2 = squares / freedom;
    if (s2) f.sd = std::sqrt(*s2);

    // τ² = max(0, var(m_item) − s² · mean(1/n)) over the items with a win.
    std::optional<double> tau2;
    if (s2) {
        double sumM = 0, sumInverse = 0;
        int seen = 0;
        for (const PayoutItem& item : f.items) {
            if (!item.meanLog) continue;
            sumM += *item.meanLog;
            sumInverse += 1.0 / item.wins;
            ++seen;
        }
        const double meanM = sumM / seen;
        double spread = 0;
        for (const PayoutItem& item : f.items)
            if (item.meanLog) spread += (*item.meanLog - meanM) * (*item.meanLog - meanM);
        const double variance = spread / seen;
        tau2 = std::max(0.0, variance - *s2 * (sumInverse / seen));
        f.tau = std::sqrt(*tau2);
    }

    for (PayoutItem& item : f.items) {
        item.shrunk = *f.grandFactor;
        if (!item.meanLog) continue;
        const double m = *item.meanLog;
        item.factor = std::exp(m);
        if (f.sd) {
            const auto [low, high] = NormalInterval95(m, *f.sd, item.wins);
            item.low = std::exp(low);
            item.high = std::exp(high);
        }
        if (tau2 && *tau2 > 0) {
            const double w = item.wins * *tau2 / (item.wins * *tau2 + *s2);
            item.shrunk = std::exp(w * m + (1 - w) * g);
        }
    }
    return f;
}

std::vector<PayoutYear> YearsOf(const PayoutKindFigures& straight) {
    std::map<int, std::vector<double>> prizes;
    for (const CountedDraw& c : straight.counted) prizes[c.year].push_back(c.prize);
    std::vector<PayoutYear> years;
    for (auto& [year, values] : prizes) {
        PayoutYear y;
        y.year = year;
        y.draws = int(values.size());
        const double mean = *MeanOf(values);
        y.straightMean = std::round(mean);
        y.straightMedian = *MedianOf(values);
        y.straightRatio = mean / kTheoreticalStraightPrize;
        years.push_back(y);
    }
    return years;
}

}  // namespace

std::string_view PayoutKindKey(PayoutKind kind) { return TicketKindWord(kPayoutTicketKinds[std::size_t(kind)]); }

std::string_view PayoutKindName(PayoutKind kind) { return TicketKindCaption(kPayoutTicketKinds[std::size_t(kind)]); }

int PayoutItemOf(PayoutKind kind, int number) {
    if (number < 0 || number >= kAllNumberCount) return -1;
    switch (kind) {
    case PayoutKind::Straight: return number;
    case PayoutKind::Box: return Boxes().itemOf[std::size_t(number)];
    case PayoutKind::Mini: return MiniOf(number);
    }
    return -1;
}

PayoutFigures ComputePayoutFigures(const DrawHistory& history, const ResultHistory& results) {
    const std::vector<DatedDraw> dated = DatedDraws(history, results);
    PayoutFigures f;
    for (int k = 0; k < kPayoutKindCount; ++k) f.kinds[std::size_t(k)] = FiguresOfKind(PayoutKind(k), dated);
    const PayoutKindFigures& straight = f.kind(PayoutKind::Straight);
    f.years = YearsOf(straight);
    f.groups = PayoutGroupsOf(straight);
    f.stability = PayoutStabilityOf(straight);
    return f;
}

std::shared_ptr<const PayoutFigures> KeptPayoutFigures(const DrawHistory& history, const ResultHistory& results,
                                                       SnapshotMemo* memo) {
    const std::string key = "payout figures";
    if (memo)
        if (auto kept = memo->find<PayoutFigures>(key)) return kept;
    auto figures = std::make_shared<const PayoutFigures>(ComputePayoutFigures(history, results));
    return memo ? memo->keep<PayoutFigures>(key, std::move(figures)) : figures;
}

}  // namespace n3
