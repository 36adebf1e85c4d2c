#pragma once
// Where the entry window writes what the user changes. Each call either
// succeeds or throws (with a message for the user) and leaves the stored
// history as it was.
#include <optional>

namespace n3 {

class DrawWriter {
public:
    virtual ~DrawWriter() = default;
    // Stores a new empty draw numbered one past the highest stored number
    // and returns that number.
    virtual int InsertDraw() = 0;
    // Writes digit `position` (0..2) of a draw; nullopt empties it.
    virtual void SetDigit(int drawNo, int position, std::optional<int> value) = 0;
    virtual void DeleteDraw(int drawNo) = 0;
};

}  // namespace n3
