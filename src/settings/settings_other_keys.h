#pragma once
// The settings file's lines under keys other than the option flags: the
// main window's place on the screen, the folder of the last import. They
// follow the ten flag lines as key "=" value; the flag lines stay exactly
// as WriteInitFile writes them, and ReadInitFile skips these lines.
#include <map>
#include <string>

#include "core/option_flags.h"
#include "settings/settings_file.h"

namespace n3 {

using OtherSettings = std::map<std::string, std::string>;

// Every key=value line whose key is not an option flag's; a later line
// wins. A missing or unreadable file, and lines that are not UTF-8, give
// nothing: these settings only make the program more comfortable.
OtherSettings ReadOtherSettings(const std::string& path);

// The flag lines as WriteInitFile writes them, then one line per other
// setting. A key holding "=" or a line end, or a value holding a line end,
// is left out.
std::string SettingsFileText(const OptionFlags& flags, const OtherSettings& others);
SettingsFileResult WriteInitFile(const std::string& path, const OptionFlags& flags, const OtherSettings& others);

}  // namespace n3
