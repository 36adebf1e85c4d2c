// MainWindow's place on the screen, remembered in the settings file.
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/frame/main_window.h"
#include "settings/settings.h"
#include "windows/window_placement.h"

namespace n3 {

namespace {

constexpr QSize kDefaultSize(1280, 860);

ScreenRect ToScreenRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

std::string MainWindow::setting(std::string_view key) const { return settings_.value(key); }

void MainWindow::setSetting(std::string_view key, std::string value) {
    const SettingsFileResult saved = settings_.setValue(key, std::move(value));
    if (!saved.ok() && !ending_)
        dialogs::Message(this, QString::fromStdString(saved.error), Q(kMessageTitle), dialogs::Icon::Critical);
}

void MainWindow::restorePlacement() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), kDefaultSize);
    // The frame's title bar sits above the window's own area.
    available.setTop(available.top() + style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const std::optional<WindowPlacement> saved = ParsePlacement(setting(settings_keys::kMainWindowPlacement));
    if (!saved) {
        // The first start fills the screen's free area.
        setGeometry(available);
        return;
    }
    const ScreenRect fitted = FitInto(saved->rect, ToScreenRect(available));
    setGeometry(fitted.x, fitted.y, fitted.width, fitted.height);
    if (saved->maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::rememberPlacement() {
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    if (!normal.isValid()) return;
    setSetting(settings_keys::kMainWindowPlacement,
               FormatPlacement({{normal.x(), normal.y(), normal.width(), normal.height()}, isMaximized()}));
}

}  // namespace n3
