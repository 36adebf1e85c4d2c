#pragma once
// Draws the entry grid's cells with a single line on all four sides and
// edits the digit cells with a one-character editor that accepts only what
// a digit cell may hold (empty or one digit). A character the cell cannot
// take is refused with a beep; the arrow keys, Tab, Shift+Tab and Enter
// store the editor's text and move the grid's cursor.
#include <QStyledItemDelegate>
#include <QValidator>

namespace n3 {

class DigitCellValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

class EntryGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

}  // namespace n3
