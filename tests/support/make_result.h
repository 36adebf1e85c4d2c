#pragma once
// A result row with only its date for the tests: Dated(7, "1994-10-07"),
// Dated(7055, "2026-08-24", true) for a date worked out by the calendar.
#include <string>
#include <utility>

#include "core/draw_result.h"

namespace n3::testing {

inline DrawResult Dated(int drawNo, std::string date, bool estimated = false) {
    DrawResult r;
    r.drawNo = drawNo;
    r.date = std::move(date);
    r.dateEstimated = estimated;
    return r;
}

}  // namespace n3::testing
