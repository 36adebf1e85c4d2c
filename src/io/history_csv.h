#pragma once
// The history as CSV text, read in one step by the command-line tool and the
// desktop program alike.
//
// Written: the program's own format, UTF-8, CR LF, the header first
//   回数,第1数字,第2数字,第3数字
// then one draw a line; a digit field is empty when the digit is unknown.
//
// Read: a header line, then one draw a row. The header names the columns
// (history_csv_columns.h lists every name accepted), so the program's own
// format and the shape in which result lists are published both read:
//   回号,抽せん日,当せん番号,ストレート当せん金額
//   第6798回,2025/08/25,048,"90,400"
// - Encoding: UTF-8 with or without BOM; bytes that are not UTF-8 are read
//   as Shift-JIS (CP932). Anything else is refused.
// - Fields: commas between; "..." quotes a field, "" in it is one quote.
//   Blanks around a field (the ideographic space too) are dropped and
//   full-width digits read as digits. A value written ="048" (the form that
//   keeps a spreadsheet from dropping the leading zero) reads as 048.
// - Draw number: 1 to 32767, written 123 or 第123回; each at most once.
// - Digits: in one field, exactly three digits ("048"); or one column each,
//   one digit 0 to 9 or empty (digit unknown). A file whose columns name a
//   fourth digit (第4数字, or ナンバーズ4当せん番号 for all four in one
//   field) holds ナンバーズ4 draws: `digits` says which.
// - Dates and prizes: see result_csv_columns.h. The bank's per-draw result
//   file (no header, one block a draw) reads too: bank_result_file.h.
// - Every other column is ignored, whatever it holds. A row has as many
//   fields as the header; more only when the extra ones are empty and the
//   header has columns besides the draw number and the digits.
// - Blank lines, and rows of empty fields only, are skipped.
// The first line that cannot be read stops the whole file: the result then
// holds no draws, only the line and the reason.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"
#include "io/csv_error.h"

namespace n3 {

struct CsvParseResult {
    std::vector<Draw> draws;  // in file order; filled only when ok
    // Dates and prizes, ascending by 回数, for files that carry them
    // (result_csv_columns.h, bank_result_file.h); draws with nothing known
    // have no entry.
    ResultHistory results;
    bool carriesResults = false;
    // How many digits each draw of the file has: 3, or 4 for ナンバーズ4.
    int digits = 3;
    // Rows whose 当せん番号 had lost its leading zeros (52, 7) and was read
    // padded to three digits (052, 007).
    int paddedNumbers = 0;
    std::optional<CsvError> error;
    bool ok() const { return !error.has_value(); }
};

// The summary's line about numbers read padded with zeros; empty when none was.
std::string PaddedNumbersNote(int paddedNumbers);

// Parses a whole file, as read from disk (any line ends: LF, CR LF, CR).
CsvParseResult ParseHistoryCsv(std::string_view bytes);

// Reads the file at path and parses it. A file that cannot be read gives an
// error with line 0.
CsvParseResult ReadHistoryCsvFile(const std::string& path);

// The history of the game in the program's own format (UTF-8, CR LF, header
// first: kCsvHeader, and 第4数字 for a game of four digits).
std::string WriteHistoryCsv(const DrawHistory& history, const Game& game = kNumbers3);

// The game whose draws have `digits` digits (3 or 4); none for another count.
const Game* GameOfDigits(int digits);

inline constexpr std::string_view kCsvHeader = "回数,第1数字,第2数字,第3数字";

}  // namespace n3
