#include "core/estimated_dates.h"

#include "core/calendar.h"
#include "core/draw_schedule.h"

namespace n3 {

std::vector<std::pair<int, std::string>> ScheduleEstimates(const std::vector<int>& drawNos,
                                                           const ResultHistory& results) {
    std::vector<std::pair<int, std::string>> estimates;
    auto published = results.begin();
    int countedNo = 0;  // the draw `countedDate` belongs to; 0 before any anchor
    std::string countedDate;
    for (const int n : drawNos) {
        while (published != results.end() && published->drawNo < n) ++published;
        if (published != results.end() && published->drawNo == n && !published->date.empty() &&
            !published->dateEstimated) {
            if (published->date >= kScheduleFirstDate && OnDrawSchedule(published->date)) {
                countedNo = n;
                countedDate = published->date;
            } else {
                countedNo = 0;
            }
            continue;
        }
        if (countedNo == 0) continue;
        const std::string date = ScheduledDrawDateAfter(countedDate, n - countedNo).value_or(std::string());
        if (date.empty() || date > kLastAcceptedDate) {
            countedNo = 0;
            continue;
        }
        countedNo = n;
        countedDate = date;
        estimates.emplace_back(n, date);
    }
    return estimates;
}

}  // namespace n3
