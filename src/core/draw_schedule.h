#pragma once
// The draw calendar. Since draw 1340 (2004-07-01) there has been a draw
// every Monday to Friday, public holidays included, except from 31 December
// to 3 January; a draw typed without a date gets the date this rule gives,
// marked as estimated.
#include <optional>
#include <string>
#include <string_view>

namespace n3 {

inline constexpr int kScheduleFirstDraw = 1340;
inline constexpr std::string_view kScheduleFirstDate = "2004-07-01";

// True for a real calendar date written YYYY-MM-DD.
bool IsCalendarDate(std::string_view date);

// True for a real date on which the rule holds a draw (a weekday outside
// 12/31–1/3).
bool OnDrawSchedule(std::string_view date);

// The first draw day after `date` (YYYY-MM-DD); nullopt when `date` is not
// a real calendar date.
std::optional<std::string> NextScheduledDrawDate(std::string_view date);

// The date the rule gives `steps` draws after `date` (steps ≥ 1), e.g. for
// a draw typed two numbers after the newest dated one; nullopt when `date`
// is not a real date or steps < 1.
std::optional<std::string> ScheduledDrawDateAfter(std::string_view date, int steps);

// The computer's local date, YYYY-MM-DD: "today" for deadlines, purchases
// and the updater's checks.
std::string TodayDate();

// "月" .. "日" for a real YYYY-MM-DD date, else empty.
std::string WeekdayName(std::string_view date);

}  // namespace n3
