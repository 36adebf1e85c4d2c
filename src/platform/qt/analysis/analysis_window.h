#pragma once
// The one window of every analysis: the explanation, the legend, the grid
// the grid and the buttons, filled once when the window loads.
#include "platform/qt/common/child_window.h"
#include "windows/window_table.h"

class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QVBoxLayout;

namespace n3 {

class ChartView;
class ContentTabView;
class ContentTask;
class GridView;
class NumberBox;
class RangeControls;
class SortableTableModel;
class TicketBox;
class StrategyPanel;

class AnalysisWindow : public ChildWindow {
    Q_OBJECT
public:
    AnalysisWindow(ChildHost& host, const AnalysisWindowInfo& info, QWidget* parent = nullptr);
    ~AnalysisWindow() override;

    QString windowClass() const override;
    // The section the window's table row names.
    QString helpKeyword() const override;
    std::optional<PrintDocument> printDocument() const override;
    // What the window shows, as one content: its views in tab order (the
    // grid and its charts first), the headline; what the print reads.
    WindowContent shownContent() const;
    QSize designSize() const override { return {info_.width, info_.height}; }
    // A short grid is shown whole: the window asks for the rows it would hide.
    QSize contentSize() const override;
    const AnalysisWindowInfo& info() const { return info_; }

    // The load: pointer, yield, the entry-free flag, then compute and fill the grid.
    void load() override;

    GridView* grid() const { return grid_; }
    QPushButton* closeButton() const { return closeButton_; }
    QPushButton* printButton() const { return printButton_; }
    // The sentence above the grid (hidden when the window has none).
    QLabel* headline() const { return headline_; }

    // Present only when the window has charts: the tabs "表" and "グラフ".
    QTabWidget* views() const { return views_; }
    ChartView* chartView() const { return charts_; }
    // Present only when the row asks for them.
    RangeControls* rangeControls() const { return range_; }
    NumberBox* numberBox() const { return numberBox_; }
    TicketBox* ticketBox() const { return ticketBox_; }
    // The content's further grids, each in a tab of its own after the grid.
    const std::vector<GridView*>& moreGrids() const { return moreGrids_; }
    // The content's sortable table, in a tab of its own; nullptr without one.
    QTableView* tableView() const { return tableView_; }
    // A window of several views: the views after the first, in tab order.
    const std::vector<ContentTabView*>& contentTabs() const { return contentTabs_; }
    // The number the figures on show were computed for.
    std::optional<int> shownNumber() const { return shownNumber_; }
    // Present only in the window that tests the player's strategies.
    StrategyPanel* strategyPanel() const { return strategies_; }
    // The range and option flags the figures on show were computed with.
    DrawRange shownRange() const { return shownRange_; }
    const OptionFlags& shownFlags() const { return flags_; }

    // Computes again over the chosen range with the current flags, on a
    // worker thread; computed() follows when the new figures are on show.
    void recompute();
    bool computing() const;
    // The history changed: the same range (a 第N回〜第M回 that reached the
    // newest draw reaches the new newest) and flags over the new snapshot,
    // on the worker; the grid keeps its scroll position and selection.
    // A window whose input (the draws, and the results for a window that
    // reads them) is the same in the new snapshot keeps what it shows.
    void followHistory() override;
    void followOptionFlags() override;
    QProgressBar* busyBar() const { return busy_; }
    // How many times the grid took appended draws into the rows it had
    // rather than being built afresh.
    int extendedGrids() const { return extendedGrids_; }

signals:
    void computed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void scrollToNewestDraws();
    void setTabOrder();
    void finishRecompute();
    void setBusy(bool busy);
    void compute(DrawRange range);
    void showContent(WindowContent content);
    void showCharts(std::vector<ChartData> charts);
    void makeRoomForCharts();
    QTabWidget* tabs();
    void showTable(std::optional<SortableTable> table);
    void showMoreGrids(const std::string& gridCaption, std::vector<ContentView> grids);
    void makeFirstTab(const std::string& caption);
    void showTabs(std::vector<ContentView> further);
    void buildBoxes(QHBoxLayout* controls);
    std::vector<Strategy> chosenStrategies() const;

    const AnalysisWindowInfo& info_;
    GridView* grid_;
    QLabel* descriptionLabel_;
    QLabel* headline_;
    QPushButton* closeButton_;
    QPushButton* printButton_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    QTabWidget* views_ = nullptr;
    ChartView* charts_ = nullptr;
    RangeControls* range_ = nullptr;
    StrategyPanel* strategies_ = nullptr;
    QProgressBar* busy_ = nullptr;
    NumberBox* numberBox_ = nullptr;
    TicketBox* ticketBox_ = nullptr;
    std::vector<GridView*> moreGrids_;
    QTableView* tableView_ = nullptr;
    SortableTableModel* tableModel_ = nullptr;
    std::vector<ContentTabView*> contentTabs_;
    QSortFilterProxyModel* tableSort_ = nullptr;
    std::optional<int> number_;
    std::optional<int> shownNumber_;
    std::optional<int> pendingNumber_;
    ContentTask* task_ = nullptr;
    bool waitCursor_ = false;
    bool shownOnce_ = false;
    OptionFlags flags_{};
    DrawRange shownRange_;
    std::vector<ChartData> shownCharts_;
    bool chartsUnderGrids_ = false;
    DrawRange pendingRange_;
    bool historyPending_ = false;
    bool showResultAtTop_ = false;  // a number was looked up: its figures are shown from the top
    // The snapshot the figures on show (and those being computed) were computed from.
    std::shared_ptr<const HistorySnapshot> shownSnapshot_;
    std::shared_ptr<const HistorySnapshot> pendingSnapshot_;
    std::shared_ptr<const bool> pendingExtended_;  // set by the work when it extended the grid
    int extendedGrids_ = 0;
};

}  // namespace n3
