#pragma once
// One computation of a window's content on a worker thread, so that a long
// one (a range over the whole history, a backtest) leaves the window live.
// The work reads only data that stays unchanged while the window is open.
#include <QObject>
#include <functional>
#include <memory>

#include "core/window_content.h"

class QThread;

namespace n3 {

class ContentTask : public QObject {
    Q_OBJECT
public:
    explicit ContentTask(QObject* parent = nullptr);
    ~ContentTask() override;

    // Starts the work; false (and nothing started) while one is running.
    bool start(std::function<WindowContent()> work);
    bool running() const { return thread_ != nullptr; }
    // Blocks until the work in hand has finished.
    void wait();
    // The content the last finished work built.
    WindowContent take() { return std::move(result_); }

    static constexpr int kSlowMs = 200;

signals:
    // The work has run for kSlowMs and is not finished yet.
    void slow();
    // The work has finished: take() holds its content.
    void done();

private:
    void finish();

    QThread* thread_ = nullptr;
    std::shared_ptr<WindowContent> slot_;
    WindowContent result_;
};

}  // namespace n3
