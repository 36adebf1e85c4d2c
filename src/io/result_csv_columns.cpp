#include "io/result_csv_columns.h"

#include <algorithm>
#include <string_view>

#include "core/calendar.h"
#include "io/echo_text.h"
#include "io/field_text.h"
#include "io/result_amount.h"
#include "io/result_date.h"

namespace n3 {

namespace {

using Names = std::vector<std::string_view>;

const Names kDateNames = {"抽せん日", "抽選日", "日付", "開催日", "draw_date"};
const std::array<Names, kPrizeKindCount> kKindNames = {
    Names{"ストレート"},
    Names{"ボックス"},
    Names{"セット(ストレート)", "セットS", "セットストレート", "セット・ストレート"},
    Names{"セット(ボックス)", "セットB", "セットボックス", "セット・ボックス"},
    Names{"ミニ"},
};
const Names kWinnersSuffixes = {"口数", "当せん口数", "当選口数"};
const Names kYenSuffixes = {"当選金額", "当せん金額", "金額", "賞金", "当選金", "当せん金"};

// An empty date field or a placeholder for a date nobody knows.
bool IsUnknownDate(std::string_view text) {
    for (std::string_view none : {"", "-", "―", "ー", "－", "—", "不明", "未定", "なし", "該当なし"})
        if (text == none) return true;
    return false;
}

bool Named(const Names& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The prize a column name speaks of and whether it counts units (true) or
// yen (false); nullopt when the name is no prize column.
std::optional<std::pair<std::size_t, bool>> PrizeColumn(std::string_view name) {
    for (std::size_t k = 0; k < kPrizeKindCount; ++k)
        for (std::string_view kind : kKindNames[k]) {
            if (name.substr(0, kind.size()) != kind) continue;
            std::string_view rest = name.substr(kind.size());
            if (!rest.empty() && rest.front() == '_') rest.remove_prefix(1);
            if (Named(kWinnersSuffixes, rest)) return std::pair{k, true};
            if (Named(kYenSuffixes, rest)) return std::pair{k, false};
        }
    return std::nullopt;
}

std::string Q(const std::string& s) { return "「" + EchoText(s) + "」"; }

}  // namespace

bool ResultColumns::any() const {
    auto set = [](const auto& a) {
        return std::any_of(a.begin(), a.end(), [](const auto& i) { return i.has_value(); });
    };
    return date.has_value() || set(winners) || set(yen);
}

ResultColumnsResult RecogniseResultColumns(const std::vector<std::string>& header) {
    ResultColumnsResult result;
    ResultColumns& c = result.columns;
    auto claim = [&](std::optional<std::size_t>& slot, std::string& slotName, std::size_t i, const std::string& name) {
        if (slot) {
            if (result.reason.empty())
                result.reason = "見出し行に同じ内容の列が2つあります（" + Q(slotName) + "と" + Q(name) +
                                "）。どちらを読むか決められません";
            return;
        }
        slot = i;
        slotName = name;
    };
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = NormaliseField(header[i]);
        if (Named(kDateNames, name)) {
            claim(c.date, c.dateName, i, name);
        } else if (const auto prize = PrizeColumn(name)) {
            const auto [kind, units] = *prize;
            if (units)
                claim(c.winners[kind], c.winnersNames[kind], i, name);
            else
                claim(c.yen[kind], c.yenNames[kind], i, name);
        }
    }
    return result;
}

std::optional<std::string> ReadResultFields(const std::vector<std::string>& fields, const ResultColumns& columns,
                                            DrawResult& result) {
    if (columns.date) {
        const std::string text = NormaliseField(fields[*columns.date]);
        // Only an empty field or a placeholder ("-", "不明") is an unknown
        // date; any other text must be a whole date of the draws' years.
        if (!IsUnknownDate(text)) {
            if (IsDateWithoutYear(text))
                return columns.dateName + Q(text) + "には年がありません（例：2026-08-20、令和8年8月20日）";
            const auto date = ParseResultDate(text);
            if (!date)
                return columns.dateName + Q(text) + "は日付として読めません（例：2026-08-20、令和8年8月20日。" +
                       std::string(kFirstDrawDate) + "〜" + std::string(kLastAcceptedDate) + "、曜日は日付と同じもの）";
            result.date = *date;
        }
    }
    auto amount = [&](const std::optional<std::size_t>& column, const std::string& name,
                      std::optional<std::int64_t>& out, bool yenColumn) -> std::optional<std::string> {
        if (!column) return std::nullopt;
        const std::string text = NormaliseField(fields[*column]);
        const AmountRead read = ParseResultAmount(text);
        if (!read.ok) return name + Q(text) + "は0以上の整数として読めません";
        if (auto bound = AmountBoundError(name, read.value, yenColumn)) return bound;
        out = read.value;
        return std::nullopt;
    };
    for (std::size_t k = 0; k < kPrizeKindCount; ++k) {
        Prize& p = result.prizes[k];
        if (auto reason = amount(columns.winners[k], columns.winnersNames[k], p.winners, false)) return reason;
        if (auto reason = amount(columns.yen[k], columns.yenNames[k], p.yen, true)) return reason;
    }
    return std::nullopt;
}

}  // namespace n3
