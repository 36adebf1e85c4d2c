#include "platform/store/data_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/store/draw_store.h"
#include "settings/settings_file.h"

namespace n3 {

namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// A path without the separators at its end ("/" stays "/").
std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return WithoutTrailingSlash(home);
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr && *pw->pw_dir != '\0')
        return WithoutTrailingSlash(pw->pw_dir);
    return "/";
}

std::string Join(const std::string& folder, std::string_view name) {
    return folder == "/" ? folder + std::string(name) : folder + "/" + std::string(name);
}

}  // namespace

bool IsPortableFolder(const std::string& folder) {
    if (::access(folder.c_str(), W_OK) != 0) return false;
    return Exists(Join(folder, kDatabaseFileName)) || Exists(Join(folder, kSettingsFileName)) ||
           Exists(Join(folder, kPortableMarkerName));
}

std::string UserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and ignored.
    const std::string dataHome =
        (xdg != nullptr && xdg[0] == '/') ? WithoutTrailingSlash(xdg) : Join(HomeFolder(), ".local/share");
    return Join(dataHome, kDataFolderName);
}

std::string DataFolderFor(const std::string& programFolder) {
    return IsPortableFolder(programFolder) ? programFolder : UserDataFolder();
}

bool MakeDataFolder(const std::string& folder) {
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) return true;
    // Parents first, each created with the user's permissions only.
    const std::filesystem::path path(folder);
    std::filesystem::path partial;
    for (const auto& part : path) {
        partial /= part;
        if (std::filesystem::is_directory(partial, ec)) continue;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return std::filesystem::is_directory(folder, ec);
}

std::string FindProgramFile(const std::string& programFolder, const std::string& name) {
    const std::string beside = Join(programFolder, name);
    if (Exists(beside)) return beside;
    const std::string installed = Join(Join(programFolder, kInstalledShareFolder), name);
    if (Exists(installed)) return std::filesystem::path(installed).lexically_normal().string();
    return beside;
}

}  // namespace n3
