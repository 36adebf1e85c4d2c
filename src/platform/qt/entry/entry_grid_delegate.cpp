#include "platform/qt/entry/entry_grid_delegate.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "core/grid_model.h"
#include "entry/draw_entry.h"
#include "platform/qt/common/beep.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/entry/entry_grid_view.h"

namespace n3 {

QValidator::State DigitCellValidator::validate(QString& input, int& /*pos*/) const {
    return 当選データ入力::ParseDigitInput(input.toStdString()).accepted ? Acceptable : Invalid;
}

void EntryGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    // One line on each side; neighbours share the line between them.
    const QRect r = option.rect;
    const Colour c = colours::DefaultLine;
    painter->save();
    painter->setPen(ToQColor(c));
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    if (index.column() == 0) painter->drawLine(r.topLeft(), r.bottomLeft());
    if (index.row() == 0) painter->drawLine(r.topLeft(), r.topRight());
    painter->restore();
}

QWidget* EntryGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignCenter);
    editor->setFont(option.font);
    editor->setValidator(new DigitCellValidator(editor));
    return editor;
}

void EntryGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    QStyledItemDelegate::setEditorData(editor, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->selectAll();
}

// The editor covers the cell exactly, its text centred as the cell's is.
void EntryGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex& /*index*/) const {
    editor->setGeometry(option.rect);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setTextMargins(0, 0, 0, 0);
}

bool EntryGridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* line = qobject_cast<QLineEdit*>(object);
    if (!line || event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(object, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (modifiers != Qt::NoModifier) break;
        {
            auto* view = qobject_cast<EntryGridView*>(parent());
            const int pressed = key->key();
            const Qt::KeyboardModifiers with = key->modifiers();
            emit commitData(line);
            emit closeEditor(line, NoHint);
            if (view) view->moveByKey(pressed, with);
        }
        return true;
    default: break;
    }
    // A character the cell cannot take (a second digit, a letter) is
    // refused out loud rather than dropped without a sound.
    const QString text = key->text();
    if (modifiers == Qt::NoModifier && !text.isEmpty() && text.at(0).isPrint()) {
        QString result = line->text();
        const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        result.replace(start, line->selectedText().size(), text);
        if (!当選データ入力::ParseDigitInput(result.toStdString()).accepted) {
            Beep();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace n3
