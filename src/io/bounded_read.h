#pragma once
// Reading a whole input file with a limit: only a regular file is read (a
// device such as /dev/zero, a pipe or a folder is refused before any byte
// is read), and no more than a set number of bytes, so that a wrong file
// chosen by mistake gives a message instead of exhausting the memory.
#include <cstddef>
#include <string>

#include "io/file_io.h"

namespace n3 {

// A real draw history is well under 1 MB; settings files are a few hundred
// bytes.
inline constexpr std::size_t kMaxInputFileBytes = std::size_t(64) << 20;

FileReadResult ReadBoundedFile(const std::string& path, std::size_t maxBytes = kMaxInputFileBytes);

}  // namespace n3
