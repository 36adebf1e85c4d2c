#pragma once
// The records of CSV text. Fields are separated by commas; a field in double
// quotes may hold commas, line breaks and "" for one quote ("1,234,500").
// Blanks (space, tab) around a field are dropped, inside quotes they stay.
// A quote inside an unquoted field is taken as it stands. Lines end with
// LF, CR LF or a lone CR.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/csv_error.h"

namespace n3 {

struct CsvRecord {
    int line = 0;  // 1-based line on which the record starts
    std::vector<std::string> fields;

    // A blank line, or one of empty fields only (",,,").
    bool blank() const;
};

class CsvReader {
public:
    explicit CsvReader(std::string_view text) : text_(text) {}

    // Reads the next record into record. Returns false at the end of the
    // text, or on a record it cannot read (error() then tells why).
    bool Next(CsvRecord& record);

    const std::optional<CsvError>& error() const { return error_; }

private:
    bool ReadQuoted(std::string& field, int recordLine);
    void ReadPlain(std::string& field);
    bool AtLineEnd() const;
    void SkipLineEnd();
    void SkipBlanks();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::optional<CsvError> error_;
};

}  // namespace n3
