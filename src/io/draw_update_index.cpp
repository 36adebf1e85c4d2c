#include "io/draw_update_index.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

#include "io/csv_records.h"
#include "io/field_text.h"
#include "io/text_encoding.h"

namespace n3 {

namespace {

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// The number of a field "第7054回…", or 0.
int IndexDrawNumber(std::string_view field) {
    if (!StartsWith(field, "第")) return 0;
    const std::string_view rest = field.substr(std::string_view("第").size());
    const std::size_t end = rest.find("回");
    if (end == std::string_view::npos || end == 0) return 0;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + end, value);
    if (ec != std::errc() || ptr != rest.data() + end || value < 1 || value > kMaxDrawNo) return 0;
    return value;
}

}  // namespace

std::vector<int> ParseDrawIndex(std::string_view bytes) {
    const DecodedText decoded = DecodeTextFile(bytes);
    std::vector<int> listed;
    if (!decoded.ok()) return listed;
    std::set<int> seen;
    CsvReader reader(decoded.text);
    CsvRecord record;
    while (reader.Next(record)) {
        if (record.blank()) continue;
        const int no = IndexDrawNumber(NormaliseField(record.fields[0]));
        if (no != 0 && seen.insert(no).second) listed.push_back(no);
    }
    return listed;
}

std::string DrawFileName(int drawNo) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "A100%04d.CSV", drawNo);
    return buf;
}

std::string AddressHost(std::string_view url) {
    std::string_view rest;
    if (StartsWith(url, "https://"))
        rest = url.substr(8);
    else if (StartsWith(url, "http://"))
        rest = url.substr(7);
    else
        return {};
    rest = rest.substr(0, rest.find_first_of("/?#"));
    if (const std::size_t at = rest.rfind('@'); at != std::string_view::npos) rest = rest.substr(at + 1);
    std::string host(rest);
    std::transform(host.begin(), host.end(), host.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return host;
}

std::optional<std::string> CheckUpdateSource(std::string_view source) {
    const std::string quoted = "「" + std::string(source.substr(0, 200)) + "」";
    const std::string host = AddressHost(source);
    std::string_view name = host;
    if (name.starts_with('['))
        name = name.substr(0, name.find(']') + 1);
    else
        name = name.substr(0, name.find(':'));
    if (host.empty() || name.empty()) return "更新元" + quoted + "は https:// で始まるアドレスではありません";
    if (source.find_first_of(" \t\r\n") != std::string_view::npos)
        return "更新元" + quoted + "に空白や改行が含まれています";
    if (!StartsWith(source, "https://") && name != "127.0.0.1" && name != "localhost")
        return "更新元" + quoted +
               "は https:// で始まるアドレスにしてください（http は 127.0.0.1 と localhost だけです）";
    if (!source.ends_with("/")) return "更新元" + quoted + "はフォルダのアドレス（/ で終わる）にしてください";
    return std::nullopt;
}

std::vector<int> PlanDrawsToFetch(const std::vector<int>& listed, const DrawHistory& history,
                                  const ResultHistory& results) {
    std::set<int> complete;
    for (const Draw& d : history)
        if (d.complete()) complete.insert(d.回数);
    auto dated = [&](int no) {
        const DrawResult* r = FindResult(results, no);
        // A date worked out from the schedule waits for the published one.
        return r && !r->date.empty() && !r->dateEstimated;
    };
    int newestDated = 0;
    for (int no : complete)
        if (dated(no)) newestDated = std::max(newestDated, no);
    std::vector<int> plan;
    for (int no : listed) {
        const bool stored = complete.count(no) != 0;
        if (!stored || (no > newestDated && !dated(no))) plan.push_back(no);
    }
    std::sort(plan.begin(), plan.end());
    plan.erase(std::unique(plan.begin(), plan.end()), plan.end());
    return plan;
}

}  // namespace n3
