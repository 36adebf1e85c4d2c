#pragma once
// Where the entry window writes what the user changes. Each call either
// succeeds or throws (with a message for the user) and leaves the stored
// history as it was.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/draw.h"

namespace n3 {

// Thrown by a guarded write when the stored draw is no longer what the window
// shows (another program wrote it meanwhile); nothing was written.
class DrawChangedElsewhere : public std::runtime_error {
public:
    explicit DrawChangedElsewhere(int drawNo)
        : std::runtime_error("第" + std::to_string(drawNo) +
                             "回の当選数字がほかのプログラムで変更されたため、入力した数字は書き込んでいません。\n"
                             "データベースの値を表示します。"),
          drawNo_(drawNo) {}
    int drawNo() const { return drawNo_; }

private:
    int drawNo_;
};

class DrawWriter {
public:
    virtual ~DrawWriter() = default;
    // Stores a new empty draw numbered one past the highest stored number
    // and returns that number.
    virtual int InsertDraw() = 0;
    // Writes digit `position` (0..2) of a draw; nullopt empties it.
    virtual void SetDigit(int drawNo, int position, std::optional<int> value) = 0;
    // The same, only while the stored draw still holds the digits `shown`
    // (what the window shows); otherwise throws DrawChangedElsewhere and
    // writes nothing. Unguarded unless a writer knows better.
    virtual void SetShownDigit(const Draw& shown, int position, std::optional<int> value) {
        SetDigit(shown.drawNo, position, value);
    }
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
