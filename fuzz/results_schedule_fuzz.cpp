// The one check before results are written (io/results_schedule_check.h) on
// any file the results readers accept, against a stored history whose dates
// follow the draw schedule: what it lets through without a question keeps
// the dates in order, on the schedule and not in the future; a refusal is a
// clean short message; the gaps it names hold no draw. The first byte picks
// whether published dates may be replaced.
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "core/draw_schedule.h"
#include "fuzz_check.h"
#include "io/history_csv.h"
#include "io/results_schedule_check.h"

using namespace n3;
using n3::fuzz::Check;

namespace {

constexpr std::string_view kToday = "2026-09-01";

// Draws 7040..7053, dated as the schedule gives them, 7053 on 2026-08-20.
ResultHistory StoredResults() {
    ResultHistory stored;
    for (int no = 7040; no <= 7053; ++no) {
        DrawResult r;
        r.drawNo = no;
        r.date = no == 7040 ? "2026-08-06" : *ScheduledDrawDateAfter(stored.back().date, 1);
        stored.push_back(r);
    }
    return stored;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool replace = data[0] & 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const CsvParseResult parsed = ParseHistoryCsv(bytes);
    if (!parsed.ok()) return 0;
    static const ResultHistory stored = StoredResults();
    const ScheduleCheck check = CheckResultsSchedule(stored, 7053, parsed.draws, parsed.results, replace, kToday);
    if (!check.ok()) {
        n3::fuzz::CheckMessage(check.refusal, 1000);
        return 0;
    }
    for (const std::string& note : check.offSchedule) n3::fuzz::CheckMessage(note, 1000);

    // The published dates after the write, worked out again here.
    std::map<int, std::pair<std::string, bool>> dated;  // date, brought by the file
    for (const DrawResult& r : stored) dated[r.drawNo] = {r.date, false};
    for (const DrawResult& r : parsed.results) {
        if (r.date.empty() || r.dateEstimated) continue;
        if (dated.count(r.drawNo) && !dated[r.drawNo].second && !replace) continue;
        dated[r.drawNo] = {r.date, true};
    }
    const std::string* previous = nullptr;
    int previousNo = 0;
    for (const auto& [no, entry] : dated) {
        const std::string& date = entry.first;
        if (previous) Check(date > *previous, "the dates rise with the draw numbers", date);
        if (entry.second) Check(date <= "2026-09-02", "no date after tomorrow", date);
        // Without a question, a brought date is the one the schedule gives.
        if (entry.second && check.offSchedule.empty() && previous && *previous >= kScheduleFirstDate) {
            const auto expected = ScheduledDrawDateAfter(*previous, no - previousNo);
            Check(expected && *expected == date, "a date let through without a question is on the schedule", date);
        }
        previous = &date;
        previousNo = no;
    }

    std::set<int> numbers;
    for (const DrawResult& r : stored) numbers.insert(r.drawNo);
    for (const Draw& d : parsed.draws) numbers.insert(d.drawNo);
    for (const DrawGap& gap : check.gaps) {
        Check(gap.first > 7053 && gap.first <= gap.last, "a gap lies after the newest stored draw");
        const auto inside = numbers.lower_bound(gap.first);
        Check(inside == numbers.end() || *inside > gap.last, "a gap holds no draw");
    }
    return 0;
}
