#pragma once
// The ticket book's check as text, CSV or JSON: every purchase × draw
// outcome, then the months and the whole book. The Write forms put each
// line out as it is made, so a long book never stands whole in memory.
#include <ostream>
#include <string>
#include <vector>

#include "tickets/ticket_summary.h"

namespace n3 {

struct TicketReport {
    const std::vector<Purchase>& book;
    const std::vector<DrawOutcome>& outcomes;
    const BookSummary& summary;
    // For the claim deadline of each winning draw (tickets/claim_deadline.h);
    // none when null.
    const ResultHistory* results = nullptr;
    std::string today = {};  // YYYY-MM-DD, for 期限切れ
};

void WriteTicketReportText(const TicketReport& r, std::ostream& out);
void WriteTicketReportCsv(const TicketReport& r, std::ostream& out);
void WriteTicketReportJson(const TicketReport& r, std::ostream& out);
std::string TicketReportText(const TicketReport& r);
std::string TicketReportCsv(const TicketReport& r);
std::string TicketReportJson(const TicketReport& r);

// One line per purchase, for `tickets list`.
std::string TicketListText(const std::vector<Purchase>& book);

// The yen of an outcome as the book shows it: the prize, "0", or "" when
// it is not known (not drawn, prize unknown).
std::string OutcomeYenText(const DrawOutcome& o);

}  // namespace n3
