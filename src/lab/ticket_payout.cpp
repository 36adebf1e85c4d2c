#include "lab/ticket_payout.h"

namespace n3 {

TicketFactors TicketFactorsOf(const PayoutFigures& figures) {
    TicketFactors f;
    const auto& straight = figures.kind(PayoutKind::Straight).items;
    const auto& box = figures.kind(PayoutKind::Box).items;
    const auto& mini = figures.kind(PayoutKind::Mini).items;
    for (int n = 0; n < kAllNumberCount; ++n) {
        f.straight[std::size_t(n)] = straight[std::size_t(n)].shrunk;
        if (const int item = PayoutItemOf(PayoutKind::Box, n); item >= 0)
            f.box[std::size_t(n)] = box[std::size_t(item)].shrunk;
    }
    for (int n = 0; n < 100; ++n) f.mini[std::size_t(n)] = mini[std::size_t(n)].shrunk;
    return f;
}

}  // namespace n3
