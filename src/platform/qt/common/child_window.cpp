#include "platform/qt/common/child_window.h"
#include "platform/qt/common/qt_util.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace n3 {

QSize ScaledToScreen(QSize designSize, const QWidget* onScreenOf) {
    const QScreen* screen =
        onScreenOf && onScreenOf->screen() ? onScreenOf->screen() : QGuiApplication::primaryScreen();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    return QSize(qRound(designSize.width() * dpiX / 96.0), qRound(designSize.height() * dpiY / 96.0));
}

ChildWindow::ChildWindow(ChildHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_ && !queryUnload()) {
        event->ignore();
        return;
    }
    if (!unloaded_) {
        unloaded_ = true;
        unload();
        emit unloaded();
    }
    event->accept();
}

void ChildWindow::forceUnload() {
    if (unloaded_) return;
    unloaded_ = true;
    unload();
    emit unloaded();
}

void ChildWindow::load() {
    const WaitCursor wait;
    host_.yieldOnce();
    host_.setEntryFree(false);
}

void ChildWindow::unload() { host_.setEntryFree(true); }

}  // namespace n3
