#pragma once
// The rows of 当選結果 (or another game's results table of the same shape,
// platform/store/game_tables.h) as the stores of this folder read and write
// them on a connection, inside whatever transaction the caller holds.
#include <string>

#include "core/draw_result.h"
#include "core/game.h"
#include "platform/store/sql_statement.h"

struct sqlite3;

namespace n3 {

// Every row, ascending by 回数 and range-checked; StoreError names the file
// `path`, the draw and the reason.
ResultHistory ReadResultRows(sqlite3* db, const std::string& path, const Game& game = kNumbers3);

// Binds the row's fourteen values in the table's column order (回数,
// 抽せん日, the ten figures, 抽せん日推定, 支払期限) to parameters 1..14.
void BindResultRow(SqlStatement& q, const DrawResult& r);

// Writes whole rows: what a result does not know is stored unknown.
class ResultRowWriter {
public:
    explicit ResultRowWriter(sqlite3* db, const Game& game = kNumbers3);
    void put(const DrawResult& r);

private:
    SqlStatement put_;
};

// Brings the estimated dates in line with the stored draws and published
// dates (core/estimated_dates.h): a draw without a date gets the schedule's,
// a guess that no longer holds is corrected or cleared. Returns the rows
// written. A table with a row that cannot be read is left alone (0).
int WriteEstimatedDates(sqlite3* db, const std::string& path, const Game& game = kNumbers3);

}  // namespace n3
