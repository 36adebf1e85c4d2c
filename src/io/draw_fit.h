#pragma once
// Whether a fetched draw fits the draws stored around it, before anything of
// it is stored: a server (or whoever answers in its place) may name any
// draw and any date, and a draw stored with a date is not fetched again.
//
// - Its date comes after the date of the nearest earlier dated draw and
//   before the date of the nearest later one, not after tomorrow, and not
//   before the first draw (1994-10-07).
// - A date that is not the one the draw schedule gives (counted on from the
//   nearest earlier published date, since 2004-07-01 every weekday except
//   12/31–1/3) is off the schedule: it is stored only when the user allows
//   it (the schedule may change, and the bank's file is then right), and
//   named in the summary.
#include <string>
#include <string_view>

#include "core/draw_result.h"

namespace n3 {

// The draws stored around a draw with a published date (0 and "" when
// there is none); estimated dates are passed over.
struct DrawNeighbours {
    int previousNo = 0;
    std::string previousDate;
    int nextNo = 0;
    std::string nextDate;
};

// `results` ascending by 回数 (as the store reads them); the draw itself is
// passed over, so a stored draw fetched again finds its neighbours too.
DrawNeighbours NeighboursOf(const ResultHistory& results, int drawNo);

struct DrawFit {
    std::string refusal;  // Japanese; empty when the draw fits
    std::string note;     // a date off the schedule, named for the question and the summary; empty when none
    bool ok() const { return refusal.empty(); }
    bool offSchedule() const { return !note.empty(); }
};

// `date` YYYY-MM-DD or empty (a file without a date passes); `today`
// YYYY-MM-DD.
DrawFit CheckDrawFits(int drawNo, const std::string& date, const DrawNeighbours& around, std::string_view today);

// The day after an ISO date (YYYY-MM-DD), or the text itself when it is no
// real date.
std::string DayAfter(std::string_view isoDate);

}  // namespace n3
