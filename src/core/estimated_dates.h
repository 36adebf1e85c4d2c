#pragma once
// Dates the program works out for draws whose date was never published (a
// draw typed by hand, or imported from a file of digits only): the draw
// schedule (core/draw_schedule.h) counted on from the newest published
// date before the draw.
#include <string>
#include <utility>
#include <vector>

#include "core/draw_result.h"

namespace n3 {

// For every draw of `drawNos` (ascending) that has no published date in
// `results`: the schedule's date, counted draw by draw from the newest
// published date before it that lies on the schedule's years (a draw
// numbered in between counts even when it is not stored). Draws before the
// first such date get none. Estimated dates in `results` are ignored: they
// are what this works out again.
std::vector<std::pair<int, std::string>> ScheduleEstimates(const std::vector<int>& drawNos,
                                                           const ResultHistory& results);

}  // namespace n3
