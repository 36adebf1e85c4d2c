#include "entry/result_row_edit.h"

#include "core/calendar.h"
#include "core/draw_schedule.h"
#include "core/number_rules.h"
#include "core/prize_rule.h"

namespace n3 {

namespace {

std::string Grouped(std::int64_t value) {
    const std::string digits = std::to_string(value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

// The prize kind of a figure column of the game's row.
std::size_t KindOf(int column, const Game& game) {
    return std::size_t(PrizeKindsOf(game)[std::size_t((column - ResultRowEdit::kFirstFigureColumn) / 2)]);
}
bool IsYen(int column) { return (column - ResultRowEdit::kFirstFigureColumn) % 2 == 1; }

// Box and set are not sold for a draw whose digits allow no other order.
bool BoxNotSold(const Draw& d, const Game& game) {
    return d.complete(game) && !SellsFor(TicketKind::Box, NumberOf(d, game), game);
}

// The figure without commas and its unit; nullopt when anything else is there.
std::optional<std::int64_t> ReadFigure(std::string_view text, std::string_view unit) {
    if (text.ends_with(unit)) text.remove_suffix(unit.size());
    std::int64_t value = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == ',') continue;
        if (c < '0' || c > '9') return std::nullopt;
        if (++digits > 12) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (digits == 0) return std::nullopt;
    return value;
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return std::string(text);
}

}  // namespace

int ResultRowEdit::ColumnCount(const Game& game) { return kFirstFigureColumn + 2 * int(PrizeKindsOf(game).size()); }

std::string ResultRowEdit::Heading(int column, const Game& game) {
    if (column == kDrawColumn) return "回数";
    if (column == kDateColumn) return "抽せん日";
    if (column == kNumberColumn) return "当選番号";
    if (column < kFirstFigureColumn || column >= ColumnCount(game)) return {};
    return std::string(kPrizeKindNames[KindOf(column, game)]) + (IsYen(column) ? " 当せん金額" : " 口数");
}

std::string ResultRowEdit::CellText(const Draw& draw, const DrawResult* result, int column, const Game& game) {
    if (column == kDrawColumn) return std::to_string(draw.drawNo);
    if (column == kNumberColumn) {
        return DigitsText(draw.digits, game);
    }
    if (!result) return {};
    if (column == kDateColumn) return result->dateEstimated ? result->date + "（予定）" : result->date;
    if (column < kFirstFigureColumn || column >= ColumnCount(game)) return {};
    const Prize& p = result->prizes[KindOf(column, game)];
    const auto& value = IsYen(column) ? p.yen : p.winners;
    return value ? Grouped(*value) + (IsYen(column) ? "円" : "") : std::string();
}

std::string ResultRowEdit::EditText(const DrawResult* result, int column, const Game& game) {
    if (!result) return {};
    if (column == kDateColumn) return result->date;
    if (column < kFirstFigureColumn || column >= ColumnCount(game)) return {};
    const Prize& p = result->prizes[KindOf(column, game)];
    const auto& value = IsYen(column) ? p.yen : p.winners;
    return value ? std::to_string(*value) : std::string();
}

bool ResultRowEdit::AcceptsTyping(int column, std::string_view text, const Game& game) {
    if (column != kDateColumn && !IsEditable(column, game)) return false;
    return text.size() <= (column == kDateColumn ? 20u : 24u);
}

ResultCellEdit ResultRowEdit::Edit(const Draw& draw, const DrawResult* stored, int column, std::string_view typed,
                                   const std::string& nextDrawDate, const std::string& previousDrawDate,
                                   const Game& game) {
    ResultCellEdit edit;
    DrawResult r = stored ? *stored : DrawResult{};
    r.drawNo = draw.drawNo;
    const std::string text = Trimmed(typed);
    if (column == kDateColumn) {
        if (text.empty()) {
            r.date.clear();
        } else if (!IsCalendarDate(text)) {
            edit.error = "抽せん日は 2026-08-20 のように年-月-日で入力してください。";
            return edit;
        } else if (text < kFirstDrawDate || text > kLastAcceptedDate) {
            edit.error = "抽せん日は " + std::string(kFirstDrawDate) + "〜" + std::string(kLastAcceptedDate) +
                         " の日付で入力してください。";
            return edit;
        } else if (!nextDrawDate.empty() && text >= nextDrawDate) {
            edit.error = "抽せん日は次の回（第" + std::to_string(draw.drawNo + 1) + "回、" + nextDrawDate +
                         "）より前の日付にしてください。";
            return edit;
        } else if (!previousDrawDate.empty() && text <= previousDrawDate) {
            edit.error = "抽せん日は前の回（第" + std::to_string(draw.drawNo - 1) + "回、" + previousDrawDate +
                         "）より後の日付にしてください。";
            return edit;
        } else {
            r.date = text;
            if (text >= kScheduleFirstDate && !OnDrawSchedule(text))
                edit.question = text + "（" + WeekdayName(text) +
                                "）は抽せんの日程（月〜金、12/31〜1/3 を除く）にない日です。この日付で保存しますか？";
        }
        r.dateEstimated = false;
        edit.result = r;
        return edit;
    }
    if (!IsEditable(column, game)) {
        edit.error = "この欄は変更できません。";
        return edit;
    }
    const std::size_t kind = KindOf(column, game);
    const bool yen = IsYen(column);
    Prize& p = r.prizes[kind];
    std::optional<std::int64_t>& value = yen ? p.yen : p.winners;
    if (text.empty()) {
        value.reset();
        edit.result = r;
        return edit;
    }
    const PrizeKind prize = PrizeKind(kind);
    if (BoxNotSold(draw, game) && prize != PrizeKind::Straight && prize != PrizeKind::Mini) {
        edit.error = std::to_string(game.digits) + "つ同じ数字の回（" + CellText(draw, nullptr, kNumberColumn, game) +
                     "）にはボックス・セットの賞はありません（発売されません）。";
        return edit;
    }
    const std::int64_t bound = yen ? kMaxPrizeYen : kMaxWinners;
    const auto read = ReadFigure(text, yen ? "円" : "口");
    if (!read || *read > bound) {
        edit.error = "「" + text + "」は入力できません。" + std::string(kPrizeKindNames[kind]) + "の" +
                     (yen ? "当せん金額" : "口数") + "は 0〜" + Grouped(bound) + (yen ? " 円" : " 口") +
                     "の整数で入力してください（マイナスや文字は使えません）。";
        return edit;
    }
    value = *read;
    if (yen)
        if (const std::string breach = PrizeRuleBreach(draw, r, game); !breach.empty())
            edit.question = breach + "\n（" + std::string(kPrizeRuleText) + "）\nこの金額で保存しますか？";
    edit.result = r;
    return edit;
}

}  // namespace n3
