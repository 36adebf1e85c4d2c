#include "platform/qt/grid/legend.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "platform/qt/grid/blue_ball.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/grid/grid_table_model.h"

namespace n3 {

QPixmap BlueBallPicture() {
    QPixmap pixmap(19, 19);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    PaintBlueBall(p);
    return pixmap;
}

QWidget* MakeLegend(const AnalysisWindowInfo& info, QWidget* parent) {
    if (info.legend == LegendKind::None) return nullptr;
    auto* legend = new QWidget(parent);
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);

    if (info.legend == LegendKind::BlueBall) {
        auto* picture = new QLabel(legend);
        picture->setObjectName(QStringLiteral("logo"));
        picture->setPixmap(BlueBallPicture());
        picture->setFixedSize(19, 19);
        row->addWidget(picture);
        auto* text = new QLabel(QString::fromUtf8(info.legendText.data(), int(info.legendText.size())), legend);
        text->setObjectName(QStringLiteral("legendMark"));
        text->setFont(GridFont());
        row->addWidget(text);
    } else {
        auto* swatch = new QLabel(legend);
        swatch->setObjectName(QStringLiteral("legendMark"));
        swatch->setFixedSize(16, 14);
        swatch->setAutoFillBackground(true);
        QPalette pal = swatch->palette();
        pal.setColor(QPalette::Window, ToQColor(info.legendColour, colours::MarkBlue));
        swatch->setPalette(pal);
        swatch->setFrameShape(QFrame::Box);
        row->addWidget(swatch);
        auto* text = new QLabel(QString::fromUtf8(info.legendText.data(), int(info.legendText.size())), legend);
        text->setObjectName(QStringLiteral("legendText"));
        text->setFont(GridFont());
        row->addWidget(text);
    }
    row->addStretch();
    return legend;
}

}  // namespace n3
