#include "platform/qt/frame/mdi_arrange.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStyle>

#include "windows/window_placement.h"

namespace n3 {

namespace {

constexpr const char* kOpeningSize = "n3OpeningSize";
constexpr const char* kListedWindow = "n3ListedWindow";

ScreenRect ToScreenRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
QRect ToQRect(const ScreenRect& r) { return {r.x, r.y, r.width, r.height}; }

QList<QMdiSubWindow*> NormalWindows(QMdiArea* area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area->subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && !w->isMinimized()) windows << w;
    return windows;
}

class ResizeWatcher : public QObject {
public:
    explicit ResizeWatcher(QMdiArea* area) : QObject(area), area_(area) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && watched == area_->viewport()) KeepChildrenInside(area_);
        return false;
    }

private:
    QMdiArea* area_;
};

}  // namespace

void KeepChildrenInsideOnResize(QMdiArea* area) { area->viewport()->installEventFilter(new ResizeWatcher(area)); }

void RememberOpeningSize(QMdiSubWindow* window) { window->setProperty(kOpeningSize, window->size()); }

void CascadeAtOwnSizes(QMdiArea* area) {
    const QList<QMdiSubWindow*> windows = NormalWindows(area);
    if (windows.isEmpty()) return;
    std::vector<ScreenRect> sizes;
    for (QMdiSubWindow* w : windows) {
        if (w->isMaximized()) w->showNormal();
        const QSize opened = w->property(kOpeningSize).toSize();
        const QSize size = opened.isValid() ? opened : w->size();
        sizes.push_back({0, 0, size.width(), size.height()});
    }
    const int step = windows.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first());
    const std::vector<ScreenRect> places = CascadePlaces(sizes, ToScreenRect(area->viewport()->rect()), step);
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->setGeometry(ToQRect(places[std::size_t(i)]));
        windows[i]->raise();
    }
    area->setActiveSubWindow(windows.last());
}

void KeepInside(QMdiSubWindow* window, const QRect& area) {
    if (window->isMaximized() || window->isMinimized() || area.isEmpty()) return;
    const QRect fitted = ToQRect(FitInto(ToScreenRect(window->geometry()), ToScreenRect(area)));
    if (fitted != window->geometry()) window->setGeometry(fitted);
}

void GrowToContent(QMdiSubWindow* window, const QSize& contentSize) {
    QWidget* widget = window->widget();
    if (!contentSize.isValid() || !widget || window->isMaximized()) return;
    const QSize frame = window->size() - widget->size();
    const QSize wanted = window->size().expandedTo(contentSize + frame);
    if (wanted == window->size()) return;
    window->resize(wanted);
    RememberOpeningSize(window);
    if (QMdiArea* area = window->mdiArea()) KeepInside(window, area->viewport()->rect());
}

void KeepChildrenInside(QMdiArea* area) {
    const QRect visible = area->viewport()->rect();
    for (QMdiSubWindow* w : area->subWindowList()) KeepInside(w, visible);
}

void AddCloseActiveChildAction(QWidget* owner, QMdiArea* area) {
    auto* closeChild = new QAction(owner);
    closeChild->setObjectName(QStringLiteral("closeChild"));
    closeChild->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    QObject::connect(closeChild, &QAction::triggered, area, [area] {
        if (QMdiSubWindow* active = area->activeSubWindow()) active->close();
    });
    owner->addAction(closeChild);
}

void LeaveCtrlF4ToTheMainWindow(QMdiSubWindow* window) {
    const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
    QMenu* menu = window->systemMenu();
    if (!menu) return;
    for (QAction* action : menu->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(ctrlF4) > 0) action->setShortcuts(keys);
    }
}

void ListOpenWindows(QMenu* menu, QMdiArea* area) {
    for (QAction* a : menu->actions())
        if (a->property(kListedWindow).toBool()) {
            menu->removeAction(a);
            a->deleteLater();
        }
    const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    QAction* separator = menu->addSeparator();
    separator->setProperty(kListedWindow, true);
    int number = 0;
    for (QMdiSubWindow* w : windows) {
        ++number;
        const QString caption = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(w->windowTitle())
                                            : QStringLiteral("%1 %2").arg(number).arg(w->windowTitle());
        QAction* action = menu->addAction(caption);
        action->setProperty(kListedWindow, true);
        action->setObjectName(QStringLiteral("windowList%1").arg(number));
        action->setCheckable(true);
        action->setChecked(w == area->activeSubWindow());
        QObject::connect(action, &QAction::triggered, area, [area, w = QPointer<QMdiSubWindow>(w)] {
            if (!w) return;
            if (w->isMinimized()) w->showNormal();
            area->setActiveSubWindow(w);
        });
    }
}

}  // namespace n3
