#pragma once
// 当選データ入力: the child window in which the user keeps the draw history.
#include "platform/qt/common/child_window.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace n3 {

class DrawEntryModel;
class EntryGridView;

class EntryWindow : public ChildWindow {
    Q_OBJECT
public:
    // Builds the controls; the grid stays empty until load().
    explicit EntryWindow(ChildHost& host, QWidget* parent = nullptr);
    ~EntryWindow() override;

    QString windowClass() const override;
    QList<QMenu*> ownMenus() override;
    QSize designSize() const override;
    // Hourglass, one yield, the entry window held, then the draws are read from the
    // database into the grid. A database that cannot be opened is reported
    // and the window closes again (the entry window free).
    void load() override;

    EntryGridView* grid() const { return grid_; }
    QPushButton* closeButton() const { return closeButton_; }
    QLabel* descriptionLabel() const { return descriptionLabel_; }
    QMenu* editMenu() const { return editMenu_; }
    QAction* insertRow() const { return insertRowAction_; }
    QAction* deleteRow() const { return deleteRowAction_; }
    // The grid's data; nullptr before load().
    DrawEntryModel* model() const { return model_; }

    // 行追加, 行削除 and 閉じる, as the menu and the button run them.
    void AddLine();
    void DelLine();
    void CloseAndCheck();
    // Ctrl+Z and Ctrl+Y: the last change undone or done again, in the
    // database as on screen.
    void Undo();
    void Redo();
    QAction* undo() const { return undoAction_; }
    QAction* redo() const { return redoAction_; }
    // A row left with one or two digits: asks whether to keep editing.
    bool queryUnload() override;
    // While the row under the cursor holds some but not all of its digits.
    bool holdsHistory() const override;
    // Follows writes from elsewhere: the grid shows the stored draws; an
    // open editor on a draw that changed is closed with a plain message.
    void followHistory() override;

signals:
    // A draw was stored, changed or deleted.
    void historyEdited();

protected:
    void unload() override;

private:
    void BuildControls();
    void BuildMenu();
    void SetUpGrid();
    void ShowRowMenu(const QPoint& globalPos, int row, bool wholeRow);
    void ShowWriteRefused(const QString& message);
    void ShowChangedElsewhere(const QString& message);
    void CloseFrame();
    // True when the user chose to go on typing the half-typed row (the
    // cursor is then on its first empty digit).
    bool KeepEditingHalfTypedRow();

    DrawEntryModel* model_ = nullptr;  // a child of the window once loaded
    EntryGridView* grid_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* insertRowAction_ = nullptr;
    QAction* deleteRowAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    bool closingChecked_ = false;
};

// The factory for the main window: 当選データ入力, not yet loaded.
ChildWindow* CreateEntryWindow(ChildHost& host);

}  // namespace n3
