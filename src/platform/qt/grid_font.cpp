#include "platform/qt/grid_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace n3 {

QFont GridFont() {
    static const QFont font = [] {
        const QStringList families = QFontDatabase::families();
        QString family;
        for (const char* candidate : {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック",
                                      "Noto Sans CJK JP", "IPAGothic"}) {
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

}  // namespace n3
