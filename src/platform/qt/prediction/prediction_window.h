#pragma once
// The prediction window 一発ズバリン on screen: the option panel, the
// heading "当選予想" and the four result grids grid(0..3). What it
// shows lives in the 一発ズバリン instance the main window keeps for the
// whole run; the window only shows it and passes the clicks on.
#include <array>

#include "core/window_names.h"
#include "platform/qt/common/child_window.h"
#include "prediction/prediction_window_logic.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace n3 {

class GridView;
class PredictionOptionPanel;

class PredictionWindow : public ChildWindow {
    Q_OBJECT
public:
    PredictionWindow(ChildHost& host, 一発ズバリン& prediction, QWidget* parent = nullptr);

    QString windowClass() const override {
        return QString::fromUtf8(windows::kPrediction.data(), qsizetype(windows::kPrediction.size()));
    }
    QSize designSize() const override { return {550, 624}; }
    std::optional<PrintDocument> printDocument() const override;
    // Everything without scrolling: the scroll area's content at its size.
    QSize contentSize() const override;

    // The load: pointer, yield, the entry window held, the flags into the panel,
    // then the prediction.
    void load() override;
    // A new history: the prediction is built again over it.
    void followHistory() override;

    GridView* grid(int index) const { return grids_[std::size_t(index)]; }
    QRadioButton* reflectButton(int index) const;        // option `index`: 反映する
    QRadioButton* ignoreButton(int index) const;         // option `index`: 反映しない
    QPushButton* closeButton() const { return close_; }  // Cmd閉じる
    QPushButton* printButton() const { return print_; }
    QScrollArea* scrollArea() const { return scroll_; }

signals:
    // An option was switched: the windows that use the options follow.
    void optionFlagsChanged();

private:
    void ShowOptionFlags();
    void BuildPrediction();
    void onOptionClicked(int index, bool reflect);
    // Puts the grids of the 一発ズバリン instance on screen.
    void ShowGrids();

    一発ズバリン& prediction_;
    PredictionOptionPanel* panel_;
    std::array<GridView*, kPredictionGridCount> grids_{};
    QPushButton* close_;
    QPushButton* print_;
    QScrollArea* scroll_;
};

// For the main window: the prediction window over the run's instance.
ChildWindow* CreatePredictionWindow(ChildHost& host, 一発ズバリン& prediction);

}  // namespace n3
