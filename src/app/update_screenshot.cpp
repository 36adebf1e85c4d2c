// numbers3zubarin-update-screenshot: pictures of "最新の当選データを取得" for
// the documentation: the progress dialog while it fetches, and the summary
// message at the end.
//   numbers3zubarin-update-screenshot --db FILE --settings FILE --progress OUT.png --summary OUT.png [--at DRAW]
// The settings file names the source (更新元=); the progress dialog is taken
// when it starts on draw DRAW (by default the fourth draw it fetches).
#include <QApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <cstdio>

#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/draw_update_dialog.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_font.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(n3::GridFont());
    QString db, settings, progressOut, summaryOut;
    int at = 0;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--db"))
            db = args[i + 1];
        else if (args[i] == QLatin1String("--settings"))
            settings = args[i + 1];
        else if (args[i] == QLatin1String("--progress"))
            progressOut = args[i + 1];
        else if (args[i] == QLatin1String("--summary"))
            summaryOut = args[i + 1];
        else if (args[i] == QLatin1String("--at"))
            at = args[i + 1].toInt();
    }
    if (db.isEmpty() || settings.isEmpty() || progressOut.isEmpty() || summaryOut.isEmpty()) {
        std::fprintf(stderr,
                     "usage: numbers3zubarin-update-screenshot --db FILE --settings FILE "
                     "--progress OUT.png --summary OUT.png [--at DRAW]\n");
        return 2;
    }
    bool progressSaved = false, summarySaved = false;
    n3::DrawUpdateDialog::SetProgressObserver([&](n3::DrawUpdateDialog& d, int done, int, int drawNo) {
        if (progressSaved || (at ? drawNo != at : done != 3)) return;
        d.adjustSize();
        progressSaved = d.grab().save(progressOut);
    });
    // Messages are drawn as the message box shows them, saved, and answered.
    n3::dialogs::SetMessageResponder([&](const n3::dialogs::MessageRequest& r) {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(r.title), qPrintable(r.text));
        if (r.title == QStringLiteral("最新の当選データを取得") && r.buttons == n3::dialogs::Buttons::Ok) {
            QMessageBox box(r.icon == n3::dialogs::Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                            r.title, r.text, QMessageBox::Ok);
            box.show();
            QApplication::processEvents();
            summarySaved = box.grab().save(summaryOut);
        }
        return r.buttons == n3::dialogs::Buttons::Ok ? n3::dialogs::Result::Ok : n3::dialogs::Result::Yes;
    });
    n3::MainWindow window(db.toStdString(), settings.toStdString());
    if (!window.startUp()) return 1;
    window.show();
    window.trigger(QStringLiteral("fetchLatest"));
    return progressSaved && summarySaved ? 0 : 1;
}
