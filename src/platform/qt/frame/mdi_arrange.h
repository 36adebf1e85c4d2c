#pragma once
// Arranging the main window's children: cascading at their own sizes,
// keeping each inside the visible part of the window area, and the
// numbered list of open windows in the ウィンドウ menu.
#include <QRect>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QWidget;

namespace n3 {

// The size a child opened at; cascading gives it back.
void RememberOpeningSize(QMdiSubWindow* window);
// 重ねて表示: each window at the size it opened at (no larger than the
// area), one title bar height right of and below the one before.
void CascadeAtOwnSizes(QMdiArea* area);
// Moves (and if need be shrinks) every normal child so that all of it
// lies in the visible area.
void KeepChildrenInside(QMdiArea* area);
void KeepInside(QMdiSubWindow* window, const QRect& area);
// Makes a shown child large enough for its widget to be `contentSize`
// (no smaller than it is, no larger than the area), and remembers that
// as the size it opened at.
void GrowToContent(QMdiSubWindow* window, const QSize& contentSize);
// From now on, KeepChildrenInside runs whenever the area changes size.
void KeepChildrenInsideOnResize(QMdiArea* area);

// Ctrl+F4 on `owner` closes the active child, wherever the focus is and
// whichever menus are shown.
void AddCloseActiveChildAction(QWidget* owner, QMdiArea* area);
// The frame's own Ctrl+F4 (from its system menu) is left to the main
// window's action, which closes the active child wherever the focus is;
// two actions on one key would cancel each other out.
void LeaveCtrlF4ToTheMainWindow(QMdiSubWindow* window);

// Puts the open windows after the menu's own items, numbered "&1 caption",
// the active one checked; choosing one activates it. Called each time the
// menu is about to show.
void ListOpenWindows(QMenu* menu, QMdiArea* area);

}  // namespace n3
