// The history reader on any bytes: every accepted row is in range and
// unique, a refusal names a line and has a clean short reason, and what
// was accepted, written in the program's own format, reads back identical.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "fuzz_check.h"
#include "io/history_csv.h"

using namespace n3;
using n3::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CsvParseResult parsed = ParseHistoryCsv(bytes);
    if (!parsed.ok()) {
        Check(parsed.draws.empty(), "a refused file gives no draws");
        const std::size_t lines = std::size_t(std::count(bytes.begin(), bytes.end(), '\n') +
                                              std::count(bytes.begin(), bytes.end(), '\r') + 1);
        Check(parsed.error->line >= 1 && std::size_t(parsed.error->line) <= lines, "the line is in the file");
        n3::fuzz::CheckMessage(parsed.error->reason, 1000);
        return 0;
    }
    std::set<int> seen;
    for (const Draw& d : parsed.draws) {
        Check(d.drawNo >= 1 && d.drawNo <= kMaxDrawNo, "draw number in range");
        Check(seen.insert(d.drawNo).second, "draw numbers unique");
        for (const auto& digit : d.digits) Check(!digit || (*digit >= 0 && *digit <= 9), "digit in range");
    }

    DrawHistory history = parsed.draws;
    std::sort(history.begin(), history.end(), [](const Draw& a, const Draw& b) { return a.drawNo < b.drawNo; });
    const std::string written = WriteHistoryCsv(history);
    const CsvParseResult again = ParseHistoryCsv(written);
    Check(again.ok(), "the export reads back", written);
    Check(again.draws.size() == history.size(), "the export reads back whole", written);
    for (std::size_t i = 0; i < history.size(); ++i)
        Check(again.draws[i].drawNo == history[i].drawNo && again.draws[i].digits == history[i].digits,
              "the export reads back identical", written);
    Check(WriteHistoryCsv(again.draws) == written, "a second export is the same bytes");
    return 0;
}
