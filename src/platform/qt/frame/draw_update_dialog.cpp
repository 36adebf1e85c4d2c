#include "platform/qt/frame/draw_update_dialog.h"

#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "io/draw_update_index.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"

namespace n3 {

namespace {

DrawUpdateDialog::ProgressObserver& Observer() {
    static DrawUpdateDialog::ProgressObserver observer;
    return observer;
}

}  // namespace

void DrawUpdateDialog::SetProgressObserver(ProgressObserver observer) { Observer() = std::move(observer); }

DrawUpdateDialog::DrawUpdateDialog(std::string databasePath, std::string source, QWidget* parent)
    : QDialog(parent), databasePath_(std::move(databasePath)), source_(std::move(source)) {
    setObjectName(QStringLiteral("DrawUpdateDialog"));
    setWindowTitle(QStringLiteral("最新の当選データを取得"));
    setModal(true);
    status_ = new QLabel(QStringLiteral("当選データの一覧を取得しています…"), this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setMinimumWidth(360);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 0);  // busy until the number of draws is known
    cancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(bar_);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, &DrawUpdateDialog::reject);
}

DrawUpdateDialog::~DrawUpdateDialog() {
    cancelled_ = true;
    if (worker_.joinable()) worker_.join();
}

void DrawUpdateDialog::reject() {
    if (finished_) {
        QDialog::reject();
        return;
    }
    // The worker ends at its next look at the flag; the dialog closes then.
    cancelled_ = true;
    cancel_->setEnabled(false);
    status_->setText(QStringLiteral("取り消しています…"));
}

UpdateOutcome DrawUpdateDialog::run() {
    worker_ = std::thread([this] {
        UpdateOutcome outcome;
        try {
            // A connection of the worker's own: the window's stays on its thread.
            const std::unique_ptr<Database> database = Database::Open(databasePath_, true);
            HttpClient http;
            UpdateEvents events;
            events.cancelled = [this] { return cancelled_.load(); };
            events.progress = [this](int done, int total, int drawNo) {
                QMetaObject::invokeMethod(
                    this, [this, done, total, drawNo] { showProgress(done, total, drawNo); }, Qt::QueuedConnection);
            };
            events.replaceDiffering = [this](const DigitConflict& c) {
                bool answer = false;
                QMetaObject::invokeMethod(
                    this, [this, &c, &answer] { answer = askReplace(c); }, Qt::BlockingQueuedConnection);
                return answer;
            };
            events.allowGap = [this](int newest, int drawNo) {
                bool answer = false;
                QMetaObject::invokeMethod(
                    this, [this, newest, drawNo, &answer] { answer = askGap(newest, drawNo); },
                    Qt::BlockingQueuedConnection);
                return answer;
            };
            events.allowOffSchedule = [this](const std::string& note) {
                bool answer = false;
                QMetaObject::invokeMethod(
                    this,
                    [this, &note, &answer] {
                        answer =
                            dialogs::Message(this, Q(note) + QStringLiteral("。\n\nこの日付のまま取り込みますか？"),
                                             QStringLiteral("最新の当選データを取得"), dialogs::Icon::Warning,
                                             dialogs::Buttons::YesNo) == dialogs::Result::Yes;
                    },
                    Qt::BlockingQueuedConnection);
                return answer;
            };
            outcome = UpdateDraws(*database, source_, http, events);
        } catch (const StoreError& e) {
            outcome.status = UpdateOutcome::Status::Failed;
            outcome.message = std::string("データベースを開けません：") + e.what();
        } catch (const std::bad_alloc&) {
            outcome.status = UpdateOutcome::Status::Failed;
            outcome.message = "メモリが足りません。取得を中止しました。";
        }
        QMetaObject::invokeMethod(
            this, [this, outcome] { finish(outcome); }, Qt::QueuedConnection);
    });
    exec();
    if (worker_.joinable()) worker_.join();
    return outcome_;
}

void DrawUpdateDialog::showProgress(int done, int total, int drawNo) {
    if (finished_) return;
    bar_->setRange(0, total);
    bar_->setValue(done);
    if (!cancelled_)
        status_->setText(done < total
                             ? QStringLiteral("第%1回を取得しています（%2／%3）").arg(drawNo).arg(done + 1).arg(total)
                             : QStringLiteral("%1回分を取り込みました").arg(total));
    if (Observer()) Observer()(*this, done, total, drawNo);
}

bool DrawUpdateDialog::askReplace(const DigitConflict& c) {
    const auto answer =
        dialogs::Message(this,
                         QStringLiteral("第%1回の当選番号が違います。\nデータベース：「%2」\n取得したデータ：「%3」\n\n"
                                        "取得したデータの当選番号で置き換えますか？")
                             .arg(c.drawNo)
                             .arg(Q(c.stored), Q(c.incoming)),
                         QStringLiteral("最新の当選データを取得"), dialogs::Icon::Warning, dialogs::Buttons::YesNo);
    return answer == dialogs::Result::Yes;
}

bool DrawUpdateDialog::askGap(int newestStored, int drawNo) {
    const auto answer = dialogs::Message(
        this, Q(DrawGapText(newestStored, drawNo)) + QStringLiteral("。\n\nこの回から先も取得しますか？"),
        QStringLiteral("最新の当選データを取得"), dialogs::Icon::Warning, dialogs::Buttons::YesNo);
    return answer == dialogs::Result::Yes;
}

void DrawUpdateDialog::finish(UpdateOutcome outcome) {
    outcome_ = std::move(outcome);
    finished_ = true;
    if (worker_.joinable()) worker_.join();
    accept();
}

}  // namespace n3
