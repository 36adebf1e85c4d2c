#pragma once
// The settings of a run in one object: the ten option flags and the named
// lines after them (the main window's place, the last import folder, the
// monthly budget, …). The file is read once at start-up; each change is
// written at once, and the file once more at the end. A write puts in what
// the run set and keeps every other line of the file as it is then: comments,
// keys the program does not know, lines the user added or edited meanwhile.
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "core/option_flags.h"
#include "settings/settings_file.h"
#include "settings/settings_other_keys.h"

namespace n3 {

// The named lines the program keeps.
namespace settings_keys {
inline constexpr std::string_view kMainWindowPlacement = "MainWindowPlacement";
inline constexpr std::string_view kLastImportFolder = "LastImportFolder";
// The game the ゲーム menu chose last (3, 4): new windows open for it.
inline constexpr std::string_view kLastGame = "ゲーム";
inline constexpr std::string_view kMonthlyBudget = kMonthlyBudgetKey;
}  // namespace settings_keys

class Settings {
public:
    // No path: settings kept in memory only (tests, a print without a file).
    explicit Settings(std::string path = {}) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // Reads the file: the flags (their result is returned: a missing file
    // is the first run, a bad line is named), the named lines and the
    // budget (its own result: monthlyBudget()).
    SettingsFileResult Read();
    // Writes the whole file: the flag lines, then every named line.
    SettingsFileResult Write() const;

    const OptionFlags& optionFlags() const { return flags_; }
    bool optionFlag(int index) const { return flags_[std::size_t(index)]; }
    // Sets a flag; the file is written when the value changed.
    SettingsFileResult setOptionFlag(int index, bool on);

    // A named line's value; empty when the file has none.
    std::string value(std::string_view key) const;
    // Sets a named line; the file is written when the value changed.
    SettingsFileResult setValue(std::string_view key, std::string value);

    // The ticket book's monthly budget as read (with the message naming the
    // line when it was not an amount) or as set since.
    const MonthlyBudgetResult& monthlyBudget() const { return budget_; }
    SettingsFileResult setMonthlyBudget(std::optional<std::int64_t> yen);

private:
    std::string path_;
    OptionFlags flags_{};
    OtherSettings others_;
    std::set<std::string> changed_;  // keys set during the run
    MonthlyBudgetResult budget_;
};

}  // namespace n3
