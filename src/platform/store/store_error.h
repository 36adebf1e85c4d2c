#pragma once
// What every store throws: a message for the user that names the file and
// the reason.
#include <stdexcept>

namespace n3 {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace n3
