#pragma once
// The entry window's changes as steps of its undo stack. Each step names
// draws by number, not by row, so it still finds them after other rows
// came or went; undoing or redoing a step writes to the database again.
#include <QUndoCommand>
#include <optional>
#include <vector>

#include "core/draw.h"

namespace n3 {

class DrawEntryModel;

// One digit typed, changed or emptied.
class DigitEdit : public QUndoCommand {
public:
    DigitEdit(DrawEntryModel& model, int drawNo, int position, std::optional<int> before, std::optional<int> after);
    void undo() override;
    void redo() override;

private:
    DrawEntryModel& model_;
    int drawNo_;
    int position_;
    std::optional<int> before_;
    std::optional<int> after_;
    bool done_ = true;  // pushed after the write it stands for
};

// Draws added (行追加, or the next draw opened from the keyboard) or
// deleted (行削除): the same step seen from either side.
class DrawsAddedOrDeleted : public QUndoCommand {
public:
    DrawsAddedOrDeleted(DrawEntryModel& model, std::vector<Draw> draws, bool added);
    void undo() override;
    void redo() override;

private:
    void remove();
    void restore();

    DrawEntryModel& model_;
    std::vector<Draw> draws_;
    bool added_;
    bool done_ = true;
};

}  // namespace n3
