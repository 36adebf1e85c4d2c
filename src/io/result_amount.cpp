#include "io/result_amount.h"

#include <string>

#include "core/draw_result.h"

namespace n3 {

AmountRead ParseResultAmount(std::string_view s) {
    AmountRead read;
    for (std::string_view none : {"", "該当なし", "該当無し", "なし", "-", "―", "ー", "－", "—"})
        if (s == none) {
            read.ok = true;
            return read;
        }
    for (std::string_view unit : {"円", "口"})
        if (s.size() > unit.size() && s.substr(s.size() - unit.size()) == unit) {
            s.remove_suffix(unit.size());
            break;
        }
    std::int64_t value = 0;
    int digits = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == ',' && digits > 0 && i + 1 < s.size()) continue;
        if (c < '0' || c > '9') return read;
        if (++digits > 15) return read;
        value = value * 10 + (c - '0');
    }
    if (digits == 0) return read;
    read.ok = true;
    read.value = value;
    return read;
}

std::optional<std::string> AmountBoundError(const std::string& name, std::optional<std::int64_t> value, bool yen) {
    const std::int64_t bound = yen ? kMaxPrizeYen : kMaxWinners;
    if (!value || *value <= bound) return std::nullopt;
    return name + "「" + std::to_string(*value) + "」は上限 " + std::to_string(bound) + (yen ? " 円" : " 口") +
           "を超えています";
}

}  // namespace n3
