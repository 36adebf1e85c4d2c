// Writes by other programs to the same database file: the command line's
// import or update while the program is open. SQLite counts the commits of
// other connections in PRAGMA data_version; a short timer looks at it and
// a change is followed as the program's own writes are.
#include <QTimer>

#include "platform/qt/frame/main_window.h"
#include "platform/store/database.h"

namespace n3 {

namespace {
constexpr int kOtherWritersCheckMs = 500;
}  // namespace

void MainWindow::watchOtherWriters() {
    dataVersion_ = database_->draws().DataVersion();
    if (!otherWriters_) {
        otherWriters_ = new QTimer(this);
        otherWriters_->setObjectName(QStringLiteral("otherWriters"));
        connect(otherWriters_, &QTimer::timeout, this, &MainWindow::checkOtherWriters);
    }
    otherWriters_->start(kOtherWritersCheckMs);
}

void MainWindow::checkOtherWriters() {
    if (!database_ || ending_) return;
    int version = dataVersion_;
    try {
        version = database_->draws().DataVersion();
    } catch (const std::exception&) {
        return;  // busy or gone for a moment: the next look tells
    }
    if (version == dataVersion_) return;
    dataVersion_ = version;
    refreshHistory();
}

}  // namespace n3
