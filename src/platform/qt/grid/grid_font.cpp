#include "platform/qt/grid/grid_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

namespace n3 {

QFont GridFont() {
    static const QFont font = [] {
        const QStringList families = QFontDatabase::families();
        QString family;
        for (const char* candidate :
             {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP", "IPAGothic"}) {
            if (families.contains(QString::fromUtf8(candidate))) {
                family = QString::fromUtf8(candidate);
                break;
            }
        }
        QFont f(family.isEmpty() ? QStringLiteral("Sans Serif") : family);
        f.setPointSizeF(9);
        f.setStyleStrategy(QFont::PreferAntialias);
        return f;
    }();
    return font;
}

int CharUnitsToPixels(double chars) {
    static const int unit = [] {
        const QFontMetrics fm(GridFont());
        return std::max(fm.averageCharWidth(), fm.horizontalAdvance(QLatin1Char('0')));
    }();
    return std::max(1, qRound(chars * unit) + 2);
}

int PointsToPixels(double points, const QWidget* widget) {
    const double dpi = widget ? widget->logicalDpiY() : 96.0;
    return std::max(1, qRound(points * dpi / 72.0));
}

}  // namespace n3
