#include "lab/next_draw_date.h"

#include "tickets/ticket.h"

namespace n3 {

namespace {

struct Ymd {
    int y, m, d;
};

std::optional<Ymd> Parse(std::string_view date) {
    if (!IsValidDate(date)) return std::nullopt;
    const auto num = [&](std::size_t at, std::size_t len) {
        int v = 0;
        for (std::size_t i = at; i < at + len; ++i) v = v * 10 + (date[i] - '0');
        return v;
    };
    return Ymd{num(0, 4), num(5, 2), num(8, 2)};
}

bool Leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && Leap(y) ? 29 : days[m - 1];
}

Ymd NextDay(Ymd t) {
    if (++t.d > DaysIn(t.y, t.m)) {
        t.d = 1;
        if (++t.m > 12) {
            t.m = 1;
            ++t.y;
        }
    }
    return t;
}

bool NewYearBreak(const Ymd& t) { return (t.m == 12 && t.d == 31) || (t.m == 1 && t.d <= 3); }

}  // namespace

int WeekdayOf(int y, int m, int d) {
    // Sakamoto's method.
    static constexpr int offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) --y;
    return (y + y / 4 - y / 100 + y / 400 + offsets[m - 1] + d) % 7;
}

std::string WeekdayName(std::string_view date) {
    static constexpr std::string_view names[7] = {"日", "月", "火", "水", "木", "金", "土"};
    const auto t = Parse(date);
    return t ? std::string(names[WeekdayOf(t->y, t->m, t->d)]) : std::string();
}

std::optional<std::string> NextDrawDate(std::string_view date) {
    auto t = Parse(date);
    if (!t) return std::nullopt;
    Ymd next = NextDay(*t);
    for (;;) {
        const int weekday = WeekdayOf(next.y, next.m, next.d);
        if (weekday != 0 && weekday != 6 && !NewYearBreak(next)) break;
        next = NextDay(next);
    }
    const auto two = [](int v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(next.y) + "-" + two(next.m) + "-" + two(next.d);
}

}  // namespace n3
