#include "platform/qt/grid/blue_ball.h"

#include <QPainter>
#include <QRadialGradient>

namespace n3 {

namespace {
constexpr double kSquare = 19.0;  // the side the ball is drawn for
}

void PaintBlueBall(QPainter& p) {
    // packaging/numbers3zubarin.svg draws the same ball: keep the two alike.
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(7, 6.5), 9.5, QPointF(6, 5.5));
    shade.setColorAt(0.0, QColor(235, 245, 255));
    shade.setColorAt(0.35, QColor(90, 160, 255));
    shade.setColorAt(1.0, QColor(0, 40, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QRectF(1, 1, 17, 17));
}

QImage BlueBallImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(side / kSquare, side / kSquare);
    PaintBlueBall(p);
    return image;
}

}  // namespace n3
