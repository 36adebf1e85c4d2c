#include "platform/qt/tickets/ticket_grid_delegate.h"

#include <QComboBox>
#include <QLineEdit>

#include "platform/qt/common/qt_util.h"
#include "tickets/ticket_book_editor.h"

namespace n3 {

QValidator::State TicketCellValidator::validate(QString& input, int& /*pos*/) const {
    return TicketBookEditor::AcceptsTyping(column_, input.toStdString()) ? Acceptable : Invalid;
}

QWidget* TicketGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    if (index.column() == TicketBookEditor::kType) {
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("typeEditor"));
        for (std::string_view name : kTicketKindCaptions) box->addItem(Q(name));
        return box;
    }
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setFont(option.font);
    editor->setValidator(new TicketCellValidator(index.column(), editor));
    return editor;
}

void TicketGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        box->setCurrentText(index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->selectAll();
}

void TicketGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace n3
