#pragma once
// 曜日・月別分析's figures: the digits of each position by the weekday and
// by the month of the draw date, and six χ² tests of independence
// (weekday × 第1/第2/第3数字, month × 第1/第2/第3数字).
//
// A draw counts when it has all three digits and a published date; a date
// worked out by the draw schedule (予定) does not count, nor a date that is
// not a real day.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/range_coverage.h"

namespace n3 {

inline constexpr std::array<std::string_view, 7> kWeekdayNames = {"月", "火", "水", "木", "金", "土", "日"};

// One weekday (0 = Monday … 6 = Sunday) or one month (1..12) with draws.
struct CalendarRow {
    int key = 0;
    int draws = 0;
    std::array<std::array<int, 10>, 3> digits{};  // [position][digit]
};

struct CalendarTest {
    std::string name;  // 曜日×第1数字 …
    // Null when fewer than two rows or two digit columns take part.
    std::optional<double> chi2;
    std::optional<int> df;
    std::optional<double> p;          // the upper tail
    std::optional<double> adjustedP;  // min(1, p × the number of non-null tests)
    bool rough = false;               // an expected count below 5
};

struct CalendarFigures {
    int draws = 0;  // the counted draws
    RangeCoverage coverage;
    int undated = 0;                    // complete draws of the range without a date
    int estimated = 0;                  // complete draws whose date is only 予定
    int badDate = 0;                    // complete draws whose date is not a real day
    std::vector<CalendarRow> weekdays;  // only those with draws, Monday first
    std::vector<CalendarRow> months;    // only those with draws, January first
    std::array<CalendarTest, 6> tests;
};

CalendarFigures TallyCalendar(const DrawHistory& history, const ResultHistory& results, DrawRange range);

// The χ² test of independence of rows × the ten digits of `position`, over
// the rows given and the digits counted at least once among them.
CalendarTest IndependenceTest(std::string name, const std::vector<CalendarRow>& rows, int position);

// Year, month and day of a YYYY-MM-DD text that names a real day
// (IsCalendarDate).
struct CalendarDay {
    int year = 0;
    int month = 0;
    int day = 0;
};
std::optional<CalendarDay> ParseCalendarDay(std::string_view text);

}  // namespace n3
