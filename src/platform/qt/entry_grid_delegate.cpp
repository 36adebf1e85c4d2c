#include "platform/qt/entry_grid_delegate.h"

#include <QLineEdit>
#include <QPainter>

#include "core/grid_model.h"
#include "entry/draw_entry.h"
#include "platform/qt/qt_util.h"

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

}  // namespace n3
