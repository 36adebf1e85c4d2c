#include "lab/next_draw_date.h"

#include "core/draw_schedule.h"
#include "lab/next_draw.h"

namespace n3 {

NextDrawDate NextDrawOn(const DrawHistory& history, const ResultHistory& results, std::string_view today,
                        const Game& game) {
    NextDrawDate next;
    const int latest = LatestCompleteDraw(history, game);
    next.drawNo = latest + 1;
    // The schedule counted on from the newest dated draw up to the latest:
    // a typed draw without a date still gets its next draw's date.
    for (auto r = results.rbegin(); r != results.rend(); ++r) {
        if (r->drawNo > latest || r->date.empty() || !IsCalendarDate(r->date)) continue;
        next.date = ScheduledDrawDateAfter(r->date, next.drawNo - r->drawNo);
        break;
    }
    if (!next.date || !IsCalendarDate(today) || *next.date >= today) return next;
    // Every scheduled draw up to today's is missing; the next is the first after today.
    next.missingFrom = next.drawNo;
    std::optional<std::string> date = next.date;
    while (date && *date <= today) {
        ++next.missing;
        date = NextScheduledDrawDate(*date);
    }
    next.drawNo += next.missing;
    next.date = date;
    return next;
}

std::string MissingDrawsText(const NextDrawDate& next) {
    if (next.missing <= 0) return {};
    return "第" + std::to_string(next.missingFrom) + "回から約" + std::to_string(next.missing) +
           "回分のデータがありません。最新の当選データを取得してください";
}

}  // namespace n3
