#include "platform/qt/entry/entry_undo_commands.h"

#include <QString>

#include "platform/qt/entry/draw_entry_model.h"

namespace n3 {

RowEdit::RowEdit(DrawEntryModel& model, int drawNo, const Digits& before, const Digits& after)
    : model_(model), drawNo_(drawNo), before_(before), after_(after) {
    setText(QStringLiteral("第%1回の入力").arg(drawNo));
}

bool RowEdit::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const RowEdit*>(other);
    if (!next || next->drawNo_ != drawNo_ || &next->model_ != &model_) return false;
    after_ = next->after_;
    return true;
}

void RowEdit::undo() { model_.applyDigits(drawNo_, before_); }

void RowEdit::redo() {
    if (done_) {
        done_ = false;  // the first redo is the push: already written
        return;
    }
    model_.applyDigits(drawNo_, after_);
}

DrawsAddedOrDeleted::DrawsAddedOrDeleted(DrawEntryModel& model, std::vector<Draw> draws, bool added)
    : model_(model), draws_(std::move(draws)), added_(added) {
    setText(added ? QStringLiteral("行追加") : QStringLiteral("行削除"));
}

void DrawsAddedOrDeleted::remove() {
    std::vector<int> numbers;
    for (const Draw& draw : draws_) numbers.push_back(draw.drawNo);
    model_.applyRemove(numbers);
}

void DrawsAddedOrDeleted::restore() { model_.applyRestore(draws_); }

void DrawsAddedOrDeleted::undo() { added_ ? remove() : restore(); }

void DrawsAddedOrDeleted::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    added_ ? restore() : remove();
}

}  // namespace n3
