#pragma once
// The JSON members of 曜日・月別分析 ("calendar"), ミニ分析 ("mini") and
// ペア分析 ("pairs"), without the outer braces.
#include <string>

#include "analysis/calendar_digits.h"
#include "analysis/digit_pairs.h"
#include "analysis/mini_gaps.h"

namespace n3 {

std::string CalendarJsonMember(const CalendarFigures& figures);
std::string MiniJsonMember(const MiniFigures& figures);
std::string PairsJsonMember(const PairFigures& figures);

}  // namespace n3
