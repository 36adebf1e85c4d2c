#pragma once
// The whole of a file as bytes ("" when it cannot be read).
#include <fstream>
#include <iterator>
#include <string>

namespace n3::testing {

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace n3::testing
