#pragma once
// The settings file "ナンバーズ3ズバリン.ini": one line per option flag,
// key "=" value. Read once at start-up and rewritten once at the end.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/option_flags.h"

namespace n3 {

// Opened by its bare name, that is in the current directory.
inline constexpr std::string_view kSettingsFileName = "ナンバーズ3ズバリン.ini";

struct SettingsFileResult {
    bool fileMissing = false;  // no file to read (the first run): not an error
    std::string error;         // a message for the user naming the file; empty on success
    bool ok() const { return error.empty(); }
};

// Sets the flags from the file. Lines are read in order; each line is split
// at "=", and a first piece equal to one of the keys sets that flag from
// the second piece; other lines are skipped, a later line wins. A bad line
// is skipped too: every line that can be read sets its flag, and the result
// names the file, the first bad line with its reason and the numbers of the
// others (one message for the whole file). Reads UTF-8, or Shift-JIS when
// the bytes are not UTF-8.
SettingsFileResult ReadInitFile(const std::string& path, OptionFlags& flags);

// Rewrites the file: ten lines in flag order, UTF-8, each ended by CR LF.
SettingsFileResult WriteInitFile(const std::string& path, const OptionFlags& flags);

// The text WriteInitFile writes.
std::string SettingsFileText(const OptionFlags& flags);

// The ticket book's monthly budget in yen: the line "月の予算=N". The option
// flags' reading skips it; WriteInitFile keeps it as the file holds it.
inline constexpr std::string_view kMonthlyBudgetKey = "月の予算";

struct MonthlyBudgetResult {
    std::optional<std::int64_t> yen;  // nullopt: no budget (no line, an empty value, no file)
    std::string error;                // a message naming the file and the line; empty on success
    bool ok() const { return error.empty(); }
};

MonthlyBudgetResult ReadMonthlyBudget(const std::string& path);
// Sets (or, with nullopt, empties) the budget line and keeps every other
// line of the file. A missing file is created.
SettingsFileResult WriteMonthlyBudget(const std::string& path, std::optional<std::int64_t> yen);
// "" or a whole number of yen 0..1,000,000,000 (commas allowed); the
// outer optional is empty when the text is neither.
std::optional<std::optional<std::int64_t>> ParseMonthlyBudget(std::string_view text);

// "True" / "False" in any letter case, or a decimal number (on when not
// zero); blanks round the value are allowed. nullopt for anything else.
std::optional<bool> ParseBooleanValue(std::string_view text);

}  // namespace n3
