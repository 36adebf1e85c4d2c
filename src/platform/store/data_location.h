#pragma once
// Where the program keeps its database and settings file, and where it finds
// the files installed with it. Plain C++ so the command-line tool and the
// desktop program decide the same way.
//
// The rule: a folder beside the executable that is writable and already
// holds the program's files (the database, the settings file or the
// portable marker the build writes) is used as it is: portable use and the
// build tree. Otherwise the files live in $XDG_DATA_HOME/numbers3zubarin
// (by default ~/.local/share/numbers3zubarin), created on first use.
#include <string>

namespace n3 {

// The folder under the user's data home, and the name the desktop program
// gives itself so that Qt resolves the same folder.
inline constexpr const char* kDataFolderName = "numbers3zubarin";
// An empty file that marks a folder as the program's own (the build writes
// one beside its executables; a user may put one beside a copied program).
inline constexpr const char* kPortableMarkerName = "numbers3zubarin.portable";
// Installed files live under <prefix>/share/numbers3zubarin, the
// executables under <prefix>/bin.
inline constexpr const char* kInstalledShareFolder = "../share/numbers3zubarin";

// True when `folder` is writable and holds the database, the settings file
// or the portable marker.
bool IsPortableFolder(const std::string& folder);

// $XDG_DATA_HOME/numbers3zubarin when XDG_DATA_HOME is an absolute path,
// else $HOME/.local/share/numbers3zubarin (the passwd entry's home when HOME
// is empty). No trailing separator.
std::string UserDataFolder();

// The folder in use for a program in `programFolder`: that folder when it is
// portable, else UserDataFolder().
std::string DataFolderFor(const std::string& programFolder);

// Creates `folder` and its missing parents (new ones readable by the user
// only). False when it cannot be created; `reason` then says why (the
// permission, a file in the way...).
bool MakeDataFolder(const std::string& folder, std::string* reason = nullptr);

// A file installed with the program: `programFolder`/name when it exists
// (build tree, portable copy), else <programFolder>/../share/numbers3zubarin/name
// when that exists, else the first path (for the message that it is missing).
std::string FindProgramFile(const std::string& programFolder, const std::string& name);

}  // namespace n3
