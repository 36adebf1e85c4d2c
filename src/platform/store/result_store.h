#pragma once
// The table 当選結果 beside 当選データ: the date and the prizes of each
// draw, read for the windows and written by imports together with the
// draws, in one transaction on the DrawStore's connection.
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"
#include "platform/store/draw_store.h"

namespace n3 {

// Every row of 当選結果, ascending by 回数.
ResultHistory ReadResults(const DrawStore& store);

// A draw whose digits in the file differ from the stored ones.
struct DigitConflict {
    int drawNo = 0;
    std::string stored;  // e.g. "048"; "?" for an unknown digit
    std::string incoming;
};

struct ResultImport {
    ImportCounts counts;
    int results = 0;  // rows of 当選結果 given to the import
    // Of them, rows that now hold something they did not hold before (a row
    // already as the file says, stored by another program perhaps, is not).
    int changedResults = 0;
    // Filled (and nothing written) when the file's digits disagree with
    // stored draws and replacing was not allowed.
    std::vector<DigitConflict> conflicts;
    bool ok() const { return conflicts.empty(); }
};

// Stores the draws and their results in one transaction, all or nothing.
// A stored draw whose known digits differ from the file's stops the import
// unless `replaceDiffering`, whatever columns the file has. A draw whose
// digits are replaced loses its stored results (they were published for
// the old digits); results the same file brings for it are stored fresh.
// Otherwise results merge into a stored row: a figure the file leaves
// unknown keeps the stored one, unless `replaceResults`: then each row the
// file brings replaces the stored one whole.
ResultImport ImportDrawsAndResults(DrawStore& store, const std::vector<Draw>& draws, const ResultHistory& results,
                                   bool replaceDiffering, bool replaceResults = false);

// "第7053回：データベースでは「919」、ファイルでは「918」" for the first few
// conflicts, and how many more there are.
std::string DescribeConflicts(const std::vector<DigitConflict>& conflicts);

}  // namespace n3
