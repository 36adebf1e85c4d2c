#pragma once
// The ticket book as CSV: one purchase per line under a heading line,
// read back all or nothing.
#include <string>
#include <vector>

#include "tickets/ticket.h"

namespace n3 {

// Everything the book holds: the id the commands name a purchase by, and
// whether its winnings were collected (「済」, or empty).
inline constexpr const char* kTicketCsvHeading = "id,購入日,最初の回数,継続回数,番号,種類,口数,メモ,受け取り済み";
// The heading of books written before the id and 受け取り済み were carried;
// still read (every purchase then not collected, numbered when stored).
inline constexpr const char* kTicketCsvHeadingWithoutReceipt = "購入日,最初の回数,継続回数,番号,種類,口数,メモ";
inline constexpr const char* kReceivedMark = "済";

// UTF-8, lines ended by CR LF; a memo with a comma or a quote is quoted.
std::string WriteTicketCsv(const std::vector<Purchase>& book);

struct TicketCsvResult {
    std::vector<Purchase> purchases;  // empty when error is set
    int errorLine = 0;                // the line of the first bad record
    std::string error;                // why, in Japanese; empty when every line was read
    bool ok() const { return error.empty(); }
};

// Reads every line or none: the first bad line stops the reading and no
// purchase is returned. UTF-8 (with or without BOM) or Shift-JIS. An id
// read is kept in Purchase::id (0 when the line has none); two lines with
// the same id are refused.
TicketCsvResult ReadTicketCsv(const std::string& bytes);

}  // namespace n3
