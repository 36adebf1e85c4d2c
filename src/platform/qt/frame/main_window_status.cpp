// The main window's status line: when the stored draws end more than a draw
// day before today, how many draws are missing by the schedule, with a
// button that fetches them.
#include <QPushButton>
#include <QStatusBar>

#include "lab/next_draw_date.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/frame/main_window.h"

namespace n3 {

std::string MainWindow::today() const { return today_().toString(QStringLiteral("yyyy-MM-dd")).toStdString(); }

void MainWindow::showMissingDraws() {
    if (!snapshot_) return;
    if (!fetchMissing_) {
        fetchMissing_ = new QPushButton(QStringLiteral("最新の当選データを取得"), statusBar());
        fetchMissing_->setObjectName(QStringLiteral("fetchMissing"));
        statusBar()->addPermanentWidget(fetchMissing_);
        connect(fetchMissing_, &QPushButton::clicked, this, [this] { trigger(QStringLiteral("fetchLatest")); });
    }
    const std::string text = MissingDrawsText(NextDrawOn(snapshot_->history, snapshot_->results, today()));
    fetchMissing_->setVisible(!text.empty());
    if (text.empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(Q(text));
}

}  // namespace n3
