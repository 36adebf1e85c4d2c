#include "platform/qt/prediction/prediction_option_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/common/qt_util.h"
#include "platform/qt/grid/grid_font.h"

namespace n3 {

namespace {

constexpr int kFramesPerRow = 3;

}  // namespace

PredictionOptionPanel::PredictionOptionPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("データ分析オプション"), parent) {
    setObjectName(QStringLiteral("データ分析オプション"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);

    auto* explanation = new QLabel(QStringLiteral("各データ分析の分析結果を当選予想へ反映するかを設定します。"), this);
    explanation->setFont(GridFont());
    layout->addWidget(explanation);

    auto* frames = new QGridLayout;
    frames->setHorizontalSpacing(4);
    frames->setVerticalSpacing(2);
    for (int i = 0; i < kOptionPairCount; ++i) {
        auto* frame = new QGroupBox(Q(kOptionCaptions[std::size_t(i)]), this);
        frame->setFont(GridFont());
        auto* pair = new QHBoxLayout(frame);
        pair->setContentsMargins(6, 0, 6, 1);
        // The two buttons share the frame, so selecting one deselects the other.
        reflect_[i] = new QRadioButton(QStringLiteral("反映する"), frame);
        ignore_[i] = new QRadioButton(QStringLiteral("反映しない"), frame);
        reflect_[i]->setObjectName(QStringLiteral("Opt反映する(%1)").arg(i));
        ignore_[i]->setObjectName(QStringLiteral("Opt反映しない(%1)").arg(i));
        pair->addWidget(reflect_[i]);
        pair->addWidget(ignore_[i]);
        pair->addStretch();
        connect(reflect_[i], &QRadioButton::clicked, this, [this, i] { emit optionClicked(i, true); });
        connect(ignore_[i], &QRadioButton::clicked, this, [this, i] { emit optionClicked(i, false); });
        frames->addWidget(frame, i / kFramesPerRow, i % kFramesPerRow);
    }
    // The two last-digit pairs have no flag; they start at "反映しない".
    for (int i = kOptionFlagCount; i < kOptionPairCount; ++i) ignore_[i]->setChecked(true);
    layout->addLayout(frames);
}

void PredictionOptionPanel::showOptionFlags(const OptionFlags& flags) {
    for (int i = 0; i < kOptionFlagCount; ++i) {
        (flags[std::size_t(i)] ? reflect_[i] : ignore_[i])->setChecked(true);
        reflect_[i]->setEnabled(true);
        ignore_[i]->setEnabled(true);
    }
}

}  // namespace n3
