#include "platform/qt/analysis/analysis_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QHeaderView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/charts/chart_view.h"
#include "platform/qt/analysis/content_task.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/grid/grid_view_state.h"
#include "platform/qt/grid/legend.h"
#include "platform/qt/print/print_document_builders.h"
#include "platform/qt/print/print_preview.h"
#include "platform/qt/frame/qt_util.h"
#include "platform/qt/analysis/range_controls.h"
#include "lab/next_draw.h"
#include "platform/qt/analysis/number_boxes.h"
#include "platform/qt/analysis/sortable_table_model.h"

namespace n3 {

AnalysisWindow::AnalysisWindow(ChildHost& host, const AnalysisWindowInfo& info, QWidget* parent)
    : ChildWindow(host, parent), info_(info) {
    setWindowTitle(Q(info.caption));
    setObjectName(Q(info.className));

    label1_ = new QLabel(Q(info.label1), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(GridFont());

    fpSpread1_ = new GridView(this);
    fpSpread1_->setObjectName(QStringLiteral("fpSpread1"));

    command1_ = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    connect(command1_, &QPushButton::clicked, this, [this] { CloseChildFrame(this); });

    auto* top = new QHBoxLayout;
    top->addWidget(label1_);
    top->addStretch();
    if (QWidget* legend = MakeLegend(info, this)) top->addWidget(legend);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (info.printButton) {
        command2_ = new QPushButton(QStringLiteral("印刷(&P)"), this);
        command2_->setObjectName(QStringLiteral("Command2"));
        connect(command2_, &QPushButton::clicked, this, [this] {
            OpenPrintPreview(this, MakeAnalysisDocument(info_, fpSpread1_->gridModel(), shownCharts_,
                                                        this->host().snapshot().history, shownRange_));
        });
        buttons->addWidget(command2_);
    }
    buttons->addWidget(command1_);

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
        if (info.usesOptionFlags) {
            useFlags_ = new QPushButton(QStringLiteral("予想の設定を使う"), this);
            useFlags_->setObjectName(QStringLiteral("useOptionFlags"));
            connect(useFlags_, &QPushButton::clicked, this, [this] {
                flags_ = this->host().optionFlags();
                recompute();
            });
            controls->addWidget(useFlags_);
        }
        busy_ = new QProgressBar(this);
        busy_->setObjectName(QStringLiteral("busy"));
        busy_->setRange(0, 0);
        busy_->setMaximumWidth(160);
        busy_->hide();
        controls->addWidget(busy_);
        controls->addStretch();
        layout->addLayout(controls);
        task_ = new ContentTask(this);
        connect(task_, &ContentTask::slow, this, [this] { setBusy(true); });
        connect(task_, &ContentTask::done, this, [this] { finishRecompute(); });
    }
    layout->addWidget(fpSpread1_, 1);
    layout->addLayout(buttons);
}

QString AnalysisWindow::windowClass() const { return Q(info_.className); }

void AnalysisWindow::load() {
    const WaitCursor wait;
    if (!info_.yieldAfterCompute) host().yieldOnce();
    host().setPropEnd(info_.propEndTrueOnLoad);
    flags_ = host().optionFlags();
    if (range_) range_->setLatestDrawNo(host().snapshot().stats.LatestDrawNo);
    if (ticketBox_) ticketBox_->setDraw(LatestCompleteDraw(host().snapshot().history) + 1);
    compute(DrawRange{});
    if (info_.yieldAfterCompute) host().yieldOnce();
}

AnalysisWindow::~AnalysisWindow() {
    // The work reads the host's snapshot: it ends before the window goes.
    if (task_) task_->wait();
    setBusy(false);
}

bool AnalysisWindow::computing() const { return task_ && task_->running(); }

void AnalysisWindow::recompute() {
    if (!task_ || task_->running()) return;
    pendingRange_ = range_ ? range_->range(host().snapshot().history) : DrawRange{};
    pendingNumber_ = number_;
    if (range_) range_->setEnabled(false);
    if (useFlags_) useFlags_->setEnabled(false);
    // The work keeps the snapshot it started with, even when a newer one
    // replaces it meanwhile.
    task_->start([info = &info_, snapshot = host().sharedSnapshot(), flags = flags_, range = pendingRange_,
                  number = pendingNumber_] {
        WindowInput input = InputOf(*snapshot, flags, range);
        input.number = number;
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
    if (range_) range_->followLatestDrawNo(host().snapshot().stats.LatestDrawNo);
    // A computation already under way was over the old history: one more
    // follows it.
    if (task_->running()) {
        historyPending_ = true;
        return;
    }
    recompute();
}

void AnalysisWindow::finishRecompute() {
    shownRange_ = pendingRange_;
    shownNumber_ = pendingNumber_;
    const GridViewState view = GridViewState::Of(*fpSpread1_);
    showContent(task_->take());
    view.restore(*fpSpread1_);
    setBusy(false);
    if (range_) range_->setEnabled(true);
    if (useFlags_) useFlags_->setEnabled(true);
    if (historyPending_) {
        historyPending_ = false;
        recompute();
        return;
    }
    emit computed();
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
    WindowInput input = InputOf(host().snapshot(), flags_, range);
    input.number = number_;
    WindowContent content = BuildWindowContent(info_, input);
    shownRange_ = range;
    shownNumber_ = number_;
    showContent(std::move(content));
}

void AnalysisWindow::showContent(WindowContent content) {
    fpSpread1_->setGridModel(std::move(content.grid));
    shownCharts_ = content.charts;  // what the print shows beside the grid
    showCharts(std::move(content.charts));
    showTable(std::move(content.table));
}

// The grid moves into a tab "表" the first time another view joins it.
QTabWidget* AnalysisWindow::tabs() {
    if (!views_) {
        views_ = new QTabWidget(this);
        views_->setObjectName(QStringLiteral("views"));
        layout_->replaceWidget(fpSpread1_, views_);
        views_->addTab(fpSpread1_, QStringLiteral("表"));
    }
    return views_;
}

// The grid moves into a tab "表" beside "グラフ" the first time there are
// charts; a window that never has any keeps its grid as it is.
void AnalysisWindow::showCharts(std::vector<ChartData> charts) {
    if (charts.empty()) {
        if (charts_) views_->setTabVisible(views_->indexOf(charts_), false);
        return;
    }
    if (!charts_) {
        charts_ = new ChartView(tabs());
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
            recompute();
        });
        controls->addWidget(numberBox_);
    }
    if (info_.ticketBox) {
        ticketBox_ = new TicketBox(this);
        connect(ticketBox_, &TicketBox::ticketConfirmed, this,
                [this](const Purchase& ticket) { host().openTicketDraft(ticket); });
        controls->addWidget(ticketBox_);
    }
}

// The content's sortable table in a tab beside the grid; a double click
// on a row puts its first cell into the number box.
void AnalysisWindow::showTable(std::optional<SortableTable> table) {
    if (!table) return;
    if (!tableView_) {
        tableModel_ = new SortableTableModel(this);
        tableSort_ = new QSortFilterProxyModel(this);
        tableSort_->setSourceModel(tableModel_);
        tableSort_->setSortRole(SortableTableModel::kSortRole);
        tableView_ = new QTableView(this);
        tableView_->setObjectName(QStringLiteral("sortableTable"));
        tableView_->setModel(tableSort_);
        tableView_->setSortingEnabled(true);
        tableView_->setSelectionBehavior(QAbstractItemView::SelectRows);
        tableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tableView_->setFont(GridFont());
        tableView_->verticalHeader()->setDefaultSectionSize(tableView_->fontMetrics().height() + 4);
        tableView_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tableView_->sortByColumn(0, Qt::AscendingOrder);
        connect(tableView_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
            if (!numberBox_ || !index.isValid()) return;
            numberBox_->choose(tableSort_->index(index.row(), 0).data().toString());
        });
        tabs()->addTab(tableView_, Q(table->caption));
    }
    tableModel_->setTable(std::move(*table));
}

}  // namespace n3
