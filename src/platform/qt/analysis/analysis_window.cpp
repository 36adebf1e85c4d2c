#include "platform/qt/analysis/analysis_window.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "lab/next_draw_date.h"
#include "platform/qt/analysis/content_tab_view.h"
#include "platform/qt/analysis/content_task.h"
#include "platform/qt/analysis/range_controls.h"
#include "platform/qt/analysis/sortable_table_model.h"
#include "platform/qt/analysis/sortable_table_view.h"
#include "platform/qt/charts/chart_view.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/grid/grid_view_state.h"
#include "platform/qt/grid/legend.h"
#include "platform/qt/lookup/number_box.h"
#include "platform/qt/print/print_document_builders.h"
#include "platform/qt/print/print_preview.h"
#include "platform/qt/strategies/strategy_panel.h"
#include "platform/qt/tickets/ticket_box.h"
#include "platform/store/database.h"

namespace n3 {

namespace {
// The settings file's line of the strategies left unticked in 買い方の検証.
constexpr std::string_view kUntickedStrategiesKey = "買い方の検証のチェックなし";

// The strategy panel's list is the database's: the panel reads and writes
// it through these.
StrategyKeeper StrategyKeeperOf(Database& database) {
    return StrategyKeeper{
        .readAll = [&database] { return database.strategies().ReadAll(); },
        .add = [&database](const Strategy& s) { return database.strategies().Add(s); },
        .update = [&database](const Strategy& s) { database.strategies().Update(s); },
        .remove = [&database](std::int64_t id) { database.strategies().Remove(id); },
        .capacity = kMaxStrategies,
    };
}

bool SameDraws(const DrawHistory& a, const DrawHistory& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Draw& x, const Draw& y) { return x.drawNo == y.drawNo && x.digits == y.digits; });
}

}  // namespace

AnalysisWindow::AnalysisWindow(ChildHost& host, const AnalysisWindowInfo& info, QWidget* parent)
    : ChildWindow(host, parent), info_(info) {
    setWindowTitle(Q(info.caption));
    setObjectName(Q(info.className));

    descriptionLabel_ = new QLabel(Q(info.description), this);
    descriptionLabel_->setObjectName(QStringLiteral("descriptionLabel"));
    descriptionLabel_->setFont(GridFont());
    // A window narrower than its description shows it on two lines, never cut.
    descriptionLabel_->setWordWrap(true);

    headline_ = new QLabel(this);
    headline_->setObjectName(QStringLiteral("headline"));
    headline_->setWordWrap(true);
    QFont bold = GridFont();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    headline_->setFont(bold);
    headline_->hide();

    grid_ = new GridView(this);
    grid_->setObjectName(QStringLiteral("grid"));

    closeButton_ = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    connect(closeButton_, &QPushButton::clicked, this, [this] { CloseChildFrame(this); });

    auto* top = new QHBoxLayout;
    top->addWidget(descriptionLabel_, 1);
    if (QWidget* legend = MakeLegend(info, this)) top->addWidget(legend);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (info.printButton) {
        printButton_ = new QPushButton(QStringLiteral("印刷(&P)"), this);
        printButton_->setObjectName(QStringLiteral("printButton"));
        connect(printButton_, &QPushButton::clicked, this, [this] { OpenPrintPreview(this, *printDocument()); });
        buttons->addWidget(printButton_);
    }
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout_ = layout;
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    if (info.hasRangeControls || info.usesOptionFlags || info.numberBox || info.ticketBox) {
        auto* controls = new QHBoxLayout;
        buildBoxes(controls);
        if (info.hasRangeControls) {
            range_ = new RangeControls(this);
            connect(range_, &RangeControls::recomputeRequested, this, [this] { recompute(); });
            controls->addWidget(range_);
        }
        if (info.usesStrategies) {
            strategies_ = new StrategyPanel(StrategyKeeperOf(host.database()), this);
            // The ticks of the last run, kept in the settings file.
            strategies_->keepChecks(host.setting(kUntickedStrategiesKey),
                                    [&host](const std::string& ids) { host.setSetting(kUntickedStrategiesKey, ids); });
            connect(strategies_, &StrategyPanel::changed, this, [this] { recompute(); });
        }
        busy_ = new QProgressBar(this);
        busy_->setObjectName(QStringLiteral("busy"));
        busy_->setRange(0, 0);
        busy_->setMaximumWidth(160);
        busy_->hide();
        controls->addWidget(busy_);
        controls->addStretch();
        layout->addLayout(controls);
        if (strategies_) layout->addWidget(strategies_);
        task_ = new ContentTask(this);
        connect(task_, &ContentTask::slow, this, [this] { setBusy(true); });
        connect(task_, &ContentTask::done, this, [this] { finishRecompute(); });
    }
    layout->addWidget(headline_);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
}

QString AnalysisWindow::windowClass() const { return Q(info_.className); }

QString AnalysisWindow::helpKeyword() const { return Q(HelpAnchorOf(info_)); }

WindowContent AnalysisWindow::shownContent() const {
    WindowContent shown;
    shown.headline = headline_->text().toStdString();
    shown.chartsUnderGrids = chartsUnderGrids_;
    ContentView& first = shown.views.front();
    if (views_) first.caption = views_->tabText(0).toStdString();  // the grid's tab comes first
    first.grid = grid_->gridModel();
    first.charts = shownCharts_;
    for (GridView* view : moreGrids_)
        shown.views.push_back({.caption = views_->tabText(views_->indexOf(view)).toStdString(),
                               .grid = view->gridModel(),
                               .charts = {},
                               .tables = {}});
    if (tableView_)
        shown.views.push_back({.caption = views_->tabText(views_->indexOf(tableView_)).toStdString(),
                               .grid = std::nullopt,
                               .charts = {},
                               .tables = {tableModel_->table()}});
    for (const ContentTabView* view : contentTabs_) shown.views.push_back(view->view());
    return shown;
}

std::optional<PrintDocument> AnalysisWindow::printDocument() const {
    PrintDocument doc = MakeAnalysisDocument(info_, shownContent(), snapshot().history, shownRange_, game());
    doc.chartsInView = views_ && charts_ && views_->currentWidget() == charts_;
    return doc;
}

void AnalysisWindow::load() {
    const WaitCursor wait;
    if (!info_.yieldAfterCompute) host().yieldOnce();
    host().setEntryFree(info_.leavesEntryFree);
    flags_ = host().optionFlags();
    if (range_) range_->setLatestDrawNo(snapshot().stats.LatestDrawNo);
    compute(DrawRange{});
    if (info_.yieldAfterCompute) host().yieldOnce();
}

AnalysisWindow::~AnalysisWindow() {
    // The work reads the host's snapshot: it ends before the window goes.
    if (task_) task_->wait();
    setBusy(false);
}

QSize AnalysisWindow::contentSize() const {
    // Up to this height a grid is shown whole rather than cut off.
    constexpr int kWholeGridHeight = 560;
    const int whole = grid_->wholeHeight();
    const int missing = whole - grid_->height();
    if (views_ || missing <= 0 || whole > kWholeGridHeight) return {};
    return QSize(width(), height() + missing);
}

// A grid of draws opens at its newest rows; once more after the frame has
// taken its final size, which moves the bottom. A window with a number box
// waits for the number there.
void AnalysisWindow::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    setTabOrder();
    if (numberBox_) numberBox_->edit()->setFocus(Qt::OtherFocusReason);
    if (!info_.rowsAreDraws && !info_.opensAtLastRows) return;
    scrollToNewestDraws();
    QTimer::singleShot(0, this, [this] { scrollToNewestDraws(); });
}

// Through the controls in the order they are read: the number and 調べる,
// the range and 再計算, the tabs and the view under them, then 印刷 and 閉じる.
void AnalysisWindow::setTabOrder() {
    std::vector<QWidget*> order;
    auto add = [&order](std::initializer_list<QWidget*> widgets) { order.insert(order.end(), widgets); };
    if (numberBox_) add({numberBox_->edit(), numberBox_->lookupButton()});
    if (range_) add({range_->choice(), range_->fromBox(), range_->toBox(), range_->recomputeButton()});
    if (views_) add({views_->tabBar()});
    add({views_ && views_->currentWidget() != grid_ ? views_->currentWidget() : grid_->body()});
    if (printButton_) add({printButton_});
    add({closeButton_});
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void AnalysisWindow::scrollToNewestDraws() {
    QScrollBar* bar = grid_->body()->verticalScrollBar();
    bar->setValue(bar->maximum());
}

bool AnalysisWindow::computing() const { return task_ && task_->running(); }

void AnalysisWindow::recompute() {
    if (!task_) return;
    if (task_->running()) {
        // A change made while the figures are computed (a strategy added or
        // unchecked) is not lost: the work runs again when this one is over.
        historyPending_ = true;
        return;
    }
    pendingRange_ = range_ ? range_->range(snapshot().history) : DrawRange{};
    pendingNumber_ = number_;
    pendingSnapshot_ = sharedSnapshot();
    if (range_) range_->setEnabled(false);
    // A grid of one row a draw grows by the draws appended since it was
    // built: the work reads the grid on show, which stays as it is until
    // the work is over (finishRecompute).
    const GridModel* shown = info_.drawRows.buildInto && shownSnapshot_ ? &grid_->gridModel() : nullptr;
    auto extended = std::make_shared<bool>(false);
    pendingExtended_ = extended;
    // The work keeps the snapshot it started with, even when a newer one
    // replaces it meanwhile.
    task_->start([info = &info_, snapshot = sharedSnapshot(), flags = flags_, range = pendingRange_,
                  number = pendingNumber_, strategies = chosenStrategies(), shown, before = shownSnapshot_, extended,
                  today = host().today()] {
        WindowInput input = InputOf(*snapshot, flags, range);
        input.number = number;
        input.today = today;
        input.strategies = &strategies;
        if (shown)
            if (std::optional<WindowContent> content = ExtendWindowContent(*info, input, *shown, before->history)) {
                *extended = true;
                return std::move(*content);
            }
        return BuildWindowContent(*info, input);
    });
}

void AnalysisWindow::followHistory() {
    if (!task_) {
        // A window without range controls computes on the same worker.
        task_ = new ContentTask(this);
        connect(task_, &ContentTask::slow, this, [this] { setBusy(true); });
        connect(task_, &ContentTask::done, this, [this] { finishRecompute(); });
    }
    if (range_) range_->followLatestDrawNo(snapshot().stats.LatestDrawNo);
    if (ticketBox_) {
        ticketBox_->setDraw(NextDrawOn(snapshot().history, snapshot().results, host().today()).drawNo);
        ticketBox_->setToday(host().today());
    }
    // A computation already under way was over the old history: one more
    // follows it.
    if (task_->running()) {
        historyPending_ = true;
        return;
    }
    const HistorySnapshot& now = snapshot();
    if (shownSnapshot_ && SameDraws(shownSnapshot_->history, now.history) &&
        (info_.build || shownSnapshot_->results == now.results)) {
        shownSnapshot_ = sharedSnapshot();
        return;
    }
    recompute();
}

void AnalysisWindow::followOptionFlags() {
    // The prediction's options as they stand now, as soon as they change:
    // computed again like a change of the history.
    if (!info_.usesOptionFlags) return;
    flags_ = host().optionFlags();
    // The draws are the same, the figures are not: no shortcut here.
    if (task_->running()) {
        historyPending_ = true;
        return;
    }
    recompute();
}

void AnalysisWindow::finishRecompute() {
    shownRange_ = pendingRange_;
    shownNumber_ = pendingNumber_;
    shownSnapshot_ = std::move(pendingSnapshot_);
    if (pendingExtended_ && *pendingExtended_) ++extendedGrids_;
    pendingExtended_.reset();
    const GridViewState view = GridViewState::Of(*grid_);
    showContent(task_->take());
    if (showResultAtTop_) {
        // The figures of the number just looked up start at the top.
        showResultAtTop_ = false;
        grid_->body()->scrollToTop();
        grid_->body()->horizontalScrollBar()->setValue(0);
    } else {
        view.restore(*grid_);
    }
    setBusy(false);
    if (range_) range_->setEnabled(true);
    if (historyPending_) {
        historyPending_ = false;
        recompute();
        return;
    }
    emit computed();
}

std::vector<Strategy> AnalysisWindow::chosenStrategies() const {
    return strategies_ ? strategies_->chosen() : std::vector<Strategy>{};
}

// Shown only when a computation runs past ContentTask::kSlowMs.
void AnalysisWindow::setBusy(bool busy) {
    if (busy_) busy_->setVisible(busy);
    if (busy != waitCursor_) {
        waitCursor_ = busy;
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
}

void AnalysisWindow::compute(DrawRange range) {
    const std::vector<Strategy> strategies = chosenStrategies();
    WindowInput input = InputOf(snapshot(), flags_, range);
    input.number = number_;
    input.strategies = &strategies;
    input.today = host().today();
    // A ticket from the card is for the card's next draw, dated today.
    if (ticketBox_) {
        ticketBox_->setDraw(NextDrawOn(snapshot().history, snapshot().results, input.today).drawNo);
        ticketBox_->setToday(input.today);
    }
    WindowContent content = BuildWindowContent(info_, input);
    shownRange_ = range;
    shownNumber_ = number_;
    shownSnapshot_ = sharedSnapshot();
    showContent(std::move(content));
}

void AnalysisWindow::showContent(WindowContent content) {
    headline_->setText(Q(content.headline));
    headline_->setVisible(!content.headline.empty());
    chartsUnderGrids_ = content.chartsUnderGrids;
    content.grid();  // the first view is there, with a grid
    ContentView first = std::move(content.views.front());
    std::vector<ContentView> further(std::make_move_iterator(content.views.begin() + 1),
                                     std::make_move_iterator(content.views.end()));
    grid_->setGridModel(std::move(*first.grid));
    shownCharts_ = first.charts;  // what the print shows beside the grid
    if (chartsUnderGrids_) {
        makeFirstTab(first.caption);
        showCharts(std::move(first.charts));
        showTabs(std::move(further));
        return;
    }
    // Further grids each in a tab of their own, then the charts, then a table.
    std::vector<ContentView> grids;
    std::optional<SortableTable> table;
    for (ContentView& view : further) {
        if (view.grid)
            grids.push_back(std::move(view));
        else if (!table && !view.tables.empty())
            table = std::move(view.tables.front());
    }
    showMoreGrids(first.caption, std::move(grids));
    showCharts(std::move(first.charts));
    showTable(std::move(table));
}

// A window of several views: the grid and its charts, one above the other,
// make the first tab.
void AnalysisWindow::makeFirstTab(const std::string& caption) {
    if (views_) return;
    views_ = new QTabWidget(this);
    views_->setObjectName(QStringLiteral("views"));
    auto* first = new QSplitter(Qt::Vertical, views_);
    layout_->replaceWidget(grid_, views_);
    first->addWidget(grid_);
    charts_ = new ChartView(first);
    first->addWidget(charts_);
    // Half for the grid, half for the chart, whatever the chart asks for.
    first->setSizes({400, 400});
    views_->addTab(first, Q(caption.empty() ? std::string("表") : caption));
}

void AnalysisWindow::showTabs(std::vector<ContentView> further) {
    for (std::size_t i = 0; i < further.size(); ++i) {
        if (i == contentTabs_.size()) {
            auto* view = new ContentTabView(tabs());
            view->setObjectName(QStringLiteral("contentTab%1").arg(i + 1));
            contentTabs_.push_back(view);
            views_->addTab(view, Q(further[i].caption));
        }
        contentTabs_[i]->setView(std::move(further[i]));
    }
}

// The grid moves into a tab "表" the first time another view joins it.
QTabWidget* AnalysisWindow::tabs() {
    if (!views_) {
        views_ = new QTabWidget(this);
        views_->setObjectName(QStringLiteral("views"));
        layout_->replaceWidget(grid_, views_);
        views_->addTab(grid_, QStringLiteral("表"));
    }
    return views_;
}

// The grid moves into a tab "表" beside "グラフ" the first time there are
// charts; a window that never has any keeps its grid as it is.
void AnalysisWindow::showCharts(std::vector<ChartData> charts) {
    // Charts that share the first tab with the grid are shown or hidden there.
    if (charts_ && views_->indexOf(charts_) < 0) {
        charts_->setVisible(!charts.empty());
        if (!charts.empty()) charts_->setCharts(std::move(charts));
        return;
    }
    if (charts.empty()) {
        if (charts_) views_->setTabVisible(views_->indexOf(charts_), false);
        return;
    }
    if (!charts_) {
        charts_ = new ChartView(tabs());
        charts_->setLaidOutWhenShown(true);
        views_->addTab(charts_, QStringLiteral("グラフ"));
        connect(views_, &QTabWidget::currentChanged, this, [this](int tab) {
            if (views_->widget(tab) == charts_) makeRoomForCharts();
        });
    }
    views_->setTabVisible(views_->indexOf(charts_), true);
    charts_->setCharts(std::move(charts));
}

// A window laid out for a short grid grows, when its charts are shown, to
// a height where a chart can be read; never beyond the area that holds it.
void AnalysisWindow::makeRoomForCharts() {
    constexpr int kChartHeight = 380;
    const int missing = kChartHeight - charts_->height();
    if (missing <= 0) return;
    QWidget* frame = parentWidget() ? parentWidget() : this;
    int height = frame->height() + missing;
    if (QWidget* area = frame->parentWidget()) height = std::min(height, area->height() - frame->y());
    if (height > frame->height()) frame->resize(frame->width(), height);
}

// The number box and the ticket box, first in the row of controls.
void AnalysisWindow::buildBoxes(QHBoxLayout* controls) {
    if (info_.numberBox) {
        numberBox_ = new NumberBox(this);
        connect(numberBox_, &NumberBox::numberChosen, this, [this](int number) {
            number_ = number;
            showResultAtTop_ = true;
            if (views_) views_->setCurrentWidget(grid_);
            recompute();
        });
        controls->addWidget(numberBox_);
    }
    if (info_.ticketBox) {
        ticketBox_ = new TicketBox(this);
        connect(ticketBox_, &TicketBox::ticketConfirmed, this,
                [this](const Purchase& ticket) { host().openTicketDraft(ticket); });
        // The card shows the typed number's return with its 推定倍率.
        connect(ticketBox_, &TicketBox::numberTyped, this, [this](int number) {
            number_ = number;
            recompute();
        });
        controls->addWidget(ticketBox_);
    }
}

// Further grids in tabs after the grid, which takes the content's caption;
// each keeps its scroll position and selection when the figures change.
void AnalysisWindow::showMoreGrids(const std::string& gridCaption, std::vector<ContentView> grids) {
    if (grids.empty()) return;
    QTabWidget* views = tabs();
    if (!gridCaption.empty()) views->setTabText(views->indexOf(grid_), Q(gridCaption));
    for (std::size_t i = 0; i < grids.size(); ++i) {
        if (i == moreGrids_.size()) {
            auto* view = new GridView(views);
            view->setObjectName(QStringLiteral("grid%1").arg(i + 2));
            views->insertTab(views->indexOf(i == 0 ? grid_ : moreGrids_.back()) + 1, view, Q(grids[i].caption));
            moreGrids_.push_back(view);
        }
        GridView* view = moreGrids_[i];
        const GridViewState state = GridViewState::Of(*view);
        view->setGridModel(std::move(*grids[i].grid));
        state.restore(*view);
    }
}

// The content's sortable table in a tab beside the grid; a double click
// on a row puts its first cell into the number box.
void AnalysisWindow::showTable(std::optional<SortableTable> table) {
    if (!table) return;
    if (!tableView_) {
        const SortableTableView made = MakeSortableTableView(this, this, QStringLiteral("sortableTable"));
        tableModel_ = made.model;
        tableSort_ = made.sort;
        tableView_ = made.view;
        connect(tableView_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
            if (!numberBox_ || !index.isValid()) return;
            numberBox_->choose(tableSort_->index(index.row(), 0).data().toString());
        });
        tabs()->addTab(tableView_, Q(table->caption));
    }
    tableModel_->setTable(std::move(*table));
}

}  // namespace n3
