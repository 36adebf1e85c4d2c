#pragma once
// The date of the next draw: draws are held every weekday, public holidays
// included, except from 31 December to 3 January.
#include <optional>
#include <string>
#include <string_view>

namespace n3 {

// The first draw day after `date` (YYYY-MM-DD); nullopt when `date` is not
// a real calendar date.
std::optional<std::string> NextDrawDate(std::string_view date);

// True for a real calendar date written YYYY-MM-DD.
bool IsDrawDate(std::string_view date);
// 0 = Sunday .. 6 = Saturday, for a real date.
int WeekdayOf(int year, int month, int day);
// "月" .. "日" for a real YYYY-MM-DD date, else empty.
std::string WeekdayName(std::string_view date);

}  // namespace n3
