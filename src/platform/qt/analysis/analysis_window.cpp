#include "platform/qt/analysis/analysis_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
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
    if (info.hasRangeControls || info.usesOptionFlags) {
        auto* controls = new QHBoxLayout;
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
    if (range_) range_->setEnabled(false);
    if (useFlags_) useFlags_->setEnabled(false);
    // The work keeps the snapshot it started with, even when a newer one
    // replaces it meanwhile.
    task_->start([info = &info_, snapshot = host().sharedSnapshot(), flags = flags_, range = pendingRange_] {
        return BuildWindowContent(*info, InputOf(*snapshot, flags, range));
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
    WindowContent content = BuildWindowContent(info_, InputOf(host().snapshot(), flags_, range));
    shownRange_ = range;
    showContent(std::move(content));
}

void AnalysisWindow::showContent(WindowContent content) {
    fpSpread1_->setGridModel(std::move(content.grid));
    shownCharts_ = content.charts;  // what the print shows beside the grid
    showCharts(std::move(content.charts));
}

// The grid moves into a tab "表" beside "グラフ" the first time there are
// charts; a window that never has any keeps its grid as it is.
void AnalysisWindow::showCharts(std::vector<ChartData> charts) {
    if (charts.empty()) {
        if (views_) views_->setTabVisible(1, false);
        return;
    }
    if (!views_) {
        views_ = new QTabWidget(this);
        views_->setObjectName(QStringLiteral("views"));
        charts_ = new ChartView(views_);
        layout_->replaceWidget(fpSpread1_, views_);
        views_->addTab(fpSpread1_, QStringLiteral("表"));
        views_->addTab(charts_, QStringLiteral("グラフ"));
        connect(views_, &QTabWidget::currentChanged, this, [this](int tab) {
            if (tab == 1) makeRoomForCharts();
        });
    }
    views_->setTabVisible(1, true);
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

}  // namespace n3
