#include "core/draw_schedule.h"

#include <cstdio>

#include "core/calendar.h"

namespace n3 {
namespace {
bool Leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int DaysIn(int y, int m) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && Leap(y) ? 29 : days[m - 1];
}
bool Parse(std::string_view s, int& y, int& m, int& d) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (s[i] < '0' || s[i] > '9') return false;
    y = (s[0] - '0') * 1000 + (s[1] - '0') * 100 + (s[2] - '0') * 10 + (s[3] - '0');
    m = (s[5] - '0') * 10 + (s[6] - '0');
    d = (s[8] - '0') * 10 + (s[9] - '0');
    return m >= 1 && m <= 12 && d >= 1 && d <= DaysIn(y, m);
}
bool Drawn(int y, int m, int d) {
    if ((m == 12 && d == 31) || (m == 1 && d <= 3)) return false;
    return WeekdayOf(y, m, d) < 5;
}
}  // namespace
std::string NextScheduledDrawDate(std::string_view date) {
    int y, m, d;
    if (!Parse(date, y, m, d)) return {};
    do {
        if (++d > DaysIn(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    } while (!Drawn(y, m, d));
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}
bool OnDrawSchedule(std::string_view date) {
    int y, m, d;
    return Parse(date, y, m, d) && date >= "2004-07-01" && Drawn(y, m, d);
}
}  // namespace n3
