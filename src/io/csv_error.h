#pragma once
// Why a CSV file was refused, and where.
#include <string>

namespace n3 {

struct CsvError {
    int line = 0;        // 1-based line of the file
    std::string reason;  // Japanese, for the user
};

}  // namespace n3
