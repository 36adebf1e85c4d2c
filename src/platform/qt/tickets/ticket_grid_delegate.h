#pragma once
// Edits 購入記録's cells: a line editor that accepts only what the column
// may hold while the user types, and a list of the four bet types.
#include <QStyledItemDelegate>
#include <QValidator>

namespace n3 {

class TicketCellValidator : public QValidator {
    Q_OBJECT
public:
    TicketCellValidator(int column, QObject* parent) : QValidator(parent), column_(column) {}
    State validate(QString& input, int& pos) const override;

private:
    int column_;
};

class TicketGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace n3
