#pragma once
// 当選データ入力: the child window in which the user keeps the draw history.
#include <memory>

#include "platform/qt/child_window.h"

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
    // Takes the opened grid data; CreateEntryWindow runs the whole load.
    EntryWindow(ChildHost& host, std::unique_ptr<DrawEntryModel> model, QWidget* parent = nullptr);
    ~EntryWindow() override;

    QString windowClass() const override;
    QList<QMenu*> ownMenus() override;
    QSize sizeInTwips() const override;

    EntryGridView* fpSpread1() const { return fpSpread1_; }
    QPushButton* Command1() const { return Command1_; }
    QLabel* Label1() const { return Label1_; }
    QMenu* mnuEdit() const { return mnuEdit_; }
    QAction* mnuAddLine() const { return mnuAddLine_; }
    QAction* mnuDelLine() const { return mnuDelLine_; }
    DrawEntryModel* model() const { return model_.get(); }

    // 行追加, 行削除 and 閉じる, as the menu and the button run them.
    void AddLine();
    void DelLine();
    void CloseAndCheck();

protected:
    void unload() override;

private:
    void BuildControls();
    void BuildMenu();
    void SetUpGrid();
    void ShowRowMenu(const QPoint& globalPos, int row, bool wholeRow);
    void ShowWriteRefused(const QString& message);

    std::unique_ptr<DrawEntryModel> model_;
    EntryGridView* fpSpread1_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QMenu* mnuEdit_ = nullptr;
    QAction* mnuAddLine_ = nullptr;
    QAction* mnuDelLine_ = nullptr;
};

// The load of 当選データ入力: hourglass, one yield, propEnd False, then the
// database is opened and read. When it cannot be opened the reason is shown,
// propEnd is set True again and nullptr is returned.
ChildWindow* CreateEntryWindow(ChildHost& host, QWidget* parent = nullptr);

}  // namespace n3
