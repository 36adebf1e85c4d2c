#pragma once
// The entry window's changes as steps of its undo stack. Each step names
// draws by number, not by row, so it still finds them after other rows
// came or went; undoing or redoing a step writes to the database again.
#include <QUndoCommand>
#include <array>
#include <optional>
#include <vector>

#include "core/draw.h"

namespace n3 {

class DrawEntryModel;

// The digits of one draw as typed, changed or emptied: the keys typed into
// one row one after the other are one step, so Ctrl+Z takes back the whole
// row at once and leaves no half-typed draw behind. Undoing or redoing it
// writes all the row's digits in one write.
class RowEdit : public QUndoCommand {
public:
    using Digits = DrawDigits;
    RowEdit(DrawEntryModel& model, int drawNo, const Digits& before, const Digits& after);
    void undo() override;
    void redo() override;
    int id() const override { return kId; }
    // The next key in the same draw joins this step.
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int kId = 1;
    DrawEntryModel& model_;
    int drawNo_;
    Digits before_;
    Digits after_;
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
