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
        if (!value.empty()) s.source = CompleteUpdateSource(value);
    }
    if (const auto it = others.find(std::string(kUpdateAtStartKey)); it != others.end())
        s.checkAtStart = ParseBooleanValue(it->second).value_or(false);
    return s;
}

std::string CompleteUpdateSource(std::string_view typed) {
    while (!typed.empty() && (typed.back() == ' ' || typed.back() == '\t')) typed.remove_suffix(1);
    while (!typed.empty() && (typed.front() == ' ' || typed.front() == '\t')) typed.remove_prefix(1);
    std::string source(typed);
    if (!source.empty() && !source.ends_with('/') && source.find_first_of("?#") == std::string::npos) source += '/';
    return source;
}

UpdateSettings UpdateSettingsOf(const Settings& settings) {
    OtherSettings others;
    for (std::string_view key : {kUpdateSourceKey, kUpdateAtStartKey})
        if (std::string value = settings.value(key); !value.empty()) others[std::string(key)] = value;
    return UpdateSettingsFrom(others);
}

}  // namespace n3
