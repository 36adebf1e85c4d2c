#pragma once
// How a date the program worked out from the draw schedule is shown: the
// date followed by 「（予定）」, wherever dates are shown.
#include <string>
#include <string_view>

namespace n3 {

inline constexpr std::string_view kPlannedMark = "（予定）";

// "2026-08-21" or "2026-08-21（予定）"; "" for no date.
inline std::string ShownDate(const std::string& date, bool estimated) {
    return estimated && !date.empty() ? date + std::string(kPlannedMark) : date;
}

}  // namespace n3
