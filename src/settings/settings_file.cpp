#include "settings/settings_file.h"

#include <vector>

#include "io/echo_text.h"
#include "io/file_io.h"
#include "io/text_encoding.h"

namespace n3 {

namespace {

// The lines of the file, without their ends (CR LF, CR or LF).
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [+-] digits [. digits] [e [+-] digits], at least one mantissa digit.
// Sets `nonZero` when a mantissa digit is not 0.
bool ParseDecimal(std::string_view s, bool& nonZero) {
    std::size_t i = 0;
    nonZero = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    int mantissaDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++mantissaDigits) nonZero |= s[i] != '0';
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && IsDigit(s[i]); ++i, ++mantissaDigits) nonZero |= s[i] != '0';
    if (mantissaDigits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t exponentStart = i;
        while (i < s.size() && IsDigit(s[i])) ++i;
        if (i == exponentStart) return false;
    }
    return i == s.size();
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string FileLabel(const std::string& path) { return "設定ファイル「" + path + "」"; }

std::string LineLabel(const std::string& path, std::size_t line) {
    return FileLabel(path) + "の" + std::to_string(line) + "行目";
}

// "（読み取れない行：2、5、9行目。ほかの行は読み込みました）"
std::string BadLinesNote(const std::vector<std::size_t>& lines) {
    constexpr std::size_t kListed = 10;
    std::string note = "\n（読み取れない行：";
    for (std::size_t i = 0; i < lines.size() && i < kListed; ++i) note += (i ? "、" : "") + std::to_string(lines[i]);
    note += "行目";
    if (lines.size() > kListed) note += "ほか" + std::to_string(lines.size() - kListed) + "行";
    return note + "。読み取れた行の設定は使います）";
}

int KeyIndex(std::string_view key) {
    for (int i = 0; i < kOptionFlagCount; ++i)
        if (kOptionKeys[std::size_t(i)] == key) return i;
    return -1;
}

}  // namespace

std::optional<bool> ParseBooleanValue(std::string_view text) {
    const std::string_view value = TrimBlanks(text);
    if (EqualsIgnoringCase(value, "true")) return true;
    if (EqualsIgnoringCase(value, "false")) return false;
    bool nonZero = false;
    if (ParseDecimal(value, nonZero)) return nonZero;
    return std::nullopt;
}

SettingsFileResult ReadInitFile(const std::string& path, OptionFlags& flags) {
    SettingsFileResult result;
    const FileReadResult file = ReadWholeFile(path);
    if (file.missing) {
        result.fileMissing = true;
        return result;
    }
    if (!file.error.empty()) {
        result.error = FileLabel(path) + "を読み込めません。（" + file.error + "）";
        return result;
    }
    std::string_view bytes = file.bytes;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    // A file written by a Windows editor may be in Shift-JIS; its line ends are
    // plain ASCII there too, so the lines can be cut before decoding.
    const bool utf8 = FirstInvalidUtf8(bytes) == std::string_view::npos;
    const std::vector<std::string_view> lines = SplitLines(bytes);
    // Every line that can be read is read; the bad ones are reported once,
    // the first with its reason and the rest by number.
    std::string firstProblem;
    std::vector<std::size_t> badLines;
    auto bad = [&](std::size_t n, std::string problem) {
        if (badLines.empty()) firstProblem = LineLabel(path, n + 1) + std::move(problem);
        badLines.push_back(n + 1);
    };
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::string decoded;
        if (utf8) {
            decoded.assign(lines[n]);
        } else if (DecodedText converted = DecodeTextFile(lines[n]); converted.ok()) {
            decoded = std::move(converted.text);
        } else {
            bad(n, "の文字を読み取れません（UTF-8 でも Shift-JIS でもありません）。");
            continue;
        }
        const std::string_view line = decoded;
        const std::size_t equals = line.find('=');
        const int index = KeyIndex(line.substr(0, equals));
        if (index < 0) continue;
        if (equals == std::string_view::npos) {
            bad(n, "「" + EchoText(decoded) + "」に「=」がありません。");
            continue;
        }
        std::string_view value = line.substr(equals + 1);
        value = value.substr(0, value.find('='));
        const std::optional<bool> on = ParseBooleanValue(value);
        if (!on) {
            bad(n, "の値「" + EchoText(value) + "」は True、False、数値のどれでもありません。");
            continue;
        }
        flags[std::size_t(index)] = *on;
    }
    if (!badLines.empty()) result.error = firstProblem + BadLinesNote(badLines);
    return result;
}

std::string SettingsFileText(const OptionFlags& flags) {
    std::string text;
    for (int i = 0; i < kOptionFlagCount; ++i) {
        text += kOptionKeys[std::size_t(i)];
        text += flags[std::size_t(i)] ? "=True\r\n" : "=False\r\n";
    }
    return text;
}

namespace {

// The file as UTF-8 lines; a missing file has none.
struct SettingsLines {
    std::vector<std::string> lines;
    std::string error;
};

SettingsLines ReadSettingsLines(const std::string& path) {
    SettingsLines result;
    const FileReadResult file = ReadWholeFile(path);
    if (file.missing) return result;
    if (!file.error.empty()) {
        result.error = FileLabel(path) + "を読み込めません。（" + file.error + "）";
        return result;
    }
    if (const DecodedText decoded = DecodeTextFile(file.bytes); decoded.ok()) {
        for (std::string_view line : SplitLines(decoded.text)) result.lines.emplace_back(line);
        return result;
    }
    // A file with lines neither encoding reads: the others still count.
    std::string_view bytes = file.bytes;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    for (std::string_view line : SplitLines(bytes)) {
        if (FirstInvalidUtf8(line) == std::string_view::npos)
            result.lines.emplace_back(line);
        else if (DecodedText converted = DecodeTextFile(line); converted.ok())
            result.lines.push_back(std::move(converted.text));
    }
    return result;
}

bool IsBudgetLine(std::string_view line) { return line.substr(0, line.find('=')) == kMonthlyBudgetKey; }

}  // namespace

std::optional<std::optional<std::int64_t>> ParseMonthlyBudget(std::string_view text) {
    const std::string_view value = TrimBlanks(text);
    if (value.empty()) return std::optional<std::int64_t>();
    std::int64_t yen = 0;
    bool digit = false;
    for (char c : value) {
        if (c == ',') continue;
        if (!IsDigit(c)) return std::nullopt;
        digit = true;
        yen = yen * 10 + (c - '0');
        if (yen > 1'000'000'000) return std::nullopt;
    }
    if (!digit) return std::nullopt;
    return std::optional<std::int64_t>(yen);
}

MonthlyBudgetResult ReadMonthlyBudget(const std::string& path) {
    MonthlyBudgetResult result;
    const SettingsLines file = ReadSettingsLines(path);
    if (!file.error.empty()) {
        result.error = file.error;
        return result;
    }
    for (std::size_t n = 0; n < file.lines.size(); ++n) {
        const std::string_view line = file.lines[n];
        if (!IsBudgetLine(line)) continue;
        const auto equals = line.find('=');
        const auto yen = ParseMonthlyBudget(equals == std::string_view::npos ? "" : line.substr(equals + 1));
        if (!yen) {
            result.yen.reset();
            result.error = LineLabel(path, n + 1) + "の月の予算「" + EchoText(line.substr(equals + 1)) +
                           "」は円の金額ではありません。";
            return result;
        }
        result.yen = *yen;  // a later line wins
    }
    return result;
}

SettingsFileResult WriteMonthlyBudget(const std::string& path, std::optional<std::int64_t> yen) {
    SettingsFileResult result;
    const SettingsLines file = ReadSettingsLines(path);
    if (!file.error.empty()) {
        result.error = file.error;
        return result;
    }
    std::string text;
    for (const std::string& line : file.lines)
        if (!IsBudgetLine(line)) text += line + "\r\n";
    text += std::string(kMonthlyBudgetKey) + "=" + (yen ? std::to_string(*yen) : std::string()) + "\r\n";
    const std::string reason = ReplaceFile(path, text);
    if (!reason.empty()) result.error = FileLabel(path) + "を書き込めません。（" + reason + "）";
    return result;
}

SettingsFileResult WriteInitFile(const std::string& path, const OptionFlags& flags) {
    SettingsFileResult result;
    // The flags are written as always; a budget line the file holds stays.
    std::string text = SettingsFileText(flags);
    for (const std::string& line : ReadSettingsLines(path).lines)
        if (IsBudgetLine(line)) text += line + "\r\n";
    const std::string reason = ReplaceFile(path, text);
    if (!reason.empty()) result.error = FileLabel(path) + "を書き込めません。（" + reason + "）";
    return result;
}

}  // namespace n3
