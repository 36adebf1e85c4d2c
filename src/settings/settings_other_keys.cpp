#include "settings/settings_other_keys.h"

#include <algorithm>

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

std::string MergedSettingsFileText(std::string_view current, const OptionFlags& flags, const OtherSettings& others,
                                   const std::set<std::string>& changed) {
    auto flagIndex = [](std::string_view key) {
        for (int i = 0; i < kOptionFlagCount; ++i)
            if (kOptionKeys[std::size_t(i)] == key) return i;
        return -1;
    };
    auto flagLine = [&flags](int i) {
        return std::string(kOptionKeys[std::size_t(i)]) + (flags[std::size_t(i)] ? "=True" : "=False");
    };
    std::set<std::string> seen;
    std::string text;
    std::string_view rest = current;
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line = rest.substr(0, end);
        if (end == std::string_view::npos)
            rest = {};
        else
            rest.remove_prefix(end + (rest.substr(end, 2) == "\r\n" ? 2 : 1));
        const std::size_t equals = line.find('=');
        const std::string key(equals == std::string_view::npos ? std::string_view() : line.substr(0, equals));
        const int flag = key.empty() ? -1 : flagIndex(key);
        const auto other = key.empty() ? others.end() : others.find(key);
        const bool ours = flag >= 0 || (other != others.end() && Writable(other->first, other->second));
        if (ours) seen.insert(key);
        if (ours && changed.count(key))
            text += flag >= 0 ? flagLine(flag) : key + "=" + other->second;
        else
            text += line;
        text += "\r\n";
    }
    for (int i = 0; i < kOptionFlagCount; ++i)
        if (!seen.count(std::string(kOptionKeys[std::size_t(i)]))) text += flagLine(i) + "\r\n";
    for (const auto& [key, value] : others)
        if (!seen.count(key) && Writable(key, value)) text += key + "=" + value + "\r\n";
    return text;
}

namespace {

// The text the merge works on. A file that is UTF-8 throughout is taken as
// it is, and one that is Shift-JIS throughout is converted; a file mixing
// them or holding bytes neither can read is taken byte for byte, so that
// every line the program does not write itself stays exactly as it was.
std::string MergeBase(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (FirstInvalidUtf8(bytes) == std::string_view::npos) return std::string(bytes);
    bool utf8Text = false;  // a line that only UTF-8 reads right
    std::string_view rest = bytes;
    while (!rest.empty() && !utf8Text) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const bool ascii = std::all_of(line.begin(), line.end(), [](char c) { return (unsigned char)c < 0x80; });
        utf8Text = !ascii && FirstInvalidUtf8(line) == std::string_view::npos;
    }
    if (DecodedText decoded = DecodeTextFile(bytes); !utf8Text && decoded.ok()) return std::move(decoded.text);
    return std::string(bytes);
}

}  // namespace

SettingsFileResult MergeIntoInitFile(const std::string& path, const OptionFlags& flags, const OtherSettings& others,
                                     const std::set<std::string>& changed) {
    SettingsFileResult result;
    const FileReadResult file = ReadWholeFile(path);
    if (!file.missing && !file.error.empty()) {
        // What cannot be read is never written over: the user's file stays.
        result.error =
            "設定ファイル「" + path + "」を読み込めないため、設定の変更を保存していません。（" + file.error +
            "）\nファイルは書き換えずにそのまま残しています。直すか別の場所へ移すと、次の変更から保存します。";
        return result;
    }
    const std::string current = file.missing ? std::string() : MergeBase(file.bytes);
    const std::string reason = ReplaceFile(path, MergedSettingsFileText(current, flags, others, changed));
    if (!reason.empty()) result.error = "設定ファイル「" + path + "」を書き込めません。（" + reason + "）";
    return result;
}

}  // namespace n3
