#include "analysis/calendar_digits.h"

#include <algorithm>

#include "core/calendar.h"
#include "core/draw_schedule.h"
#include "stats/distributions.h"

namespace n3 {

namespace {

void Count(CalendarRow& row, const Draw& d) {
    ++row.draws;
    for (int i = 0; i < 3; ++i) ++row.digits[std::size_t(i)][std::size_t(d.digit(i))];
}

std::vector<CalendarRow> RowsWithDraws(const std::vector<CalendarRow>& all) {
    std::vector<CalendarRow> rows;
    for (const CalendarRow& r : all)
        if (r.draws > 0) rows.push_back(r);
    return rows;
}

}  // namespace

std::optional<CalendarDay> ParseCalendarDay(std::string_view text) {
    if (!IsCalendarDate(text)) return std::nullopt;
    const auto number = [text](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    return CalendarDay{number(0, 4), number(5, 2), number(8, 2)};
}

CalendarTest IndependenceTest(std::string name, const std::vector<CalendarRow>& rows, int position) {
    CalendarTest test;
    test.name = std::move(name);
    std::array<double, 10> columnTotal{};
    double total = 0;
    for (const CalendarRow& r : rows) {
        for (int digit = 0; digit < 10; ++digit)
            columnTotal[std::size_t(digit)] += r.digits[std::size_t(position)][std::size_t(digit)];
        total += r.draws;
    }
    int columns = 0;
    for (double c : columnTotal)
        if (c > 0) ++columns;
    const int rowCount = int(rows.size());
    if (rowCount < 2 || columns < 2) return test;
    double chi2 = 0;
    for (const CalendarRow& r : rows) {
        for (int digit = 0; digit < 10; ++digit) {
            const double column = columnTotal[std::size_t(digit)];
            if (column <= 0) continue;
            const double expected = r.draws * column / total;
            if (expected < 5) test.rough = true;
            const double d = r.digits[std::size_t(position)][std::size_t(digit)] - expected;
            chi2 += d * d / expected;
        }
    }
    test.chi2 = chi2;
    test.df = (rowCount - 1) * (columns - 1);
    test.p = ChiSquareP(chi2, *test.df);
    return test;
}

CalendarFigures TallyCalendar(const DrawHistory& history, const ResultHistory& results, DrawRange range) {
    CalendarFigures f;
    f.coverage = CoverRange(history, range);
    std::vector<CalendarRow> weekdays(7), months(12);
    for (int i = 0; i < 7; ++i) weekdays[std::size_t(i)].key = i;
    for (int m = 0; m < 12; ++m) months[std::size_t(m)].key = m + 1;
    // Both lists ascend by draw number: one walk through the results.
    auto result = results.begin();
    for (const Draw& d : history) {
        if (!InRange(d, range) || !d.complete()) continue;
        while (result != results.end() && result->drawNo < d.drawNo) ++result;
        const bool hasResult = result != results.end() && result->drawNo == d.drawNo;
        if (!hasResult || result->date.empty()) {
            ++f.undated;
            continue;
        }
        if (result->dateEstimated) {
            ++f.estimated;
            continue;
        }
        const std::optional<CalendarDay> day = ParseCalendarDay(result->date);
        if (!day) {
            ++f.badDate;
            continue;
        }
        ++f.draws;
        Count(weekdays[std::size_t(WeekdayOf(day->year, day->month, day->day))], d);
        Count(months[std::size_t(day->month - 1)], d);
    }
    f.weekdays = RowsWithDraws(weekdays);
    f.months = RowsWithDraws(months);
    static constexpr std::array<std::string_view, 3> kPositions = {"第1数字", "第2数字", "第3数字"};
    for (int i = 0; i < 3; ++i) {
        f.tests[std::size_t(i)] = IndependenceTest("曜日×" + std::string(kPositions[std::size_t(i)]), f.weekdays, i);
        f.tests[std::size_t(i + 3)] = IndependenceTest("月×" + std::string(kPositions[std::size_t(i)]), f.months, i);
    }
    int tested = 0;
    for (const CalendarTest& t : f.tests)
        if (t.p) ++tested;
    for (CalendarTest& t : f.tests)
        if (t.p) t.adjustedP = std::min(1.0, *t.p * tested);
    return f;
}

}  // namespace n3
