#pragma once
// The book's 推定倍率 column from 配当分析's figures.
#include "analysis/payout_factors.h"
#include "tickets/ticket_factors.h"

namespace n3 {

TicketFactors TicketFactorsOf(const PayoutFigures& figures);

}  // namespace n3
