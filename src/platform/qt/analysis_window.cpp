#include "platform/qt/analysis_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/grid_font.h"
#include "platform/qt/grid_view.h"
#include "platform/qt/legend.h"
#include "platform/qt/qt_util.h"

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
        buttons->addWidget(command2_);
    }
    buttons->addWidget(command1_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(fpSpread1_, 1);
    layout->addLayout(buttons);
}

QString AnalysisWindow::windowClass() const { return Q(info_.className); }

void AnalysisWindow::load() {
    const WaitCursor wait;
    if (!info_.yieldAfterCompute) host().yieldOnce();
    host().setPropEnd(info_.propEndTrueOnLoad);
    const HistorySnapshot& snap = host().snapshot();
    WindowContent content = BuildWindowContent(info_, InputOf(snap, host().optionFlags()));
    fpSpread1_->setGridModel(std::move(content.grid));
    if (info_.yieldAfterCompute) host().yieldOnce();
}

}  // namespace n3
