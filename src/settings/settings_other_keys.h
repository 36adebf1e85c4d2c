#pragma once
// The settings file's lines under keys other than the option flags: the
// main window's place on the screen, the folder of the last import. They
// follow the ten flag lines as key "=" value; the flag lines stay exactly
// as WriteInitFile writes them, and ReadInitFile skips these lines.
#include <map>
#include <set>
#include <string>
#include <string_view>

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

// The file's text with the program's settings put in, every other line kept:
// comments, blank lines, keys the program does not know and lines the user
// added while it ran stay as they are, in their place. A line of a key in
// `changed` (set during the run) gets the program's value; a line of a key
// the program did not change stays as the file has it. Keys the file lacks
// are added at the end: the flags in their order, then the other settings.
// `current` is the file as UTF-8 (empty for a missing file).
std::string MergedSettingsFileText(std::string_view current, const OptionFlags& flags, const OtherSettings& others,
                                   const std::set<std::string>& changed);
// Reads the file as it is now (UTF-8 or Shift-JIS), merges as above and
// writes it back. A line neither encoding reads is kept byte for byte; a
// file that cannot be read at all is left as it is and nothing is written
// (the error names the file and says it is kept).
SettingsFileResult MergeIntoInitFile(const std::string& path, const OptionFlags& flags, const OtherSettings& others,
                                     const std::set<std::string>& changed);

}  // namespace n3
