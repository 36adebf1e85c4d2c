#include "platform/qt/analysis/content_task.h"

#include <QThread>
#include <QTimer>

namespace n3 {

ContentTask::ContentTask(QObject* parent) : QObject(parent) {}

ContentTask::~ContentTask() { wait(); }

bool ContentTask::start(std::function<WindowContent()> work) {
    if (thread_) return false;
    auto slot = std::make_shared<WindowContent>();
    slot_ = slot;
    thread_ = QThread::create([slot, work = std::move(work)] { *slot = work(); });
    connect(thread_, &QThread::finished, this, [this] { finish(); });
    QTimer::singleShot(kSlowMs, this, [this, thread = thread_] {
        if (thread_ == thread) emit slow();
    });
    thread_->start();
    return true;
}

void ContentTask::wait() {
    if (!thread_) return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
}

void ContentTask::finish() {
    if (!thread_) return;
    thread_->wait();
    thread_->deleteLater();
    thread_ = nullptr;
    result_ = std::move(*slot_);
    slot_.reset();
    emit done();
}

}  // namespace n3
