#pragma once
// A message box, dialog, progress window or the help is part of the window
// the user was in: while one is open it holds that window (the child of the
// main window that was active and the widget with the keyboard), and when
// it goes the same window is active, on top and has the keyboard again.
// Nothing else comes forward, not even when the widget that had the
// keyboard (a cell's editor) went away meanwhile.
#include <QList>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace n3 {

class KeepUserWindow {
public:
    // `parent` is the widget the window opens over; the focus widget, when
    // there is one, tells the window better.
    explicit KeepUserWindow(QWidget* parent);
    // Gives the window back now, and once more after the events the closing
    // window left behind (a cell's editor that closes, the window system's
    // own activation) have run. The second time changes nothing when the
    // command that opened the box has since opened another window.
    ~KeepUserWindow();
    KeepUserWindow(const KeepUserWindow&) = delete;
    KeepUserWindow& operator=(const KeepUserWindow&) = delete;

private:
    QPointer<QWidget> focus_;
    QPointer<QWidget> top_;
    QPointer<QMdiSubWindow> sub_;
    QPointer<QMdiArea> area_;
    QList<QPointer<QMdiSubWindow>> openBefore_;
};

}  // namespace n3
