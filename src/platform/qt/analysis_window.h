#pragma once
// The one window of every analysis: the explanation, the legend, the grid
// fpSpread1 and the buttons, filled once when the window loads.
#include "analysis/frame/window_table.h"
#include "platform/qt/child_window.h"

class QLabel;
class QPushButton;

namespace n3 {

class GridView;

class AnalysisWindow : public ChildWindow {
    Q_OBJECT
public:
    AnalysisWindow(ChildHost& host, const AnalysisWindowInfo& info, QWidget* parent = nullptr);

    QString windowClass() const override;
    QSize sizeInTwips() const override { return {info_.widthTwips, info_.heightTwips}; }
    const AnalysisWindowInfo& info() const { return info_; }

    // The load: pointer, yield, propEnd, then compute and fill the grid.
    void load() override;

    GridView* fpSpread1() const { return fpSpread1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

private:
    const AnalysisWindowInfo& info_;
    GridView* fpSpread1_;
    QLabel* label1_;
    QPushButton* command1_;
    QPushButton* command2_ = nullptr;
};

}  // namespace n3
