// The results readers (a results CSV or the bank's per-draw file, told
// apart by their content) on any bytes: a refusal names a line and has a
// clean short reason; accepted figures and dates are within the bounds the
// database keeps; what `export --results` writes of them reads back to
// the same draws and results.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/calendar.h"
#include "fuzz_check.h"
#include "io/history_csv.h"
#include "io/results_csv_writer.h"

using namespace n3;
using n3::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CsvParseResult parsed = ParseHistoryCsv(bytes);
    if (!parsed.ok()) {
        Check(parsed.draws.empty() && parsed.results.empty(), "a refused file gives nothing");
        const std::size_t lines = std::size_t(std::count(bytes.begin(), bytes.end(), '\n') +
                                              std::count(bytes.begin(), bytes.end(), '\r') + 1);
        Check(parsed.error->line >= 1 && std::size_t(parsed.error->line) <= lines, "the line is in the file");
        n3::fuzz::CheckMessage(parsed.error->reason, 1000);
        return 0;
    }
    for (const DrawResult& r : parsed.results) {
        Check(r.drawNo >= 1 && r.drawNo <= kMaxDrawNo, "result draw number in range");
        Check(r.date.empty() || WithinDrawYears(r.date), "a date of the draws' years", r.date);
        for (const Prize& p : r.prizes) {
            Check(!p.yen || (*p.yen >= 0 && *p.yen <= kMaxPrizeYen), "a prize within its bound");
            Check(!p.winners || (*p.winners >= 0 && *p.winners <= kMaxWinners), "winners within their bound");
        }
    }
    if (!parsed.carriesResults) return 0;

    // What the database would hold: the draws in order, and a result only
    // for a stored draw.
    DrawHistory history = parsed.draws;
    std::sort(history.begin(), history.end(), [](const Draw& a, const Draw& b) { return a.drawNo < b.drawNo; });
    ResultHistory results;
    for (const DrawResult& r : parsed.results)
        if (FindResult(parsed.results, r.drawNo) == &r &&
            std::any_of(history.begin(), history.end(), [&](const Draw& d) { return d.drawNo == r.drawNo; }))
            results.push_back(r);
    std::sort(results.begin(), results.end(),
              [](const DrawResult& a, const DrawResult& b) { return a.drawNo < b.drawNo; });

    const std::string written = WriteResultsCsv(history, results);
    const CsvParseResult again = ParseHistoryCsv(written);
    Check(again.ok(), "the export reads back", written);
    Check(again.draws.size() == history.size(), "every draw reads back", written);
    for (std::size_t i = 0; i < history.size(); ++i)
        Check(again.draws[i].drawNo == history[i].drawNo && again.draws[i].digits == history[i].digits,
              "the draws read back identical", written);
    for (const DrawResult& r : results) {
        // The claim deadline of a bank file lives in the database, not in
        // the results file; a result that knew nothing else writes no row.
        DrawResult withoutDeadline = r;
        withoutDeadline.claimDeadline.clear();
        const DrawResult* back = FindResult(again.results, r.drawNo);
        if (withoutDeadline.empty()) {
            Check(back == nullptr || back->empty(), "a result of only a deadline writes no figures", written);
            continue;
        }
        Check(back != nullptr && *back == withoutDeadline, "the results read back identical", written);
    }
    Check(WriteResultsCsv(again.draws, again.results) == written, "a second export is the same bytes", written);
    return 0;
}
