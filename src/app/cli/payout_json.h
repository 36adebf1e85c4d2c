#pragma once
// The "payout" member of `show 配当分析 --format json`.
#include <string>

#include "analysis/payout_factors.h"

namespace n3 {

std::string PayoutJsonMember(const PayoutFigures& figures);

}  // namespace n3
