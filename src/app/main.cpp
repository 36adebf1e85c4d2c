// ナンバーズ3ズバリン: the desktop program.
#include <QApplication>

#include "platform/qt/common/qt_japanese.h"
#include "platform/qt/frame/data_folder.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/grid/legend.h"
#include "platform/store/bundled_data.h"
#include "platform/store/draw_store.h"
#include "platform/store/startup_load.h"
#include "settings/settings_file.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    n3::SetProgramIdentity();
    QApplication::setFont(n3::GridFont());
    QApplication::setWindowIcon(QIcon(n3::BlueBallPicture()));
    // The program speaks Japanese whatever the locale, and so do Qt's own
    // dialogs (file dialogs, "replace the file?").
    n3::InstallQtJapanese();

    // The database and the settings file share one folder: beside the
    // program for portable use, else the user's data folder (created here;
    // when that fails, opening the database reports it).
    const std::string folder = n3::PrepareDataFolder().toStdString();
    n3::MainWindow window(folder + "/" + n3::kDatabaseFileName, folder + "/" + std::string(n3::kSettingsFileName));
    window.setBundledDataFolder(n3::BundledDataFolder());
    if (!window.startUp()) return 1;
    window.show();
    return QApplication::exec();
}
