#pragma once
// 購入記録 as grids, for `numbers3zubarin-cli show 購入記録` and printing:
// the purchases, every purchase × draw outcome, and the months with the
// whole book as the last row. The same figures the window shows.
#include <vector>

#include "core/grid_model.h"
#include "tickets/ticket_factors.h"
#include "tickets/ticket_summary.h"

namespace n3 {

// With `factors`, the purchases grid gains a column 推定倍率.
std::vector<GridModel> TicketGrids(const std::vector<Purchase>& book, const std::vector<DrawOutcome>& outcomes,
                                   const BookSummary& summary, const TicketFactors* factors = nullptr);

}  // namespace n3
