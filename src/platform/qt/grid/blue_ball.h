#pragma once
// The blue ball: the mark of a winning digit in the group analyses and the
// program's icon.
#include <QImage>

class QPainter;

namespace n3 {

// Paints the ball into the 19 x 19 square at the painter's origin (scale
// the painter for other sizes).
void PaintBlueBall(QPainter& painter);

// The ball on a transparent square of side `side` pixels: the icon.
QImage BlueBallImage(int side);

}  // namespace n3
