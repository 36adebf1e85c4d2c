#pragma once
// 当選結果一覧's editing rules, without any screen: what each cell of a
// draw's row shows, what its editor accepts while the user types, and the
// draw's result with one cell changed, checked as an import checks a
// results file (a prize per unit up to 99,999,999 yen, no box or set prize
// on a triple, a date from 1994-10-07 on, after the previous draw's and
// before the next draw's). A date off the draw schedule or a prize that
// breaks the prize rule (core/prize_rule.h) is stored only once the user
// confirms it.
#include <optional>
#include <string>
#include <string_view>

#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {

struct ResultCellEdit {
    std::optional<DrawResult> result;  // the row as it would be stored
    std::string error;                 // Japanese, for the user
    // Asked before the row is stored (Yes stores it); empty when nothing
    // needs asking.
    std::string question;
};

class ResultRowEdit {
public:
    // 回数, 抽せん日, 当選番号, then for each prize kind the game pays
    // (PrizeKindsOf) its 口数 and 当せん金額.
    static constexpr int kDrawColumn = 0;
    static constexpr int kDateColumn = 1;
    static constexpr int kNumberColumn = 2;
    static constexpr int kFirstFigureColumn = 3;
    static int ColumnCount(const Game& game = kNumbers3);

    static bool IsEditable(int column, const Game& game = kNumbers3) {
        return column == kDateColumn || (column >= kFirstFigureColumn && column < ColumnCount(game));
    }
    // "ストレート 口数"…; "回数", "抽せん日", "当選番号".
    static std::string Heading(int column, const Game& game = kNumbers3);
    // What the cell shows: an estimated date with 「（予定）」, figures with
    // thousands commas and 円.
    static std::string CellText(const Draw& draw, const DrawResult* result, int column, const Game& game = kNumbers3);
    // What the editor starts with: the bare date or figure.
    static std::string EditText(const DrawResult* result, int column, const Game& game = kNumbers3);
    // While typing: any text up to a cell's length, so that a minus sign or
    // a letter reaches Edit and is refused with a message instead of being
    // dropped unseen.
    static bool AcceptsTyping(int column, std::string_view text, const Game& game = kNumbers3);

    // The result of `draw` with the cell set to `text` (empty: unknown).
    // `nextDrawDate` and `previousDrawDate` are the dates of the next and
    // the previous draw, empty when unknown: a date must lie between them.
    // A typed date is a published one.
    static ResultCellEdit Edit(const Draw& draw, const DrawResult* stored, int column, std::string_view text,
                               const std::string& nextDrawDate, const std::string& previousDrawDate = {},
                               const Game& game = kNumbers3);
};

}  // namespace n3
