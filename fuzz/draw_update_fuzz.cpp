// The update's readers on any bytes: the index (numbers.csv) and one
// draw's file (A100NNNN.CSV), then the fit against the draws stored around
// it, as platform/net/draw_updater.cpp runs them before it stores
// anything. The input is the index, a line "@@@@", then the draw's file (or
// the same bytes for both when there is no such line).
//
// Properties: the index lists each draw once, within 1–32767; a file the
// checks refuse gives nothing to store, with a clean short reason; a file
// they accept names its own draw with all three digits and a date of the
// draws' years; the import reads the same bytes to the same draw and
// results; what would be stored reads back the same through the results
// CSV; and a draw that does not fit its neighbours is not stored.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "core/calendar.h"
#include "fuzz_check.h"
#include "io/draw_fit.h"
#include "io/draw_update_index.h"
#include "io/fetched_draw_file.h"
#include "io/history_csv.h"
#include "io/results_csv_writer.h"

using namespace n3;
using n3::fuzz::Check;

namespace {

DrawResult Dated(int no, const char* date) {
    DrawResult r;
    r.drawNo = no;
    r.date = date;
    return r;
}

// What the database holds around the fetched draw: 7053 and 7056 dated.
const DrawHistory& StoredDraws() {
    static const DrawHistory draws = [] {
        DrawHistory h;
        for (int no : {7052, 7053, 7056}) {
            Draw d;
            d.drawNo = no;
            d.digits = {1, 2, 3};
            h.push_back(d);
        }
        return h;
    }();
    return draws;
}
const ResultHistory kStoredResults = {Dated(7052, "2026-08-18"), Dated(7053, "2026-08-19"), Dated(7056, "2026-08-25")};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find("\n@@@@\n");
    const std::string_view index = split == std::string_view::npos ? bytes : bytes.substr(0, split + 1);
    const std::string_view file = split == std::string_view::npos ? bytes : bytes.substr(split + 6);

    // The index and the plan made from it.
    const std::vector<int> listed = ParseDrawIndex(index);
    std::set<int> seen;
    for (const int no : listed) {
        Check(no >= 1 && no <= kMaxDrawNo, "a listed draw is within 1–32767");
        Check(seen.insert(no).second, "each draw listed once");
        Check(DrawFileName(no).size() <= 13, "a short file name");
    }
    const std::vector<int> plan = PlanDrawsToFetch(listed, StoredDraws(), kStoredResults);
    Check(std::is_sorted(plan.begin(), plan.end()) && std::adjacent_find(plan.begin(), plan.end()) == plan.end(),
          "the plan ascends without repeats");
    for (const int no : plan) Check(seen.count(no) == 1, "the plan fetches only listed draws");
    const std::size_t gap = FirstGapInPlan(plan, 7056);
    for (std::size_t i = 0; i < gap && i < plan.size(); ++i)
        Check(plan[i] <= 7056 + kMaxDrawGap * int(i + 1), "no draw before the gap jumps past the bound");

    // One draw's file, named after the first listed draw (7054 without one).
    const int drawNo = listed.empty() ? 7054 : listed.front();
    const FetchedDraw fetched = CheckFetchedDrawFile(file, drawNo);
    if (!fetched.ok()) {
        Check(fetched.draw.drawNo == 0 && !fetched.result, "a refused file gives nothing to store");
        n3::fuzz::CheckMessage(fetched.reason, 1200);
        return 0;
    }
    Check(fetched.draw.drawNo == drawNo && fetched.draw.complete(), "the file names its own draw, every digit known");
    if (fetched.result) {
        Check(fetched.result->drawNo == drawNo, "the results are the draw's own");
        Check(fetched.result->date.empty() || WithinDrawYears(fetched.result->date), "a date of the draws' years");
    }
    // The import reads the same bytes to the same draw.
    const CsvParseResult imported = ParseHistoryCsv(file);
    Check(imported.ok() && imported.draws.size() == 1 && imported.draws[0].drawNo == drawNo &&
              imported.draws[0].digits == fetched.draw.digits,
          "the import reads the same draw");
    const DrawResult* importedResult = FindResult(imported.results, drawNo);
    Check((importedResult == nullptr) == !fetched.result && (!importedResult || *importedResult == *fetched.result),
          "the import reads the same results");

    // The fit: a refused draw is not stored, an accepted one reads back.
    const std::string date = fetched.result ? fetched.result->date : std::string();
    const DrawFit fit = CheckDrawFits(drawNo, date, NeighboursOf(kStoredResults, drawNo), "2026-09-01");
    if (!fit.ok()) {
        n3::fuzz::CheckMessage(fit.refusal, 600);
        Check(!date.empty(), "only a date can fail to fit");
        return 0;
    }
    if (!date.empty()) {
        const DrawNeighbours around = NeighboursOf(kStoredResults, drawNo);
        Check(around.previousDate.empty() || date > around.previousDate, "after the draw before it");
        Check(around.nextDate.empty() || date < around.nextDate, "before the draw after it");
        Check(date <= "2026-09-02" && date >= kFirstDrawDate, "not after tomorrow, not before the first draw");
    }
    DrawHistory stored = {fetched.draw};
    ResultHistory storedResults;
    if (fetched.result && !fetched.result->empty()) storedResults.push_back(*fetched.result);
    const std::string written = WriteResultsCsv(stored, storedResults);
    const CsvParseResult back = ParseHistoryCsv(written);
    Check(back.ok() && back.draws.size() == 1 && back.draws[0].digits == fetched.draw.digits,
          "the stored draw reads back", written);
    for (const DrawResult& r : storedResults) {
        const DrawResult* again = FindResult(back.results, r.drawNo);
        // The claim deadline lives in the database, not in the results file.
        DrawResult withoutDeadline = r;
        withoutDeadline.claimDeadline.clear();
        Check(again != nullptr && *again == withoutDeadline, "the stored results read back identical", written);
    }
    return 0;
}
