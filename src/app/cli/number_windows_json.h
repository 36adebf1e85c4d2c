#pragma once
// The JSON members of 数字検索 ("lookup" and "numbers") and 次回の抽せん
// ("next") in `show --format json`.
#include <string>

#include "analysis/number_lookup_window.h"
#include "lab/next_draw.h"

namespace n3 {

// "\"lookup\": {...} or null, \"numbers\": [...]"
std::string NumberLookupJsonMembers(const NumberLookupDetails& details);
// "\"next\": {...}"
std::string NextDrawJsonMember(const NextDrawCard& card);

}  // namespace n3
