#include "settings/update_settings.h"

#include "io/draw_update_index.h"

namespace n3 {

UpdateSettings UpdateSettingsFrom(const OtherSettings& others) {
    UpdateSettings s;
    s.source = std::string(kDefaultUpdateSource);
    if (const auto it = others.find(std::string(kUpdateSourceKey)); it != others.end()) {
        std::string value = it->second;
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.erase(0, 1);
        if (!value.empty()) s.source = value;
    }
    if (const auto it = others.find(std::string(kUpdateAtStartKey)); it != others.end())
        s.checkAtStart = ParseBooleanValue(it->second).value_or(false);
    return s;
}

UpdateSettings UpdateSettingsOf(const Settings& settings) {
    OtherSettings others;
    for (std::string_view key : {kUpdateSourceKey, kUpdateAtStartKey})
        if (std::string value = settings.value(key); !value.empty()) others[std::string(key)] = value;
    return UpdateSettingsFrom(others);
}

}  // namespace n3
