#pragma once
// The JSON members of 曜日・月別分析 ("calendar"), ミニ分析 ("mini") and
// ペア分析 ("pairs") and タイプ別分析 ("types"), without the outer braces.
#include <string>

#include "analysis/calendar_digits.h"
#include "analysis/digit_pairs.h"
#include "analysis/mini_gaps.h"
#include "analysis/number_types.h"

namespace n3 {

std::string CalendarJsonMember(const CalendarFigures& figures);
std::string MiniJsonMember(const MiniFigures& figures);
std::string PairsJsonMember(const PairFigures& figures);
std::string TypesJsonMember(const NumberTypeFigures& figures);

}  // namespace n3
