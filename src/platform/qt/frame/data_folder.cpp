#include "platform/qt/frame/data_folder.h"

#include <QGuiApplication>
#include <QStandardPaths>

#include "platform/qt/frame/help_window.h"
#include "platform/store/data_location.h"
#include "platform/store/startup_load.h"

namespace n3 {

void SetProgramIdentity() {
    // No organisation name: AppDataLocation is then <data home>/<application name>.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QString::fromLatin1(kDataFolderName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDataFolderName));
}

QString AppDataFolder() {
    // A relative XDG_DATA_HOME is invalid and to be ignored; Qt 6.4 would use
    // it relative to the current folder, so it is dropped first.
    if (const QByteArray xdg = qgetenv("XDG_DATA_HOME"); !xdg.isEmpty() && !xdg.startsWith('/'))
        qunsetenv("XDG_DATA_HOME");
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString PrepareDataFolder(bool* made) {
    const std::string program = ProgramFolder();
    const QString folder = IsPortableFolder(program) ? QString::fromStdString(program) : AppDataFolder();
    const bool ok = MakeDataFolder(folder.toStdString());
    if (made != nullptr) *made = ok;
    return folder;
}

QString HelpDocumentPath() { return QString::fromStdString(FindProgramFile(ProgramFolder(), kHelpFileName)); }

}  // namespace n3
