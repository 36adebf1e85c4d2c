#pragma once
// The dates a draw or a purchase can have: Numbers 3 was first drawn on
// 1994-10-07; a date after 2099 is taken for a mistake.
#include <string_view>

namespace n3 {

inline constexpr std::string_view kFirstDrawDate = "1994-10-07";
inline constexpr std::string_view kLastAcceptedDate = "2099-12-31";

// 0 = Monday … 6 = Sunday, for a date of the Gregorian calendar.
constexpr int WeekdayOf(int year, int month, int day) {
    constexpr int kOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    const int sundayBased = (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
    return (sundayBased + 6) % 7;
}

// True for a YYYY-MM-DD text between the first draw and the last accepted
// date (the text is compared as it is; check that it is a real date first).
constexpr bool WithinDrawYears(std::string_view isoDate) {
    return isoDate.size() == 10 && isoDate >= kFirstDrawDate && isoDate <= kLastAcceptedDate;
}

}  // namespace n3
