#include "platform/qt/entry/entry_undo_commands.h"

#include <QString>

#include "platform/qt/entry/draw_entry_model.h"

namespace n3 {

DigitEdit::DigitEdit(DrawEntryModel& model, int drawNo, int position, std::optional<int> before,
                     std::optional<int> after)
    : model_(model), drawNo_(drawNo), position_(position), before_(before), after_(after) {
    setText(QStringLiteral("第%1回の第%2数字").arg(drawNo).arg(position + 1));
}

void DigitEdit::undo() { model_.applyDigit(drawNo_, position_, before_); }

void DigitEdit::redo() {
    if (done_) {
        done_ = false;  // the first redo is the push: already written
        return;
    }
    model_.applyDigit(drawNo_, position_, after_);
}

DrawsAddedOrDeleted::DrawsAddedOrDeleted(DrawEntryModel& model, std::vector<Draw> draws, bool added)
    : model_(model), draws_(std::move(draws)), added_(added) {
    setText(added ? QStringLiteral("行追加") : QStringLiteral("行削除"));
}

void DrawsAddedOrDeleted::remove() {
    std::vector<int> numbers;
    for (const Draw& draw : draws_) numbers.push_back(draw.回数);
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
