#pragma once
// 当選結果一覧: every draw with its date, winner counts and prizes, newest
// first, where the user can also enter and correct them: type into a cell,
// Tab or Enter stores it and moves on, Ctrl+Z and Ctrl+Y undo and redo. The
// checks are those of a results import; a refused value is explained and
// nothing changes.
#include <QStyledItemDelegate>

#include "platform/qt/common/child_window.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace n3 {

class ResultTableModel;

// A one-line editor that takes only what the column may hold and, on
// Enter as on Tab, stores the text and moves to the next cell.
class ResultCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

class ResultListWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ResultListWindow(ChildHost& host, QWidget* parent = nullptr);

    QString windowClass() const override;
    QList<QMenu*> ownMenus() override { return {editMenu_}; }
    QSize designSize() const override;
    std::optional<PrintDocument> printDocument() const override;
    void load() override;
    void followHistory() override;

    QTableView* grid() const { return grid_; }
    ResultTableModel* model() const { return model_; }
    QAction* undo() const { return undoAction_; }
    QAction* redo() const { return redoAction_; }
    void Undo();
    void Redo();

private:
    void ShowRefused(const QString& message);

    ResultTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* description_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};

}  // namespace n3
