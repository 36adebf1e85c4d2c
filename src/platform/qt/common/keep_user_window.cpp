#include "platform/qt/common/keep_user_window.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>

namespace n3 {

namespace {

struct Held {
    QPointer<QWidget> focus;
    QPointer<QWidget> top;
    QPointer<QMdiSubWindow> sub;
    QPointer<QMdiArea> area;
};

// The widget that takes the keyboard back: the one that had it, else the
// nearest of its parents inside the same window that takes focus, else the
// child window itself.
QWidget* FocusTarget(const Held& held) {
    for (QWidget* w = held.focus.data(); w; w = w->parentWidget()) {
        if (w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) return w;
        if (w == held.sub || w->isWindow()) break;
    }
    if (held.sub && held.sub->widget()) return held.sub->widget();
    return nullptr;
}

void GiveBack(const Held& held) {
    if (held.top && held.top->isVisible()) {
        held.top->raise();
        held.top->activateWindow();
    }
    if (held.area && held.sub && held.sub->isVisible()) {
        if (held.area->activeSubWindow() != held.sub) held.area->setActiveSubWindow(held.sub);
        held.sub->raise();
    }
    // The keyboard somewhere else in the same window stays where it is.
    const QWidget* now = QApplication::focusWidget();
    if (held.sub && now && now != held.focus && held.sub->isAncestorOf(now)) return;
    if (QWidget* target = FocusTarget(held); target && !target->hasFocus()) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace

KeepUserWindow::KeepUserWindow(QWidget* parent) : focus_(QApplication::focusWidget()) {
    QWidget* from = focus_ ? focus_.data() : parent;
    for (QWidget* w = from; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            sub_ = sub;
            area_ = sub->mdiArea();
            break;
        }
    if (from) top_ = from->window();
    // With no child holding the keyboard, the area's active child is the
    // window the user is in.
    if (!sub_ && top_) {
        if (auto* area = top_->findChild<QMdiArea*>()) {
            area_ = area;
            sub_ = area->activeSubWindow();
        }
    }
    if (area_)
        for (QMdiSubWindow* s : area_->subWindowList()) openBefore_ << s;
}

KeepUserWindow::~KeepUserWindow() {
    const Held held{focus_, top_, sub_, area_};
    // A cell's editor that closes meanwhile or right after this returns
    // (its text stored, while the window system has not yet given the
    // window back) hands the keyboard on, possibly to another child: that
    // is looked at once more when those events have run.
    GiveBack(held);
    if (!area_) return;
    QTimer::singleShot(0, area_.data(), [held, before = openBefore_] {
        if (!held.area || !held.sub) return;
        QMdiSubWindow* active = held.area->activeSubWindow();
        // A window the command opened after the box stays in front.
        if (active && active != held.sub && !before.contains(active)) return;
        GiveBack(held);
    });
}

}  // namespace n3
