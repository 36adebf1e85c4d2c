#pragma once
// Stand-in until the shared draw-date rule lands (replaced at merge).
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

namespace n3 {

inline bool OnDrawSchedule(std::string_view date) {
    int y = 0, m = 0, d = 0;
    if (date.size() != 10 || std::sscanf(std::string(date).c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3) return false;
    const std::chrono::year_month_day day{std::chrono::year(y), std::chrono::month(unsigned(m)),
                                          std::chrono::day(unsigned(d))};
    if (!day.ok()) return false;
    if ((m == 12 && d == 31) || (m == 1 && d <= 3)) return false;
    const std::chrono::weekday w{std::chrono::sys_days(day)};
    return w != std::chrono::Saturday && w != std::chrono::Sunday;
}

inline std::string NextScheduledDrawDate(std::string_view date) {
    int y = 0, m = 0, d = 0;
    if (date.size() != 10 || std::sscanf(std::string(date).c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3) return {};
    std::chrono::year_month_day day{std::chrono::year(y), std::chrono::month(unsigned(m)),
                                    std::chrono::day(unsigned(d))};
    if (!day.ok()) return {};
    for (int i = 0; i < 10; ++i) {
        day = std::chrono::year_month_day{std::chrono::sys_days(day) + std::chrono::days(1)};
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(day.year()), unsigned(day.month()), unsigned(day.day()));
        if (OnDrawSchedule(text)) return text;
    }
    return {};
}

}  // namespace n3
