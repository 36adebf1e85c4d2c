// ナンバーズ3ズバリン: the desktop program.
#include <QApplication>

#include "platform/qt/grid_font.h"
#include "platform/qt/legend.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_japanese.h"
#include "platform/store/startup_load.h"
#include "prediction/settings_file.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ナンバーズ3ズバリン"));
    QApplication::setFont(n3::GridFont());
    QApplication::setWindowIcon(QIcon(n3::BlueBallPicture()));
    // The program speaks Japanese whatever the locale, and so do Qt's own
    // dialogs (file dialogs, "replace the file?").
    n3::InstallQtJapanese();

    // The settings file is named bare: it sits in the current folder, the
    // folder run.sh starts the program in, beside the database.
    n3::MainWindow window(n3::DefaultDatabasePath(), std::string(n3::kSettingsFileName));
    if (!window.startUp()) return 1;
    window.show();
    return QApplication::exec();
}
