#include "platform/store/startup_load.h"

#include <unistd.h>

#include <climits>

#include "platform/store/data_location.h"
#include "platform/store/database.h"
#include "settings/settings_file.h"

namespace n3 {

HistorySnapshot LoadHistorySnapshot(const std::string& path, const Game& game) {
    // Opening the database checks the file and creates it on the first start.
    return Database::Open(path, true)->ReadSnapshot(game);
}

std::string ProgramFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, std::size_t(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

std::string DataFolder() { return DataFolderFor(ProgramFolder()); }

std::string DefaultDatabasePath() { return DataFolder() + "/" + kDatabaseFileName; }

std::string DefaultSettingsPath() { return DataFolder() + "/" + std::string(kSettingsFileName); }

}  // namespace n3
