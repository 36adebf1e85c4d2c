#pragma once
// Writing a finished output (a PDF, an export) to where the user named:
//  - "-" is standard output;
//  - a FIFO or a character device (a terminal, /dev/null) is written into
//    directly, never replaced;
//  - anything else goes through ReplaceFile (io/file_io.h): a temporary
//    beside the file that takes its name only when every byte is on disk,
//    so that a failure keeps the older file as it was.
// Every write and the close are checked.
#include <string>

namespace n3 {

inline constexpr const char* kStandardOutputName = "-";

// Returns the reason of a failure in Japanese, or an empty text.
std::string WriteOutputFile(const std::string& path, const std::string& bytes);

}  // namespace n3
