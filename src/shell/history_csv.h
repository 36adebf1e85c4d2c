#pragma once
// The history as CSV text: the program's own format
//   回数,第1数字,第2数字,第3数字
// one draw a line, UTF-8, a digit field may be empty.
#include <string>
#include <string_view>
#include <optional>
#include <vector>

#include "shell/draw.h"

namespace n3 {

struct CsvError {
    int line = 0;        // 1-based line of the file
    std::string reason;  // Japanese, for the user
};

struct CsvParseResult {
    std::vector<Draw> draws;  // in file order; filled only when ok
    std::optional<CsvError> error;
    bool ok() const { return !error.has_value(); }
};

// Parses a whole file. A UTF-8 BOM, CR LF or LF line ends are accepted.
CsvParseResult ParseHistoryCsv(std::string_view bytes);

// The history in the program's own format (UTF-8, CR LF, header first).
std::string WriteHistoryCsv(const DrawHistory& history);

inline constexpr std::string_view kCsvHeader = "回数,第1数字,第2数字,第3数字";

}  // namespace n3
