#pragma once
// The settings of "最新の当選データを取得" in the settings file, beside the
// other keys (settings_other_keys.h):
//   更新元=https://…/csv/           the folder of numbers.csv and A100NNNN.CSV
//   起動時に最新データを確認する=True  check at every start (off by default)
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "settings/settings_other_keys.h"

namespace n3 {

inline constexpr std::string_view kUpdateSourceKey = "更新元";
inline constexpr std::string_view kUpdateAtStartKey = "起動時に最新データを確認する";

struct UpdateSettings {
    std::string source;  // the default folder when the file sets none
    bool checkAtStart = false;
};

UpdateSettings UpdateSettingsFrom(const OtherSettings& others);

// The address as the user typed it, made into a folder's: blanks round it
// dropped and the closing "/" added when it is missing (an address with a
// query or a fragment is left as it is). CheckUpdateSource then judges it.
std::string CompleteUpdateSource(std::string_view typed);
UpdateSettings UpdateSettingsOf(const Settings& settings);

}  // namespace n3
