#include "core/draw_result.h"

#include <algorithm>

namespace n3 {

bool DrawResult::empty() const {
    if (!date.empty() || !claimDeadline.empty()) return false;
    for (const Prize& p : prizes)
        if (p.winners || p.yen) return false;
    return true;
}

void SettleResult(DrawResult& result, const std::array<std::optional<int>, 3>& digits) {
    for (Prize& p : result.prizes)
        if (p.yen == 0 && p.winners.value_or(0) == 0) p.yen.reset();
    const bool triple = digits[0] && digits[0] == digits[1] && digits[1] == digits[2];
    if (!triple) return;
    for (PrizeKind kind : {PrizeKind::Box, PrizeKind::SetStraight, PrizeKind::SetBox}) result.prize(kind) = Prize{};
}

const DrawResult* FindResult(const ResultHistory& results, int drawNo) {
    const auto it = std::lower_bound(results.begin(), results.end(), drawNo,
                                     [](const DrawResult& r, int n) { return r.drawNo < n; });
    return it != results.end() && it->drawNo == drawNo ? &*it : nullptr;
}

}  // namespace n3
