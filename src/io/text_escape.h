#pragma once
// Text made safe to stand inside a CSV field or a JSON string: the one
// place the program writes either escape.
#include <string>
#include <string_view>

namespace n3 {

// The field as it stands, or in double quotes with each quote doubled when
// it holds a comma, a quote or a line break (or when `quote` asks for it).
std::string CsvField(std::string_view text, bool quote = false);

// A JSON string literal, quotes included: quote, backslash and control
// characters escaped; other bytes (UTF-8) as they are.
std::string JsonString(std::string_view text);

}  // namespace n3
