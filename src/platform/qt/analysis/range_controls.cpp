#include "platform/qt/analysis/range_controls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "lab/last_draws.h"

namespace n3 {

RangeControls::RangeControls(QWidget* parent) : QWidget(parent) {
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("rangeChoice"));
    choice_->addItems({QStringLiteral("全回"), QStringLiteral("直近100回"), QStringLiteral("直近500回"),
                       QStringLiteral("直近1000回"), QStringLiteral("第N回〜第M回")});
    from_ = new QSpinBox(this);
    from_->setObjectName(QStringLiteral("rangeFrom"));
    to_ = new QSpinBox(this);
    to_->setObjectName(QStringLiteral("rangeTo"));
    for (QSpinBox* box : {from_, to_}) {
        box->setRange(1, kMaxDrawNo);
        box->setPrefix(QStringLiteral("第"));
        box->setSuffix(QStringLiteral("回"));
        box->setEnabled(false);
    }
    recompute_ = new QPushButton(QStringLiteral("再計算"), this);
    recompute_->setObjectName(QStringLiteral("recompute"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("対象の範囲："), this));
    layout->addWidget(choice_);
    layout->addWidget(from_);
    layout->addWidget(new QLabel(QStringLiteral("〜"), this));
    layout->addWidget(to_);
    layout->addWidget(recompute_);
    layout->addStretch();

    connect(choice_, &QComboBox::currentIndexChanged, this, [this](int i) {
        from_->setEnabled(i == FromTo);
        to_->setEnabled(i == FromTo);
    });
    connect(recompute_, &QPushButton::clicked, this, &RangeControls::recomputeRequested);
}

void RangeControls::setLatestDrawNo(int latest) {
    const int top = std::max(1, latest);
    from_->setMaximum(top);
    to_->setMaximum(top);
    from_->setValue(1);
    to_->setValue(top);
}

void RangeControls::followLatestDrawNo(int latest) {
    const int top = std::max(1, latest);
    const bool toTheEnd = to_->value() == to_->maximum();
    from_->setMaximum(top);
    to_->setMaximum(top);
    if (toTheEnd) to_->setValue(top);
}

DrawRange RangeControls::range(const DrawHistory& history) const {
    switch (choice_->currentIndex()) {
    case Last100: return LastDrawsRange(history, 100);
    case Last500: return LastDrawsRange(history, 500);
    case Last1000: return LastDrawsRange(history, 1000);
    case FromTo: {
        // A reversed pair is read the way round it was meant.
        const int a = from_->value(), b = to_->value();
        return DrawRange{std::min(a, b), std::max(a, b)};
    }
    default: return DrawRange{};
    }
}

}  // namespace n3
