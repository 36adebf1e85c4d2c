// The ticket book reader on any bytes: a refusal names a line and has a
// clean short reason; every accepted purchase keeps the book's rules and
// bounds; the book written out reads back identical, and its check and
// sums stay within their bounds (no overflow, UBSan watching).
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "tickets/ticket_check.h"
#include "tickets/ticket_csv.h"
#include "tickets/ticket_summary.h"

using namespace n3;
using n3::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TicketCsvResult parsed = ReadTicketCsv(bytes);
    if (!parsed.ok()) {
        Check(parsed.purchases.empty(), "a refused file gives no purchases");
        const std::size_t lines = std::size_t(std::count(bytes.begin(), bytes.end(), '\n') +
                                              std::count(bytes.begin(), bytes.end(), '\r') + 1);
        Check(parsed.errorLine >= 1 && std::size_t(parsed.errorLine) <= lines, "the line is in the file");
        n3::fuzz::CheckMessage(parsed.error, 1000);
        return 0;
    }
    Check(parsed.purchases.size() <= std::size_t(kMaxPurchases), "the book within its bound");
    for (const Purchase& p : parsed.purchases) {
        Check(PurchaseError(p).empty(), "an accepted purchase keeps the rules", p.番号);
        Check(NewMemoError(p.メモ).empty(), "an accepted memo keeps the rules", p.メモ);
    }

    const std::string written = WriteTicketCsv(parsed.purchases);
    const TicketCsvResult again = ReadTicketCsv(written);
    Check(again.ok(), "the export reads back", written);
    Check(again.purchases == parsed.purchases, "the export reads back identical", written);
    Check(WriteTicketCsv(again.purchases) == written, "a second export is the same bytes");

    // Every covered draw drawn 000..999 in turn with the largest prizes.
    DrawHistory history;
    ResultHistory results;
    for (int no = 1; no <= kMaxDrawNo; ++no) {
        Draw d;
        d.drawNo = no;
        d.digits = {no / 100 % 10, no / 10 % 10, no % 10};
        history.push_back(d);
        DrawResult r;
        r.drawNo = no;
        for (Prize& prize : r.prizes) prize = Prize{kMaxWinners, kMaxPrizeYen};
        results.push_back(r);
    }
    const std::vector<DrawOutcome> outcomes = CheckBook(parsed.purchases, history, results);
    std::size_t covered = 0;
    for (const Purchase& p : parsed.purchases) covered += std::size_t(p.継続回数);
    Check(outcomes.size() == covered, "one outcome per covered draw");
    const BookSummary summary = Summarise(parsed.purchases, outcomes);
    Check(summary.totals.spent >= 0 && summary.totals.won >= 0, "sums never wrap");
    Check(summary.totals.purchases == int(parsed.purchases.size()), "every purchase counted");
    return 0;
}
