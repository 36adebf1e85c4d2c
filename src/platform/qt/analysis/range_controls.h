#pragma once
// The range of target draws a window computes over: 全回, the last 100 /
// 500 / 1000 draws, or 第N回〜第M回, and the "再計算" button.
#include <QWidget>

#include "core/window_content.h"

class QComboBox;
class QPushButton;
class QSpinBox;

namespace n3 {

class RangeControls : public QWidget {
    Q_OBJECT
public:
    enum Choice { All = 0, Last100, Last500, Last1000, FromTo };

    explicit RangeControls(QWidget* parent = nullptr);

    // Sets the draw numbers the from/to boxes offer (1..latest).
    void setLatestDrawNo(int latest);
    // The same for a history that grew or shrank, keeping the choice and
    // the chosen numbers; a "to" box at the newest draw moves with it.
    void followLatestDrawNo(int latest);
    // The range chosen, read against the history for the "last N" choices.
    DrawRange range(const DrawHistory& history) const;

    QComboBox* choice() const { return choice_; }
    QSpinBox* fromBox() const { return from_; }
    QSpinBox* toBox() const { return to_; }
    QPushButton* recomputeButton() const { return recompute_; }

signals:
    void recomputeRequested();

private:
    QComboBox* choice_;
    QSpinBox* from_;
    QSpinBox* to_;
    QPushButton* recompute_;
};

}  // namespace n3
