// numbers3zubarin-screenshot: opens windows of the desktop program on a
// database and saves a picture of the main window, for the documentation.
//   numbers3zubarin-screenshot --db FILE --out FILE.png [--settings FILE] [--size WxH]
//                              [--answer-file FILE] [--charts] [--keys "KEY ..."] [WINDOW | COMMAND ...]
// --charts turns the opened analysis windows to their "グラフ" tab (and
// 購入記録 to its "月別グラフ").
// --today YYYY-MM-DD counts claim deadlines from that day.
// --tab N turns the opened analysis windows to their tab N (0 the first);
// --tabs N,M,... saves the active window once per tab, side by side.
// --number NNN enters NNN into the number box of the opened windows that have one.
// With no WINDOW the program starts as usual (the prediction opens).
// --keys types into the active window once the windows are open: "^A" is
// Ctrl+A, "Tab", "Enter", "Delete", "Right" those keys, "CtrlHome" Ctrl+Home,
// anything else its characters.
// --preview FILE.png opens the print preview of the active window at its
// last page and saves a picture of it too.
#include <QApplication>
#include <QDate>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/help_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/grid/legend.h"
#include "platform/qt/lookup/number_box.h"
#include "platform/qt/print/print_preview.h"
#include "platform/store/bundled_data.h"
#include "windows/main_commands.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(n3::GridFont());
    QApplication::setWindowIcon(QIcon(n3::BlueBallPicture()));
    QString db, out, settings = QStringLiteral("screenshot-settings.ini");
    QSize size(1280, 860);
    QStringList windows, keys;
    bool charts = false;
    int tab = -1;
    QList<int> sideBySide;
    QString number;
    QDate today;  // the day claim deadlines are counted from; the system's by default
    QString previewOut;
    std::unique_ptr<n3::PrintPreview> preview;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--db") && i + 1 < args.size())
            db = args[++i];
        else if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == QLatin1String("--settings") && i + 1 < args.size())
            settings = args[++i];
        else if (args[i] == QLatin1String("--answer-file") && i + 1 < args.size()) {
            // File dialogs choose this file and every question is answered
            // Yes; the messages are printed instead of shown.
            const QString file = args[++i];
            n3::dialogs::SetFileResponder([file](const n3::dialogs::FileRequest&) { return file; });
            n3::dialogs::SetMessageResponder([](const n3::dialogs::MessageRequest& r) {
                std::fprintf(stderr, "[%s] %s\n", qPrintable(r.title), qPrintable(r.text));
                return r.buttons == n3::dialogs::Buttons::YesNo ? n3::dialogs::Result::Yes : n3::dialogs::Result::Ok;
            });
        } else if (args[i] == QLatin1String("--number") && i + 1 < args.size()) {
            number = args[++i];
        } else if (args[i] == QLatin1String("--today") && i + 1 < args.size()) {
            today = QDate::fromString(args[++i], Qt::ISODate);
        } else if (args[i] == QLatin1String("--tabs") && i + 1 < args.size()) {
            for (const QString& n : args[++i].split(QLatin1Char(','), Qt::SkipEmptyParts)) sideBySide << n.toInt();
        } else if (args[i] == QLatin1String("--tab") && i + 1 < args.size()) {
            tab = args[++i].toInt();
        } else if (args[i] == QLatin1String("--preview") && i + 1 < args.size()) {
            previewOut = args[++i];
        } else if (args[i] == QLatin1String("--charts")) {
            charts = true;
        } else if (args[i] == QLatin1String("--keys") && i + 1 < args.size()) {
            keys = args[++i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        } else if (args[i] == QLatin1String("--size") && i + 1 < args.size()) {
            const QStringList wh = args[++i].split(QLatin1Char('x'));
            if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
        } else
            windows << args[i];
    }
    if (db.isEmpty() || out.isEmpty()) {
        std::fprintf(
            stderr,
            "usage: numbers3zubarin-screenshot --db FILE --out FILE.png [--settings FILE] [--size WxH] [WINDOW ...]\n");
        return 2;
    }
    n3::MainWindow window(db.toStdString(), settings.toStdString());
    window.setBundledDataFolder(n3::BundledDataFolder());
    if (today.isValid()) window.setClock([today] { return today; });
    if (!window.startUp()) return 1;
    window.resize(size);
    window.show();
    QTimer::singleShot(300, [&] {
        if (!windows.isEmpty()) {
            for (QMdiSubWindow* w : window.mdiArea()->subWindowList()) w->close();
            // A menu command's name (importCsv, tileVertical ...) runs the
            // command; anything else is a window's class and opens it.
            for (const QString& name : windows) {
                if (n3::FindMenuItem(name.toStdString()) != nullptr)
                    window.trigger(name);
                else
                    window.ShowChild(name.toStdString());
            }
        }
        if (!number.isEmpty())
            for (n3::NumberBox* box : window.findChildren<n3::NumberBox*>()) box->choose(number);
        if (charts)
            for (const QString& name : {QStringLiteral("views"), QStringLiteral("monthViews")})
                for (QTabWidget* views : window.findChildren<QTabWidget*>(name)) views->setCurrentIndex(1);
        if (tab >= 0)
            for (QTabWidget* views : window.findChildren<QTabWidget*>(QStringLiteral("views")))
                views->setCurrentIndex(tab);
        if (!keys.isEmpty()) {
            window.activateWindow();
            (void)QTest::qWaitForWindowActive(&window, 2000);
        }
        for (const QString& key : keys) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus) {
                std::fprintf(stderr, "no window has the keyboard focus: keys not typed\n");
                break;
            }
            if (key.size() == 2 && key.startsWith(QLatin1Char('^')))
                QTest::keyClick(focus, char(key.at(1).toLower().toLatin1()), Qt::ControlModifier);
            else if (key == QLatin1String("Tab"))
                QTest::keyClick(focus, Qt::Key_Tab);
            else if (key == QLatin1String("Enter"))
                QTest::keyClick(focus, Qt::Key_Return);
            else if (key == QLatin1String("Delete"))
                QTest::keyClick(focus, Qt::Key_Delete);
            else if (key == QLatin1String("Right"))
                QTest::keyClick(focus, Qt::Key_Right);
            else if (key == QLatin1String("CtrlHome"))
                QTest::keyClick(focus, Qt::Key_Home, Qt::ControlModifier);
            else
                QTest::keyClicks(focus, key);
        }
        const QMdiSubWindow* inUse = window.mdiArea()->activeSubWindow();
        const auto* child = inUse ? qobject_cast<const n3::ChildWindow*>(inUse->widget()) : nullptr;
        if (!previewOut.isEmpty() && child && child->printDocument()) {
            preview = std::make_unique<n3::PrintPreview>(&window, *child->printDocument());
            preview->dialog()->show();
            if (auto* pages = preview->dialog()->findChild<QPrintPreviewWidget*>()) {
                pages->setCurrentPage(pages->pageCount());
                pages->fitInView();
            }
        }
        QTimer::singleShot(300, [&] {
            if (QMdiSubWindow* active = window.mdiArea()->activeSubWindow(); active && !sideBySide.isEmpty()) {
                QList<QPixmap> shots;
                for (int index : sideBySide) {
                    for (QTabWidget* views : active->findChildren<QTabWidget*>(QStringLiteral("views")))
                        views->setCurrentIndex(index);
                    QApplication::processEvents();
                    shots << active->grab();
                }
                QImage joined(shots.size() * active->width() + (shots.size() - 1) * 8, active->height(),
                              QImage::Format_RGB32);
                joined.fill(Qt::white);
                QPainter painter(&joined);
                for (int i = 0; i < shots.size(); ++i) painter.drawPixmap(i * (active->width() + 8), 0, shots[i]);
                painter.end();
                QApplication::exit(joined.save(out) ? 0 : 1);
                return;
            }
            bool ok = window.grab().save(out);
            if (preview) ok = preview->dialog()->grab().save(previewOut) && ok;
            preview.reset();  // before the main window that holds its dialog
            // The help window is a window of its own: saved beside the picture.
            if (n3::HelpWindow* help = window.helpWindow(); help && help->isVisible())
                ok = help->grab().save(QString(out).replace(QLatin1String(".png"), QLatin1String("-help.png"))) && ok;
            QApplication::exit(ok ? 0 : 1);
        });
    });
    return QApplication::exec();
}
