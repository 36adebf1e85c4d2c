#pragma once
// Filling in a stored draw result from a complete table (the shipped
// results): what the stored row does not know is taken, what it knows
// differently is kept and reported, or taken too when the caller says so.
// An estimated date is no value of the user's: a published one replaces it.
#include <string>
#include <string_view>
#include <vector>

#include "core/draw_result.h"

namespace n3 {

// One figure the stored row gives differently from the incoming one.
struct ResultDifference {
    int drawNo = 0;
    std::string field;  // "抽せん日", "ストレート 口数", "ミニ 当せん金額", "支払期限"
    std::string stored;
    std::string incoming;
};

struct FilledResult {
    DrawResult result;                          // the row to store
    int filled = 0;                             // figures that were unknown and are now known
    int replaced = 0;                           // differing figures that took the incoming value
    std::vector<ResultDifference> differences;  // differing figures kept (not replaced)
    bool changed() const { return filled + replaced > 0; }
};

// `stored` may be null (no row yet). A stored winner count of 0 beside an
// unknown prize is a list's "no figure", not a count: when the prize is
// filled in, the 0 goes with it.
FilledResult FillIn(const DrawResult* stored, const DrawResult& incoming, bool replaceDiffering);

// "第6809回 ミニ 当せん金額：データベースでは「7,800円」、同梱のデータでは「7,900円」"
// for the first few differences, one line each, and how many more there are;
// `incomingName` names where the incoming values come from.
std::string DescribeDifferences(const std::vector<ResultDifference>& differences, std::size_t shown = 20,
                                std::string_view incomingName = "同梱のデータ");

}  // namespace n3
