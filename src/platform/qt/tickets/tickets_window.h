#pragma once
// 購入記録: the ticket book. The purchases in an editable grid (written to
// the database at once), every purchase × draw outcome below it, the
// months and the whole book at the bottom and on the status line.
#include <QDate>
#include <functional>
#include <string>

#include "core/chart_data.h"
#include "platform/qt/common/child_window.h"
#include "settings/settings.h"
#include "tickets/ticket.h"
#include "tickets/ticket_check.h"
#include "tickets/ticket_factors.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableView;
class QUndoStack;

namespace n3 {

class ChartView;
class TicketMonthModel;
class TicketOutcomeModel;
class TicketTableModel;

class TicketsWindow : public ChildWindow {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 960;
    static constexpr int kDesignHeight = 640;

    // settings: the run's settings, which hold 月の予算.
    TicketsWindow(ChildHost& host, Settings& settings, QWidget* parent = nullptr);
    ~TicketsWindow() override;

    QString windowClass() const override;
    // The three lists and the monthly chart, as the window shows them.
    std::optional<PrintDocument> printDocument() const override;
    QList<QMenu*> ownMenus() override;
    QSize designSize() const override { return {kDesignWidth, kDesignHeight}; }
    // Opens the book. The window leaves the entry-free flag alone: it reads and writes
    // its own table only, so the entry window may stay open beside it.
    void load() override;

    // Checks the book again against the history as the database holds it
    // now and the prizes of the snapshot.
    void refresh();

    // The day a new purchase is dated with (by default today, from the
    // system clock); tests give a fixed one.
    void setClock(std::function<QDate()> today) { today_ = std::move(today); }

    // 行追加 and 行削除, as the menu and the buttons run them.
    void AddLine();
    void DelLine();
    // 受け取り済み(&R): marks the purchase of the row last clicked in either
    // grid as collected, or takes the mark back, after a question naming
    // the ticket; 元に戻す (Ctrl+Z) takes it back.
    void ToggleReceived();
    QAction* markReceived() const { return markReceivedAction_; }
    QUndoStack* undoStack() const { return undo_; }
    // Adds `ticket` as a new line and selects it, for the user to check
    // and change like any other line.
    void AddPurchase(const Purchase& ticket);

    TicketTableModel* model() const { return model_; }
    TicketOutcomeModel* outcomes() const { return outcomes_; }
    TicketMonthModel* months() const { return months_; }
    QTableView* purchaseGrid() const { return purchases_; }
    QTableView* outcomeGrid() const { return outcomeGrid_; }
    QLineEdit* budgetEdit() const { return budget_; }
    QLabel* summaryLabel() const { return summary_; }
    QStatusBar* statusBar() const { return status_; }
    // The monthly chart: spent and won as bars, the cumulative 収支 as a line.
    const ChartData& chart() const { return chart_; }
    ChartView* monthChart() const { return monthChart_; }

protected:
    void unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<GameDraws> BookDraws() const;
    void BuildControls();
    void BuildMenu();
    void ApplyBudget();
    void ShowRefused(const QString& message);
    void FollowPurchase(const QModelIndex& current);
    void FollowOutcome(const QModelIndex& current);
    // Stores the mark and tells the status line; false when refused.
    bool StoreReceived(std::int64_t purchaseId, bool received);

    Settings& settings_;
    TicketTableModel* model_ = nullptr;
    TicketOutcomeModel* outcomes_ = nullptr;
    TicketMonthModel* months_ = nullptr;
    QTableView* purchases_ = nullptr;
    QTableView* outcomeGrid_ = nullptr;
    QTableView* monthGrid_ = nullptr;
    QTabWidget* monthViews_ = nullptr;
    ChartView* monthChart_ = nullptr;
    QLineEdit* budget_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* delButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* insertRowAction_ = nullptr;
    QAction* deleteRowAction_ = nullptr;
    ChartData chart_;
    TicketFactors factors_;  // 推定倍率 of every number, from the snapshot
    QStatusBar* status_ = nullptr;
    int nextDraw_ = 1;
    std::function<QDate()> today_ = [] { return QDate::currentDate(); };
    QAction* markReceivedAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QUndoStack* undo_ = nullptr;
    // The row 受け取り済み acts on: the purchase and, when the row was one
    // of the outcome grid, its draw (0 for a purchase row).
    std::int64_t targetPurchase_ = 0;
    int targetDraw_ = 0;
};

// The factory for the main window: 購入記録, not yet loaded.
TicketsWindow* CreateTicketsWindow(ChildHost& host, Settings& settings);

}  // namespace n3
