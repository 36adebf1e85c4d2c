#include "io/draw_update_index.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

#include "io/csv_records.h"
#include "io/echo_text.h"
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
    const std::string quoted = "「" + EchoAddress(source) + "」";
    // A NUL or another control character ends or bends the address on its
    // way to the network: what was checked would not be what is fetched.
    if (std::any_of(source.begin(), source.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b < 0x20 || b == 0x7F;
        }))
        return "更新元" + quoted + "に制御文字（改行・タブ・NUL など）が含まれています";
    if (source.find(' ') != std::string_view::npos) return "更新元" + quoted + "に空白が含まれています";
    // A folder's address is short; a long one is a mistake or an attack.
    if (source.size() > kMaxUpdateSourceLength)
        return "更新元" + quoted + "が長すぎます（" + std::to_string(kMaxUpdateSourceLength) + "文字まで）";
    const std::string host = AddressHost(source);
    std::string_view name = host;
    if (name.starts_with('['))
        name = name.substr(0, name.find(']') + 1);
    else
        name = name.substr(0, name.find(':'));
    if (host.empty() || name.empty()) return "更新元" + quoted + "は https:// で始まるアドレスではありません";
    const std::string_view authority = source.substr(source.find("://") + 3);
    if (authority.substr(0, authority.find_first_of("/?#")).find('@') != std::string_view::npos)
        return "更新元" + quoted + "にユーザー名やパスワードを含めることはできません";
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
        if (d.complete()) complete.insert(d.drawNo);
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

std::size_t FirstGapInPlan(const std::vector<int>& plan, int newestStored) {
    int newest = newestStored;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (plan[i] <= newest) continue;
        if (plan[i] - newest > kMaxDrawGap) return i;
        newest = plan[i];
    }
    return plan.size();
}

std::string DrawGapText(int newestStored, int drawNo) {
    return (newestStored > 0 ? "データベースの最新の第" + std::to_string(newestStored) + "回の次が"
                             : std::string("データベースに当選データがないのに、")) +
           "第" + std::to_string(drawNo) + "回です（" + std::to_string(kMaxDrawGap) + "回より先の回です）";
}

std::optional<std::pair<int, int>> ParseDrawRange(std::string_view text) {
    const auto number = [](std::string_view s) -> std::optional<int> {
        int value = 0;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
        if (s.empty() || ec != std::errc() || end != s.data() + s.size() || value < 1 || value > kMaxDrawNo)
            return std::nullopt;
        return value;
    };
    const std::size_t dots = text.find("..");
    const auto first = number(text.substr(0, dots));
    const auto last = dots == std::string_view::npos ? first : number(text.substr(dots + 2));
    if (!first || !last || *first > *last) return std::nullopt;
    return std::pair{*first, *last};
}

}  // namespace n3
