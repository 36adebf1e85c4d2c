#include "shell/history_csv.h"

#include <charconv>
#include <unordered_set>

namespace n3 {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = line.find(',', start);
        fields.push_back(Trim(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

std::optional<int> ParseInt(std::string_view s) {
    int v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

}  // namespace

CsvParseResult ParseHistoryCsv(std::string_view bytes) {
    CsvParseResult result;
    auto fail = [&](int line, std::string reason) {
        result.draws.clear();
        result.error = CsvError{line, std::move(reason)};
        return result;
    };
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);

    std::unordered_set<int> seen;
    int lineNo = 0;
    bool headerSeen = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        auto end = bytes.find('\n', pos);
        std::string_view line = bytes.substr(pos, end == std::string_view::npos ? end : end - pos);
        pos = end == std::string_view::npos ? bytes.size() : end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!headerSeen) {
            if (Trim(line) != kCsvHeader)
                return fail(lineNo, "見出し行が「" + std::string(kCsvHeader) + "」ではありません");
            headerSeen = true;
            continue;
        }
        if (Trim(line).empty()) continue;

        const auto fields = SplitFields(line);
        if (fields.size() != 4) return fail(lineNo, "項目の数が4つではありません");
        const auto no = ParseInt(fields[0]);
        if (!no || *no < 1 || *no > kMaxDrawNo)
            return fail(lineNo, "回数「" + std::string(fields[0]) + "」は1～32767の数ではありません");
        if (!seen.insert(*no).second)
            return fail(lineNo, "回数" + std::to_string(*no) + "が2回あります");
        Draw draw;
        draw.回数 = *no;
        for (int i = 0; i < 3; ++i) {
            const auto f = fields[std::size_t(i) + 1];
            if (f.empty()) continue;
            const auto d = ParseInt(f);
            if (!d || *d < 0 || *d > 9 || f.size() != 1)
                return fail(lineNo, "第" + std::to_string(i + 1) + "数字「" + std::string(f) +
                                        "」は0～9の数字ではありません");
            draw.digits[std::size_t(i)] = *d;
        }
        result.draws.push_back(draw);
    }
    if (!headerSeen) return fail(1, "ファイルが空です");
    return result;
}

std::string WriteHistoryCsv(const DrawHistory& history) {
    std::string out;
    out.reserve(32 + history.size() * 14);
    out += kCsvHeader;
    out += "\r\n";
    for (const Draw& d : history) {
        out += std::to_string(d.回数);
        for (const auto& digit : d.digits) {
            out += ',';
            if (digit) out += char('0' + *digit);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace n3
