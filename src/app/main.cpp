// ナンバーズ3ズバリン: the desktop program.
#include <QApplication>

#include "platform/qt/grid_font.h"
#include "platform/qt/main_window.h"
#include "platform/store/startup_load.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ナンバーズ3ズバリン"));
    QApplication::setFont(n3::GridFont());

    n3::MainWindow window(n3::DefaultDatabasePath());
    if (!window.startUp()) return 1;
    window.show();
    return QApplication::exec();
}
