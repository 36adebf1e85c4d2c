#include "io/result_date.h"

#include <array>
#include <cstdio>

#include "core/calendar.h"

namespace n3 {

namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"月", "火", "水", "木", "金", "土", "日"};

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

bool EndsWith(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    return s;
}

// Drops a weekday after the date: "(木)", "木曜日", "木曜", "(木曜日)".
// `weekday` receives its number (0 = Monday), or -1 when there is none.
std::string_view DropWeekday(std::string_view s, int& weekday) {
    weekday = -1;
    s = TrimSpaces(s);
    const bool paren = EndsWith(s, ")");
    std::string_view inner = paren ? s.substr(0, s.size() - 1) : s;
    bool named = paren;  // a bare 日 ends every 年月日 date: only "(日)" or "日曜" is a weekday
    for (std::string_view tail : {"曜日", "曜"})
        if (EndsWith(inner, tail)) {
            inner.remove_suffix(tail.size());
            named = true;
            break;
        }
    if (!named) return s;
    for (std::size_t i = 0; i < kWeekdays.size(); ++i) {
        const std::string_view day = kWeekdays[i];
        if (!EndsWith(inner, day)) continue;
        std::string_view rest = inner.substr(0, inner.size() - day.size());
        if (paren) {
            if (!EndsWith(rest, "(")) return s;
            rest.remove_suffix(1);
        }
        weekday = int(i);
        return TrimSpaces(rest);
    }
    return s;
}

std::string_view DropWeekday(std::string_view s) {
    int weekday = -1;
    return DropWeekday(s, weekday);
}

// Reads a run of ASCII digits (at most 4) at the front of s.
std::optional<int> TakeNumber(std::string_view& s) {
    int value = 0;
    std::size_t n = 0;
    while (n < s.size() && n < 4 && s[n] >= '0' && s[n] <= '9') value = value * 10 + (s[n++] - '0');
    if (n == 0) return std::nullopt;
    s.remove_prefix(n);
    return value;
}

bool Take(std::string_view& s, std::string_view mark) {
    if (!StartsWith(s, mark)) return false;
    s.remove_prefix(mark.size());
    return true;
}

bool RealDate(int y, int m, int d) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1900 || y > 2999 || m < 1 || m > 12 || d < 1) return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kDays[std::size_t(m - 1)] + (m == 2 && leap ? 1 : 0);
}

std::string Format(int y, int m, int d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

}  // namespace

bool IsDateWithoutYear(std::string_view text) {
    std::string_view s = DropWeekday(text);
    const auto month = TakeNumber(s);
    if (!month) return false;
    std::optional<int> day;
    if (Take(s, "月")) {
        day = TakeNumber(s);
        if (!day || !Take(s, "日")) return false;
    } else if (Take(s, "/") || Take(s, "-")) {
        day = TakeNumber(s);
    }
    return day && s.empty() && RealDate(2000, *month, *day);
}

std::optional<std::string> ParseResultDate(std::string_view text) {
    int weekday = -1;
    std::string_view s = DropWeekday(text, weekday);
    // The era, if any: its first year in the western calendar, and the
    // dates it covers (平成 ended on 2019-04-30, 令和 began the next day).
    struct Era {
        std::string_view mark;
        int base;
        std::string_view first, last;
    };
    static constexpr Era kEras[] = {{"令和", 2018, "2019-05-01", "9999-12-31"},
                                    {"平成", 1988, "1989-01-08", "2019-04-30"},
                                    {"R", 2018, "2019-05-01", "9999-12-31"},
                                    {"H", 1988, "1989-01-08", "2019-04-30"}};
    const Era* era = nullptr;
    for (const Era& e : kEras)
        if (Take(s, e.mark)) {
            era = &e;
            break;
        }
    std::optional<int> year;
    if (era != nullptr && Take(s, "元"))
        year = 1;
    else
        year = TakeNumber(s);
    if (!year) return std::nullopt;

    // The separators: 年/月/日, or one of - / . used twice.
    std::optional<int> month, day;
    if (Take(s, "年")) {
        month = TakeNumber(s);
        if (!month || !Take(s, "月")) return std::nullopt;
        day = TakeNumber(s);
        if (!day || !Take(s, "日")) return std::nullopt;
    } else {
        for (std::string_view sep : {"-", "/", "."}) {
            if (!Take(s, sep)) continue;
            month = TakeNumber(s);
            if (!month || !Take(s, sep)) return std::nullopt;
            day = TakeNumber(s);
            break;
        }
        if (!day) return std::nullopt;
    }
    if (!s.empty()) return std::nullopt;
    const int y = era != nullptr ? era->base + *year : *year;
    if (era != nullptr && (*year < 1 || *year > 99)) return std::nullopt;
    if (!RealDate(y, *month, *day)) return std::nullopt;
    std::string iso = Format(y, *month, *day);
    if (era != nullptr && (iso < era->first || iso > era->last)) return std::nullopt;
    if (!WithinDrawYears(iso)) return std::nullopt;
    if (weekday >= 0 && weekday != WeekdayOf(y, *month, *day)) return std::nullopt;
    return iso;
}

}  // namespace n3
