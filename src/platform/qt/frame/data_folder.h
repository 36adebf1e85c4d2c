#pragma once
// The desktop program's folders: its name for Qt (so that
// QStandardPaths::AppDataLocation is .../numbers3zubarin), the folder of its
// database and settings file, and the help document installed with it.
#include <QString>

namespace n3 {

// Sets the application name and the desktop file name. Call once, right
// after the QApplication is made.
void SetProgramIdentity();

// The user's data folder as Qt resolves it (AppDataLocation). A relative
// XDG_DATA_HOME is removed from the environment first.
QString AppDataFolder();

// The folder for the database and the settings file: beside the program
// when that folder is portable (platform/store/data_location.h), else
// AppDataFolder(). Created when missing; false in `made` when that failed.
QString PrepareDataFolder(bool* made = nullptr);

// The help document: beside the program, else in the installed share folder.
QString HelpDocumentPath();

}  // namespace n3
