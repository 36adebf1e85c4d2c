#pragma once
#include <QFont>

class QWidget;

namespace n3 {

// The font of every grid and label: "ＭＳ Ｐゴシック" where installed, else
// a Japanese proportional Gothic font.
QFont GridFont();

// Grid sizes in pixels. One character unit is the width of a digit of the
// grid font, as in spreadsheet grids: the unit in which the windows size
// their columns. Points are converted at the widget's logical DPI.
int CharUnitsToPixels(double chars);
int PointsToPixels(double points, const QWidget* widget);

}  // namespace n3
