// Writes by other programs to the same database file: the command line's
// import or update while the program is open. SQLite counts the commits of
// other connections in PRAGMA data_version; it is looked at as soon as the
// database's files change (the file, its -wal, and its folder, where a
// journal comes and goes with each commit), and a short timer looks at it
// too, for file systems that do not report changes. A change is followed
// as the program's own writes are.
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include "platform/qt/frame/main_window.h"
#include "platform/store/database.h"

namespace n3 {

namespace {
constexpr int kOtherWritersCheckMs = 500;
// File events come in bursts while a commit is written: the data version
// is read once the burst has been quiet this long.
constexpr int kFilesSettleMs = 10;
}  // namespace

void MainWindow::watchOtherWriters() {
    dataVersion_ = database_->draws().DataVersion();
    if (!otherWriters_) {
        otherWriters_ = new QTimer(this);
        otherWriters_->setObjectName(QStringLiteral("otherWriters"));
        connect(otherWriters_, &QTimer::timeout, this, &MainWindow::checkOtherWriters);
    }
    otherWriters_->start(kOtherWritersCheckMs);
    watchDatabaseFiles();
}

void MainWindow::watchDatabaseFiles() {
    if (!databaseFiles_) {
        databaseFiles_ = new QFileSystemWatcher(this);
        filesSettle_ = new QTimer(this);
        filesSettle_->setSingleShot(true);
        filesSettle_->setInterval(kFilesSettleMs);
        connect(filesSettle_, &QTimer::timeout, this, [this] {
            watchDatabaseFiles();  // a file replaced or a -wal made since: watched again
            checkOtherWriters();
        });
        const auto changed = [this] { filesSettle_->start(); };
        connect(databaseFiles_, &QFileSystemWatcher::fileChanged, this, changed);
        connect(databaseFiles_, &QFileSystemWatcher::directoryChanged, this, changed);
    }
    const QString file = QString::fromStdString(databasePath_);
    QStringList paths = {file, file + QStringLiteral("-wal"), QFileInfo(file).absolutePath()};
    const QStringList watched = databaseFiles_->files() + databaseFiles_->directories();
    paths.removeIf([&](const QString& p) { return watched.contains(p) || !QFileInfo::exists(p); });
    if (!paths.isEmpty()) databaseFiles_->addPaths(paths);
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
