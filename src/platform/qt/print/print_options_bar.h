#pragma once
// The row of choices under the pages of the print preview: 対象の範囲 (すべての回, 最新の
// N 回, 第F回〜第T回) for a table of draws, and 表とグラフ / 表だけ /
// グラフだけ for a window with charts. Each change is announced at once so
// that the preview follows it.
#include <QWidget>

#include "platform/qt/print/print_choice.h"

class QButtonGroup;
class QSpinBox;

namespace n3 {

class PrintOptionsBar : public QWidget {
    Q_OBJECT
public:
    PrintOptionsBar(const PrintOffer& offer, const PrintChoice& initial, QWidget* parent = nullptr);

    PrintChoice choice() const;

signals:
    void changed();

private:
    QButtonGroup* range_ = nullptr;
    QButtonGroup* parts_ = nullptr;
    QSpinBox* newest_ = nullptr;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
};

}  // namespace n3
