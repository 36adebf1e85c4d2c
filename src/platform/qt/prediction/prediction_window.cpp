#include "platform/qt/prediction/prediction_window.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <QScrollBar>
#include <vector>
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/grid/grid_view_state.h"
#include "platform/qt/prediction/prediction_option_panel.h"
#include "platform/qt/print/prediction_document.h"
#include "platform/qt/print/print_preview.h"
#include "windows/main_commands.h"

namespace n3 {

namespace {

QLabel* MakeLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(GridFont());
    return label;
}

// A result grid is exactly as large as its rows and columns.
void FitToGrid(GridView* view) {
    const GridModel& grid = view->gridModel();
    int width = 0, height = 0;
    for (int c = 1; c <= grid.columns(); ++c) width += view->columnWidthPixels(grid.columnWidth(c));
    for (int r = 1; r <= grid.rows(); ++r) height += view->rowHeightPixels(grid.rowHeight(r));
    view->setFixedSize(width + 2 * view->frameWidth(), height + 2 * view->frameWidth());
}

}  // namespace

PredictionWindow::PredictionWindow(ChildHost& host, 一発ズバリン& prediction, QWidget* parent)
    : ChildWindow(host, parent), prediction_(prediction) {
    setWindowTitle(QStringLiteral("一発ズバリン予想"));
    setObjectName(QStringLiteral("一発ズバリン"));

    panel_ = new PredictionOptionPanel(this);
    connect(panel_, &PredictionOptionPanel::optionClicked, this, &PredictionWindow::onOptionClicked);

    auto* heading = MakeLabel(QStringLiteral("当選予想"), this);
    QFont headingFont = GridFont();
    headingFont.setPointSizeF(12);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* explanation = MakeLabel(
        QStringLiteral(
            "各データ分析の結果を元に周期法、消去法、連発ズバリン、一発ズバリンの各手法を用いて当選数字を予想します。"),
        this);
    explanation->setWordWrap(true);

    auto* results = new QVBoxLayout;
    results->setSpacing(1);
    for (int i = 0; i < kPredictionGridCount; ++i) {
        results->addWidget(MakeLabel(Q(kPredictionGridLabels[std::size_t(i)]), this));
        grids_[std::size_t(i)] = new GridView(this);
        grids_[std::size_t(i)]->setObjectName(QStringLiteral("grid%1").arg(i));
        results->addWidget(grids_[std::size_t(i)]);
        if (i + 1 < kPredictionGridCount) results->addSpacing(3);
    }

    close_ = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    close_->setObjectName(QStringLiteral("Cmd閉じる"));
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildFrame(this); });
    print_ = new QPushButton(QStringLiteral("印刷(&P)"), this);
    print_->setObjectName(QStringLiteral("printButton"));
    connect(print_, &QPushButton::clicked, this, [this] { OpenPrintPreview(this, *printDocument()); });

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(close_);

    auto* lower = new QHBoxLayout;
    lower->addLayout(results);
    lower->addStretch();
    lower->addLayout(buttons);

    // Everything sits in a scroll area: at any window size each control
    // keeps the room it needs and nothing is drawn over anything else.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(panel_);
    layout->addWidget(heading);
    layout->addWidget(explanation);
    layout->addLayout(lower);
    layout->addStretch();

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_);
}

QSize PredictionWindow::contentSize() const { return scroll_->widget()->sizeHint(); }

QRadioButton* PredictionWindow::reflectButton(int index) const { return panel_->reflectButton(index); }
QRadioButton* PredictionWindow::ignoreButton(int index) const { return panel_->ignoreButton(index); }

void PredictionWindow::load() {
    const WaitCursor wait;
    host().yieldOnce();
    host().setEntryFree(false);
    ShowOptionFlags();
    BuildPrediction();
}

void PredictionWindow::ShowOptionFlags() { panel_->showOptionFlags(prediction_.optionFlags()); }

void PredictionWindow::BuildPrediction() {
    const HistorySnapshot& snap = snapshot();
    prediction_.BuildPrediction(snap.history, snap.stats.LatestDrawNo, *snap.game);
    ShowGrids();
}

// The prediction takes milliseconds even over the whole history: it is
// built again at once, with the window scrolled where it was.
void PredictionWindow::followHistory() {
    const int vertical = scroll_->verticalScrollBar()->value();
    const int horizontal = scroll_->horizontalScrollBar()->value();
    std::vector<GridViewState> views;
    for (GridView* view : grids_) views.push_back(GridViewState::Of(*view));
    BuildPrediction();
    for (std::size_t i = 0; i < grids_.size(); ++i) views[i].restore(*grids_[i]);
    scroll_->verticalScrollBar()->setValue(vertical);
    scroll_->horizontalScrollBar()->setValue(horizontal);
}

void PredictionWindow::onOptionClicked(int index, bool reflect) {
    const OptionFlags before = prediction_.optionFlags();
    prediction_.OptionClicked(index, reflect);
    ShowGrids();
    if (prediction_.optionFlags() != before) emit optionFlagsChanged();
    // The flag is kept for the run either way; the file just could not take it.
    if (!prediction_.lastWriteError().empty())
        dialogs::Message(this, Q(prediction_.lastWriteError()), Q(kMessageTitle), dialogs::Icon::Critical);
}

void PredictionWindow::ShowGrids() {
    for (int i = 0; i < kPredictionGridCount; ++i) {
        GridView* view = grids_[std::size_t(i)];
        view->setGridModel(prediction_.grids()[std::size_t(i)]);
        FitToGrid(view);
    }
}

ChildWindow* CreatePredictionWindow(ChildHost& host, 一発ズバリン& prediction) {
    return new PredictionWindow(host, prediction);
}

std::optional<PrintDocument> PredictionWindow::printDocument() const {
    return MakePredictionDocument(prediction_, snapshot().history);
}

}  // namespace n3
