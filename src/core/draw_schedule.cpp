#include "core/draw_schedule.h"

#include "core/calendar.h"

#include <ctime>

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

// WeekdayOf counts from Monday = 0.
bool DrawDay(const Ymd& t) { return WeekdayOf(t.y, t.m, t.d) < 5 && !NewYearBreak(t); }

Ymd NextDrawDay(Ymd t) {
    do t = NextDay(t);
    while (!DrawDay(t));
    return t;
}

std::string Format(const Ymd& t) {
    const auto two = [](int v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(t.y) + "-" + two(t.m) + "-" + two(t.d);
}

}  // namespace

bool IsCalendarDate(std::string_view date) { return Parse(date).has_value(); }

bool OnDrawSchedule(std::string_view date) {
    const auto t = Parse(date);
    return t && DrawDay(*t);
}

std::optional<std::string> NextScheduledDrawDate(std::string_view date) { return ScheduledDrawDateAfter(date, 1); }

std::optional<std::string> ScheduledDrawDateAfter(std::string_view date, int steps) {
    auto t = Parse(date);
    if (!t || steps < 1) return std::nullopt;
    for (int i = 0; i < steps; ++i) *t = NextDrawDay(*t);
    return Format(*t);
}

std::string TodayDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::string WeekdayName(std::string_view date) {
    static constexpr std::string_view names[7] = {"月", "火", "水", "木", "金", "土", "日"};
    const auto t = Parse(date);
    return t ? std::string(names[WeekdayOf(t->y, t->m, t->d)]) : std::string();
}

}  // namespace n3
