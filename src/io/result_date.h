#pragma once
// A draw date as result lists write it, turned into YYYY-MM-DD:
//   2026-08-20  2026/8/20  2026.8.20  2026年8月20日
//   令和8年8月20日  令和元年5月1日  平成6年10月7日  R8.8.20  H6/10/7
// each with or without a weekday after it: "(木)", "（木）", " 木曜日".
// The text is compared after NormaliseField (full-width digits read).
#include <optional>
#include <string>
#include <string_view>

namespace n3 {

// The date as YYYY-MM-DD, or nullopt when the text is no real date, its
// weekday is not that of the date, its era does not cover it (平成45年), or
// it lies outside the years of the draws (1994-10-07 to 2099-12-31).
std::optional<std::string> ParseResultDate(std::string_view normalisedText);

// "8/20" or "8月20日": a day without its year, which names no date of the
// history; the reader refuses such a field, saying the year is missing.
bool IsDateWithoutYear(std::string_view normalisedText);

}  // namespace n3
