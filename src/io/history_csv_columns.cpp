#include "io/history_csv_columns.h"

#include <algorithm>
#include <string_view>

#include "io/echo_text.h"
#include "io/field_text.h"

namespace n3 {

namespace {

using Names = std::vector<std::string_view>;

const Names kDrawNoNames = {"回数", "回号", "回", "回別", "開催回", "抽せん回", "抽選回", "実施回"};
const Names kNumberNames = {"当せん番号",         "当選番号", "当せん数字",  "当選数字",
                            "抽せん番号",         "抽選番号", "抽せん数字",  "抽選数字",
                            "当たり番号",         "当り番号", "ナンバーズ3", "ナンバーズ3当せん番号",
                            "ナンバーズ3当選番号"};
// Names that result lists of other sites use.
const Names kMoreDrawNoNames = {"No", "NO", "no", "No.", "draw_number"};
const Names kMoreNumberNames = {"ナンバーズ3抽せん数字", "ナンバーズ3抽選数字", "winning_number"};
// The four digits of a ナンバーズ4 draw in one field.
const Names kFourDigitNumberNames = {"ナンバーズ4", "ナンバーズ4当せん番号", "ナンバーズ4当選番号",
                                     "ナンバーズ4抽せん数字", "ナンバーズ4抽選数字"};
const std::array<Names, kMaxGameDigits> kDigitNames = {
    Names{"第1数字", "1桁目", "百の位"},
    Names{"第2数字", "2桁目", "十の位"},
    Names{"第3数字", "3桁目", "一の位"},
    Names{"第4数字", "4桁目"},
};

bool Named(const Names& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A column found for one role: where, and under which name.
struct Found {
    std::optional<std::size_t> index;
    std::string name;
    std::string secondName;  // set when a second column claims the role
};

void Claim(Found& f, std::size_t index, const std::string& name) {
    if (!f.index) {
        f.index = index;
        f.name = name;
    } else if (f.secondName.empty()) {
        f.secondName = name;
    }
}

std::string Twice(const std::string& role, const Found& f) {
    return "見出し行に" + role + "の列が2つあります（「" + EchoText(f.name) + "」と「" + EchoText(f.secondName) +
           "」）。どちらを読むか決められません";
}

// A data row standing where the header line should be starts with a draw number.
bool LooksLikeDrawNumber(const std::string& field) {
    const std::string_view s = DrawNumberDigits(field);
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string_view DrawNumberDigits(std::string_view s) {
    if (s.substr(0, 3) == "第") s.remove_prefix(3);
    if (s.size() >= 3 && s.substr(s.size() - 3) == "回") s.remove_suffix(3);
    return s;
}

HistoryColumnsResult RecogniseHistoryColumns(const std::vector<std::string>& header) {
    HistoryColumnsResult result;
    Found drawNo, number;
    int numberDigits = 3;
    std::array<Found, kMaxGameDigits> digits;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = NormaliseField(header[i]);
        if (Named(kDrawNoNames, name) || Named(kMoreDrawNoNames, name))
            Claim(drawNo, i, name);
        else if (Named(kNumberNames, name) || Named(kMoreNumberNames, name))
            Claim(number, i, name);
        else if (Named(kFourDigitNumberNames, name)) {
            if (!number.index) numberDigits = 4;
            Claim(number, i, name);
        }
        for (std::size_t d = 0; d < digits.size(); ++d)
            if (Named(kDigitNames[d], name)) Claim(digits[d], i, name);
    }
    auto refuse = [&](std::string reason) {
        result.reason = std::move(reason);
        return result;
    };

    if (!drawNo.index) {
        if (!header.empty() && LooksLikeDrawNumber(NormaliseField(header[0])))
            return refuse(
                "見出し行がありません。1行目に「回数,第1数字,第2数字,第3数字」や"
                "「回号,抽せん日,当せん番号」のような見出しが要ります");
        return refuse("見出し行に回数の列（回数・回号・回 など）がありません");
    }
    if (!drawNo.secondName.empty()) return refuse(Twice("回数", drawNo));
    if (!number.secondName.empty()) return refuse(Twice("当せん番号", number));
    for (std::size_t d = 0; d < digits.size(); ++d)
        if (!digits[d].secondName.empty()) return refuse(Twice("第" + std::to_string(d + 1) + "数字", digits[d]));

    const auto anyDigit =
        std::find_if(digits.begin(), digits.end(), [](const Found& f) { return f.index.has_value(); });
    if (number.index && anyDigit != digits.end())
        return refuse("見出し行に3桁の当せん番号の列「" + EchoText(number.name) + "」と数字ごとの列「" +
                      EchoText(anyDigit->name) + "」の両方があります。どちらを読むか決められません");
    if (!number.index && anyDigit == digits.end())
        return refuse(
            "見出し行に当せん番号の列（当せん番号・当選番号・抽せん数字 など）も、"
            "第1数字・第2数字・第3数字の列もありません");

    HistoryColumns columns;
    columns.fieldCount = header.size();
    columns.drawNo = *drawNo.index;
    columns.drawNoName = drawNo.name;
    if (number.index) {
        columns.oneField = true;
        columns.digitCount = numberDigits;
        columns.digits[0] = *number.index;
        columns.digitNames[0] = number.name;
    } else {
        // A column of a fourth digit makes it a four-digit history.
        columns.digitCount = digits.back().index ? kMaxGameDigits : 3;
        for (std::size_t d = 0; d < std::size_t(columns.digitCount); ++d) {
            if (!digits[d].index) {
                std::string names;
                for (const std::string_view n : kDigitNames[d]) names += (names.empty() ? "" : "・") + std::string(n);
                return refuse("見出し行に第" + std::to_string(d + 1) + "数字の列（" + names + "）がありません");
            }
            columns.digits[d] = *digits[d].index;
            columns.digitNames[d] = digits[d].name;
        }
    }
    result.columns = std::move(columns);
    return result;
}

}  // namespace n3
