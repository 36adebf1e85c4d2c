#include "platform/qt/print/print_options_bar.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace n3 {

namespace {

QRadioButton* Radio(const QString& text, const char* name, QButtonGroup* group, int id, QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QLatin1String(name));
    group->addButton(button, id);
    return button;
}

QSpinBox* DrawBox(const char* name, int low, int high, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    box->setValue(std::clamp(value, low, high));
    box->setAccelerated(true);
    return box;
}

}  // namespace

PrintOptionsBar::PrintOptionsBar(const PrintOffer& offer, const PrintChoice& initial, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("printOptions"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    if (offer.range) {
        auto* box = new QGroupBox(QStringLiteral("対象の範囲"), this);
        auto* line = new QHBoxLayout(box);
        range_ = new QButtonGroup(this);
        const int first = offer.firstDraw, last = offer.lastDraw;
        line->addWidget(Radio(QStringLiteral("すべての回(&A)"), "rangeAll", range_, int(PrintRange::All), box));
        line->addWidget(Radio(QStringLiteral("直近(&L)"), "rangeNewest", range_, int(PrintRange::Newest), box));
        newest_ = DrawBox("newestDraws", 1, last - first + 1, initial.newest, box);
        line->addWidget(newest_);
        line->addWidget(new QLabel(QStringLiteral("回"), box));
        line->addSpacing(8);
        line->addWidget(Radio(QStringLiteral("第(&F)"), "rangeFromTo", range_, int(PrintRange::FromTo), box));
        from_ = DrawBox("fromDraw", first, last, initial.from > 0 ? initial.from : first, box);
        to_ = DrawBox("toDraw", first, last, initial.to > 0 ? initial.to : last, box);
        line->addWidget(from_);
        line->addWidget(new QLabel(QStringLiteral("回〜第"), box));
        line->addWidget(to_);
        line->addWidget(new QLabel(QStringLiteral("回"), box));
        range_->button(int(initial.range))->setChecked(true);
        row->addWidget(box);
        connect(range_, &QButtonGroup::idClicked, this, &PrintOptionsBar::changed);
        // Typing a number picks the choice it belongs to.
        auto follow = [this](QSpinBox* spin, PrintRange kind) {
            connect(spin, &QSpinBox::valueChanged, this, [this, kind] {
                range_->button(int(kind))->setChecked(true);
                emit changed();
            });
        };
        follow(newest_, PrintRange::Newest);
        follow(from_, PrintRange::FromTo);
        follow(to_, PrintRange::FromTo);
    }
    if (offer.parts) {
        auto* box = new QGroupBox(QStringLiteral("印刷する内容"), this);
        auto* line = new QHBoxLayout(box);
        parts_ = new QButtonGroup(this);
        line->addWidget(
            Radio(QStringLiteral("表とグラフ(&B)"), "partsBoth", parts_, int(PrintParts::TableAndCharts), box));
        line->addWidget(Radio(QStringLiteral("表だけ(&T)"), "partsTable", parts_, int(PrintParts::TableOnly), box));
        line->addWidget(
            Radio(QStringLiteral("グラフだけ(&G)"), "partsCharts", parts_, int(PrintParts::ChartsOnly), box));
        parts_->button(int(initial.parts))->setChecked(true);
        row->addWidget(box);
        connect(parts_, &QButtonGroup::idClicked, this, &PrintOptionsBar::changed);
    }
    row->addStretch();
}

PrintChoice PrintOptionsBar::choice() const {
    PrintChoice c;
    if (parts_) c.parts = PrintParts(parts_->checkedId());
    if (range_) {
        c.range = PrintRange(range_->checkedId());
        c.newest = newest_->value();
        c.from = from_->value();
        c.to = to_->value();
    }
    return c;
}

}  // namespace n3
