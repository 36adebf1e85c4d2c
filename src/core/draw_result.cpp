#include "core/draw_result.h"

#include <algorithm>

namespace n3 {

bool DrawResult::empty() const {
    if (!date.empty() || !claimDeadline.empty()) return false;
    for (const Prize& p : prizes)
        if (p.winners || p.yen) return false;
    return true;
}

void SettleResult(DrawResult& result, const DrawDigits& digits, const Game& game) {
    for (Prize& p : result.prizes)
        if (p.yen == 0 && p.winners.value_or(0) == 0) p.yen.reset();
    bool allAlike = bool(digits[0]);
    for (int i = 1; i < game.digits; ++i) allAlike = allAlike && digits[std::size_t(i)] == digits[0];
    if (!allAlike) return;
    for (PrizeKind kind : {PrizeKind::Box, PrizeKind::SetStraight, PrizeKind::SetBox}) result.prize(kind) = Prize{};
}

std::vector<PrizeKind> PrizeKindsOf(const Game& game) {
    std::vector<PrizeKind> kinds;
    if (game.offers(TicketKind::Straight)) kinds.push_back(PrizeKind::Straight);
    if (game.offers(TicketKind::Box)) kinds.push_back(PrizeKind::Box);
    if (game.offers(TicketKind::Set)) {
        kinds.push_back(PrizeKind::SetStraight);
        kinds.push_back(PrizeKind::SetBox);
    }
    if (game.offers(TicketKind::Mini)) kinds.push_back(PrizeKind::Mini);
    return kinds;
}

const DrawResult* FindResult(const ResultHistory& results, int drawNo) {
    const auto it = std::lower_bound(results.begin(), results.end(), drawNo,
                                     [](const DrawResult& r, int n) { return r.drawNo < n; });
    return it != results.end() && it->drawNo == drawNo ? &*it : nullptr;
}

}  // namespace n3
