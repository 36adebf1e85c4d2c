#pragma once
// The legend of an analysis window: a small colour swatch or the blue-ball
// picture, followed by the text that says what such cells mean.
#include <QPixmap>
#include <QWidget>

#include "windows/window_table.h"

namespace n3 {

// The 19 x 19 picture of a shaded blue ball on white.
QPixmap BlueBallPicture();

// Builds the legend of a window; nullptr when the window has none.
QWidget* MakeLegend(const AnalysisWindowInfo& info, QWidget* parent);

}  // namespace n3
