#pragma once
// The table 当選結果 beside 当選データ: the date and the prizes of each
// draw, read for the windows and written by imports together with the
// draws, in one transaction on the DrawStore's connection.
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"
#include "core/result_fill_in.h"
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
    // ResultMerge::FillIn: figures that were unknown and are now known,
    // differing figures replaced (replaceDiffering), and differing figures
    // kept, one entry per draw and field.
    int filled = 0;
    int replacedFigures = 0;
    std::vector<ResultDifference> differences;
    // With replaceDiffering: the differing figures replaced, for the report.
    std::vector<ResultDifference> replacedDifferences;
    int estimated = 0;  // rows whose estimated date was written or cleared
    bool ok() const { return conflicts.empty(); }
};

// How a file's results meet the stored ones.
enum class ResultMerge {
    // A figure the file gives replaces the stored one (a file the user
    // chose, the updater).
    FileFirst,
    // Only what a draw does not know yet is taken; a differing stored
    // figure is kept and reported, or replaced with replaceDiffering (the
    // shipped results).
    FillIn,
    // Each row the file brings replaces the stored row whole (a draw
    // fetched again to correct what was stored).
    WholeRows,
};

// Stores the draws and their results in one transaction, all or nothing.
// A stored draw whose known digits differ from the file's stops the import
// unless `replaceDiffering`, whatever columns the file has. A draw whose
// digits are replaced loses its stored results (they were published for
// the old digits); results the same file brings for it are stored fresh.
// Otherwise results merge into a stored row: a figure the file leaves
// unknown keeps the stored one (ResultMerge::WholeRows: each row the file
// brings replaces the stored one whole).
// After every write the estimated dates follow (core/estimated_dates.h).
ResultImport ImportDrawsAndResults(DrawStore& store, const std::vector<Draw>& draws, const ResultHistory& results,
                                   bool replaceDiffering, ResultMerge merge = ResultMerge::FileFirst);

// The shipped results filled into a database an earlier version made: no
// draw is added or changed, only the results of draws stored with the same
// digits, and a differing stored figure is kept and reported. One
// transaction.
ResultImport FillInResults(DrawStore& store, const std::vector<Draw>& draws, const ResultHistory& results);

// One draw's result as the user typed it, the whole row (a published date).
// Throws StoreError when the database refuses it; nothing changes then.
void StoreResult(DrawStore& store, const DrawResult& result);

// The estimated dates brought in line after the draws changed (outside a
// transaction of the caller's, or inside one); the rows written.
int RefreshEstimatedDates(DrawStore& store);

// "第7053回：データベースでは「919」、ファイルでは「918」" for the first few
// conflicts, and how many more there are.
std::string DescribeConflicts(const std::vector<DigitConflict>& conflicts);

}  // namespace n3
