#pragma once
// The option panel of the prediction window: the frame "データ分析オプション"
// with twelve small frames, each holding the pair Opt反映する(i) /
// Opt反映しない(i).
#include <QGroupBox>

#include "prediction/option_pairs.h"

class QRadioButton;

namespace n3 {

class PredictionOptionPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit PredictionOptionPanel(QWidget* parent = nullptr);

    QRadioButton* reflectButton(int index) const { return reflect_[index]; }
    QRadioButton* ignoreButton(int index) const { return ignore_[index]; }

    // ShowOptionFlags: selects one button of each of the pairs 0..9 as the
    // flags say. Not a click: nothing is recomputed.
    void showOptionFlags(const OptionFlags& flags);

signals:
    // A user click on Opt反映する(index) (reflect) or Opt反映しない(index).
    void optionClicked(int index, bool reflect);

private:
    QRadioButton* reflect_[kOptionPairCount];
    QRadioButton* ignore_[kOptionPairCount];
};

}  // namespace n3
