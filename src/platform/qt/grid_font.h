#pragma once
#include <QFont>

namespace n3 {

// The font of every grid and label: "ＭＳ Ｐゴシック" where installed, else
// a Japanese proportional Gothic font.
QFont GridFont();

}  // namespace n3
