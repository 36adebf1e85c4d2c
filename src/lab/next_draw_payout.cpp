#include "lab/next_draw_payout.h"

#include <algorithm>

#include "core/number_rules.h"
#include "lab/next_draw.h"

namespace n3 {

namespace {

const KindOdds* FindKind(const std::vector<KindOdds>& kinds, std::string_view name) {
    for (const KindOdds& k : kinds)
        if (k.kind == name) return &k;
    return nullptr;
}

NumberReturn ReturnOf(const std::vector<KindOdds>& kinds, std::string_view name, const PayoutFigures& figures,
                      PayoutKind kind, int number) {
    NumberReturn r;
    r.kind = std::string(name);
    if (const KindOdds* odds = FindKind(kinds, name)) r.plainPer200 = odds->returnPer200;
    const int item = PayoutItemOf(kind, number);
    if (item >= 0) r.shrunk = figures.kind(kind).items[std::size_t(item)].shrunk;
    if (r.plainPer200 && r.shrunk) r.estimatedPer200 = *r.plainPer200 * *r.shrunk;
    return r;
}

}  // namespace

NextDrawPayout NextDrawPayoutOf(const PayoutFigures& figures, const std::vector<KindOdds>& kinds,
                                std::optional<int> number) {
    NextDrawPayout p;
    if (number && *number >= 0 && *number < kAllNumberCount) {
        p.number = number;
        p.returns.push_back(ReturnOf(kinds, "ストレート", figures, PayoutKind::Straight, *number));
        const NumberType type = TypeOf(*number);
        if (type != NumberType::Triple)
            p.returns.push_back(ReturnOf(kinds,
                                         type == NumberType::Single ? "ボックス（シングル）" : "ボックス（ダブル）",
                                         figures, PayoutKind::Box, *number));
        p.returns.push_back(ReturnOf(kinds, "ミニ", figures, PayoutKind::Mini, *number));
    }
    const PayoutKindFigures& straight = figures.kind(PayoutKind::Straight);
    if (!straight.enough()) return p;
    std::vector<RankedNumber> ranked;
    ranked.reserve(straight.items.size());
    for (std::size_t n = 0; n < straight.items.size(); ++n)
        if (straight.items[n].shrunk) ranked.push_back({int(n), *straight.items[n].shrunk});
    // Ties (numbers that never won share exp(g)) keep the lower number first.
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedNumber& a, const RankedNumber& b) { return a.shrunk > b.shrunk; });
    const std::size_t count = std::min<std::size_t>(kRankedNumbers, ranked.size());
    p.highest.assign(ranked.begin(), ranked.begin() + std::ptrdiff_t(count));
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedNumber& a, const RankedNumber& b) { return a.shrunk < b.shrunk; });
    p.lowest.assign(ranked.begin(), ranked.begin() + std::ptrdiff_t(count));
    return p;
}

}  // namespace n3
