#pragma once
// Small conversions and helpers every window of the Qt side uses.
#include <QApplication>
#include <QColor>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "core/grid_model.h"

namespace n3 {

inline QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
inline std::string ToStd(const QString& s) { return s.toStdString(); }

// A grid colour; an unset one stands for `fallback`.
inline QColor ToQColor(Colour c, Colour fallback = colours::DefaultText) {
    const Colour e = c.isSet() ? c : fallback;
    return QColor(e.red(), e.green(), e.blue());
}

// The hourglass pointer for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Closes a child window through its frame in the main window (so that the
// frame goes too), or the widget itself when it has no frame.
inline void CloseChildFrame(QWidget* child) {
    if (QWidget* frame = child->parentWidget())
        frame->close();
    else
        child->close();
}

}  // namespace n3
