#include "analysis/complete_draw_rows.h"

namespace n3 {

std::vector<CompleteDrawRow> CompleteDrawRows(const DrawHistory& history, const Game& game) {
    std::vector<CompleteDrawRow> rows;
    rows.reserve(history.size());
    for (const Draw& draw : history) {
        if (!draw.complete(game)) continue;
        CompleteDrawRow& row = rows.emplace_back();
        row.drawNo = draw.drawNo;
        for (int i = 0; i < game.digits; ++i) row.digits[std::size_t(i)] = std::uint8_t(draw.digit(i));
    }
    return rows;
}

}  // namespace n3
