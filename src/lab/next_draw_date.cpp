#include "lab/next_draw_date.h"

namespace n3 {

namespace {

struct Ymd {
    int y, m, d;
};

bool Leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && Leap(y) ? 29 : days[m - 1];
}

std::optional<Ymd> Parse(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int k = 0; k < 3; ++k)
        for (std::size_t i = starts[k]; i < starts[k] + lengths[k]; ++i) {
            if (date[i] < '0' || date[i] > '9') return std::nullopt;
            parts[k] = parts[k] * 10 + (date[i] - '0');
        }
    const Ymd t{parts[0], parts[1], parts[2]};
    if (t.y < 1900 || t.m < 1 || t.m > 12 || t.d < 1 || t.d > DaysIn(t.y, t.m)) return std::nullopt;
    return t;
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

bool IsDrawDate(std::string_view date) { return Parse(date).has_value(); }

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
