#pragma once
// The progress dialog of "最新の当選データを取得": runs the update on a
// worker thread (its own database connection), shows the draw being fetched
// and offers a cancel button. A draw whose digits differ from the stored
// ones is asked about on the GUI thread, showing both. Cancelling keeps
// what was stored.
#include <QDialog>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "platform/net/draw_updater.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace n3 {

class DrawUpdateDialog : public QDialog {
    Q_OBJECT
public:
    DrawUpdateDialog(std::string databasePath, std::string source, QWidget* parent = nullptr);
    ~DrawUpdateDialog() override;

    // Shows the dialog, runs the update to its end and returns its outcome.
    UpdateOutcome run();

    QLabel* statusLabel() const { return status_; }
    QProgressBar* progressBar() const { return bar_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Test hook: called on the GUI thread after every progress step the
    // dialog shows (done of total, the draw being fetched).
    using ProgressObserver = std::function<void(DrawUpdateDialog&, int done, int total, int drawNo)>;
    static void SetProgressObserver(ProgressObserver observer);

protected:
    void reject() override;  // Esc and the close button cancel like the button

private:
    void showProgress(int done, int total, int drawNo);
    bool askReplace(const DigitConflict& conflict);
    // The index lists a draw far past the newest stored one: go on?
    bool askGap(int newestStored, int drawNo);
    void finish(UpdateOutcome outcome);

    std::string databasePath_;
    std::string source_;
    QLabel* status_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    std::atomic<bool> cancelled_{false};
    std::thread worker_;
    UpdateOutcome outcome_;
    bool finished_ = false;
};

}  // namespace n3
