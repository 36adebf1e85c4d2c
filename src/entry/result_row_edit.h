#pragma once
// 当選結果一覧's editing rules, without any screen: what each cell of a
// draw's row shows, what its editor accepts while the user types, and the
// draw's result with one cell changed, checked as an import checks a
// results file (a prize per unit up to 99,999,999 yen, no box or set prize
// on a triple, a date from 1994-10-07 on and not after the next draw's).
#include <optional>
#include <string>
#include <string_view>

#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {

struct ResultCellEdit {
    std::optional<DrawResult> result;  // the row as it would be stored
    std::string error;                 // Japanese, for the user
};

class ResultRowEdit {
public:
    // 回数, 抽せん日, 当選番号, then for each prize kind its 口数 and 当せん金額.
    static constexpr int kDrawColumn = 0;
    static constexpr int kDateColumn = 1;
    static constexpr int kNumberColumn = 2;
    static constexpr int kFirstFigureColumn = 3;
    static constexpr int kColumnCount = kFirstFigureColumn + 2 * kPrizeKindCount;

    static bool IsEditable(int column) {
        return column == kDateColumn || (column >= kFirstFigureColumn && column < kColumnCount);
    }
    // "ストレート 口数"…; "回数", "抽せん日", "当選番号".
    static std::string Heading(int column);
    // What the cell shows: an estimated date with 「（予定）」, figures with
    // thousands commas and 円.
    static std::string CellText(const Draw& draw, const DrawResult* result, int column);
    // What the editor starts with: the bare date or figure.
    static std::string EditText(const DrawResult* result, int column);
    // While typing: digits (with commas, and 円 or 口 at the end) for a
    // figure, digits and hyphens for a date.
    static bool AcceptsTyping(int column, std::string_view text);

    // The result of `draw` with the cell set to `text` (empty: unknown).
    // `successorDate` is the date of the next draw, empty when unknown: a
    // date may not pass it. A typed date is a published one.
    static ResultCellEdit Edit(const Draw& draw, const DrawResult* stored, int column, std::string_view text,
                               const std::string& successorDate);
};

}  // namespace n3
