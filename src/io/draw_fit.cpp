#include "io/draw_fit.h"

#include <chrono>
#include <cstdio>
#include <optional>

#include "core/calendar.h"
#include "core/draw_schedule.h"

namespace n3 {

namespace {

std::string DrawName(int no) { return "第" + std::to_string(no) + "回"; }

}  // namespace

DrawNeighbours NeighboursOf(const ResultHistory& results, int drawNo) {
    DrawNeighbours around;
    for (const DrawResult& r : results) {
        // A date worked out from the schedule is what the fetched file
        // corrects, never a bound on it.
        if (r.date.empty() || r.dateEstimated || r.drawNo == drawNo) continue;
        if (r.drawNo < drawNo) {
            around.previousNo = r.drawNo;
            around.previousDate = r.date;
        } else {
            around.nextNo = r.drawNo;
            around.nextDate = r.date;
            break;
        }
    }
    return around;
}

std::string DayAfter(std::string_view isoDate) {
    int y = 0, m = 0, d = 0;
    if (isoDate.size() != 10 || std::sscanf(std::string(isoDate).c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3)
        return std::string(isoDate);
    const std::chrono::year_month_day day{std::chrono::year(y), std::chrono::month(unsigned(m)),
                                          std::chrono::day(unsigned(d))};
    if (!day.ok()) return std::string(isoDate);
    const std::chrono::year_month_day next{std::chrono::sys_days(day) + std::chrono::days(1)};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(next.year()), unsigned(next.month()), unsigned(next.day()));
    return text;
}

DrawFit CheckDrawFits(int drawNo, const std::string& date, const DrawNeighbours& around, std::string_view today) {
    DrawFit fit;
    if (date.empty()) return fit;
    const std::string named = DrawName(drawNo) + "の抽せん日 " + date;
    const std::string tomorrow = DayAfter(today);
    if (date < kFirstDrawDate)
        fit.refusal = named + " は最初の抽せん（" + std::string(kFirstDrawDate) + "）より前です";
    else if (!around.previousDate.empty() && date <= around.previousDate)
        fit.refusal =
            named + " が、前の" + DrawName(around.previousNo) + "（" + around.previousDate + "）より後ではありません";
    else if (!around.nextDate.empty() && date >= around.nextDate)
        fit.refusal = named + " が、後の" + DrawName(around.nextNo) + "（" + around.nextDate + "）より前ではありません";
    else if (date > tomorrow)
        fit.refusal = named + " はまだ来ていない日です（今日は " + std::string(today) + "）";
    if (!fit.ok() || date < kScheduleFirstDate) return fit;
    if (!around.previousDate.empty() && around.previousDate >= kScheduleFirstDate) {
        const std::optional<std::string> expected =
            ScheduledDrawDateAfter(around.previousDate, drawNo - around.previousNo);
        if (expected && *expected != date) fit.note = named + " は予定の抽せん日（" + *expected + "）と違います";
    } else if (!OnDrawSchedule(date)) {
        fit.note = named + " は予定の抽せん日（月〜金、12月31日〜1月3日を除く）ではありません";
    }
    return fit;
}

}  // namespace n3
