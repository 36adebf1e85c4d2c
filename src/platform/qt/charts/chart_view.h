#pragma once
// The charts of a window on screen: a chooser when there are several, the
// chart itself with tips under the pointer, and "PNG保存".
#include <QWidget>
#include <vector>

#include "core/chart_data.h"

class QChartView;
class QComboBox;
class QPushButton;

namespace n3 {

class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    void setCharts(std::vector<ChartData> charts);
    // A view in a tab of its own lays its chart out only once it is shown:
    // charts that change while the tab is hidden cost nothing on screen.
    void setLaidOutWhenShown(bool later) { laidOutWhenShown_ = later; }
    const std::vector<ChartData>& charts() const { return charts_; }
    int currentIndex() const { return current_; }
    void showChart(int index);

    // Saves the chart on screen as a PNG picture; false when it cannot be written.
    bool savePng(const QString& path);

    QChartView* chartView() const { return view_; }
    QComboBox* chooser() const { return chooser_; }
    QPushButton* saveButton() const { return save_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void askAndSave();
    void layOutPending();
    void connectTips();

    std::vector<ChartData> charts_;
    int current_ = -1;
    bool laidOutWhenShown_ = false;
    bool pending_ = false;  // the chart of current_ waits to be laid out
    QComboBox* chooser_;
    QChartView* view_;
    QPushButton* save_;
};

}  // namespace n3
