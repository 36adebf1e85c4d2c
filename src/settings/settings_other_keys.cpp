#include "settings/settings_other_keys.h"

#include "io/file_io.h"
#include "io/text_encoding.h"

namespace n3 {

namespace {

bool IsFlagKey(std::string_view key) {
    for (const auto& flagKey : kOptionKeys)
        if (flagKey == key) return true;
    return false;
}

bool Writable(const std::string& key, const std::string& value) {
    return !key.empty() && key.find_first_of("=\r\n") == std::string::npos &&
           value.find_first_of("\r\n") == std::string::npos && !IsFlagKey(key);
}

}  // namespace

OtherSettings ReadOtherSettings(const std::string& path) {
    OtherSettings others;
    const FileReadResult file = ReadWholeFile(path);
    if (file.missing || !file.error.empty()) return others;
    std::string_view rest = file.bytes;
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || FirstInvalidUtf8(line) != std::string_view::npos) continue;
        const std::string key(line.substr(0, equals));
        if (key.empty() || IsFlagKey(key)) continue;
        others[key] = std::string(line.substr(equals + 1));
    }
    return others;
}

std::string SettingsFileText(const OptionFlags& flags, const OtherSettings& others) {
    std::string text = SettingsFileText(flags);
    for (const auto& [key, value] : others)
        if (Writable(key, value)) text += key + "=" + value + "\r\n";
    return text;
}

SettingsFileResult WriteInitFile(const std::string& path, const OptionFlags& flags, const OtherSettings& others) {
    SettingsFileResult result;
    const std::string reason = ReplaceFile(path, SettingsFileText(flags, others));
    if (!reason.empty()) result.error = "設定ファイル「" + path + "」を書き込めません。（" + reason + "）";
    return result;
}

}  // namespace n3
