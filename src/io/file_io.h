#pragma once
// Whole-file reading and replacing, with the reason of a failure in words
// the user can read.
#include <string>

namespace n3 {

struct FileReadResult {
    bool missing = false;  // there is no such file
    std::string error;     // why the file could not be read; empty when it was
    std::string bytes;
};

// At most kMaxInputFileBytes (io/bounded_read.h), regular files only.
FileReadResult ReadWholeFile(const std::string& path);

// Writes the bytes to a temporary file in the same folder and renames it
// over `path`, so that a failure never leaves a half-written file behind.
// A link is written through to its target; a write-protected file is
// refused (io/replace_target.h).
// Returns the reason of a failure, or an empty text.
std::string ReplaceFile(const std::string& path, const std::string& bytes);

// The reason for an errno value, in Japanese.
std::string ReasonText(int errorNumber);

}  // namespace n3
