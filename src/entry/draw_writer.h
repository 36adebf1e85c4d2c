#pragma once
// Where the entry window writes what the user changes. Each call either
// succeeds or throws (with a message for the user) and leaves the stored
// history as it was.
#include <optional>
#include <vector>

#include "core/draw.h"

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
    // Stores draws again with their numbers and digits, as one write (an
    // undone deletion). Throws when the store cannot.
    virtual void RestoreDraws(const std::vector<Draw>& draws) = 0;
    // Deletes several draws as one write: all of them or none.
    virtual void DeleteDraws(const std::vector<int>& drawNos) {
        for (int drawNo : drawNos) DeleteDraw(drawNo);
    }
};

}  // namespace n3
