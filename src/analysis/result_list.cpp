#include "analysis/result_list.h"

#include "core/number_rules.h"

#include "core/estimated_date_text.h"

namespace n3 {

namespace {
constexpr Colour kPrizeHeader{200, 230, 255};
}  // namespace

std::string 当選結果一覧::Yen(std::int64_t yen) {
    std::string digits = std::to_string(yen);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

WindowContent 当選結果一覧::Content(const WindowInput& input) {
    WindowContent content;
    content.grid() = Build(input.history, input.results, input.game);
    // The dates of the listed draws, each saying whether it was worked out
    // from the schedule (the JSON's "dates").
    ResultListDates dates;
    for (auto it = input.history.rbegin(); it != input.history.rend(); ++it)
        if (const DrawResult* r = FindResult(input.results, it->drawNo); r && !r->date.empty())
            dates.rows.push_back({it->drawNo, r->date, r->dateEstimated});
    content.details = std::make_shared<const ResultListDates>(std::move(dates));
    return content;
}

GridModel 当選結果一覧::Build(const DrawHistory& history, const ResultHistory& results, const Game& game) {
    const std::vector<PrizeKind> kinds = PrizeKindsOf(game);
    const int kindCount = int(kinds.size());
    const int columns = 3 + 2 * kindCount;
    GridModel grid;
    const int rows = kFirstDrawRow - 1 + int(history.size());
    grid.setSize(columns, rows);
    grid.setDefaultRowHeight(10);
    grid.setDefaultColumnWidth(9);
    grid.setColumnWidth(1, 7);
    grid.setColumnWidth(2, 15);
    grid.setColumnWidth(3, 7);
    grid.setAlignment(grid.all(), HAlign::Center);

    // Two header rows: the prize's name over its two columns.
    for (int c = 1; c <= 3; ++c) grid.addSpan(c, 1, 1, 2);
    grid.setText(1, 1, "回数");
    grid.setText(2, 1, "抽せん日");
    grid.setText(3, 1, "当選番号");
    grid.setBackground({1, 1, columns, 2}, colours::HeaderPink);
    for (int k = 0; k < kindCount; ++k) {
        const int col = 4 + 2 * k;
        grid.addSpan(col, 1, 2, 1);
        grid.setText(col, 1, kPrizeKindNames[std::size_t(kinds[std::size_t(k)])]);
        grid.setText(col, 2, "口数");
        grid.setText(col + 1, 2, "当せん金額");
        grid.setColumnWidth(col, 7);
        grid.setBackground({col, 1, col + 1, 1}, kPrizeHeader);
    }
    if (rows >= kFirstDrawRow) {
        grid.setForeground({1, kFirstDrawRow, 1, rows}, colours::Red);
        grid.setBackground({1, kFirstDrawRow, 1, rows}, colours::HeaderYellow);
        grid.setForeground({3, kFirstDrawRow, 3, rows}, colours::Blue);
        grid.setAlignment({4, kFirstDrawRow, columns, rows}, HAlign::Right);
    }
    grid.gridLinesOnBlock(grid.all());

    int row = kFirstDrawRow;
    for (auto it = history.rbegin(); it != history.rend(); ++it, ++row) {
        const Draw& d = *it;
        grid.setNumber(1, row, d.drawNo);
        if (d.complete(game)) grid.setText(3, row, DigitsText(d.digits, game));
        const DrawResult* r = FindResult(results, d.drawNo);
        if (!r) continue;
        grid.setText(2, row, ShownDate(r->date, r->dateEstimated));
        for (int k = 0; k < kindCount; ++k) {
            const Prize& p = r->prize(kinds[std::size_t(k)]);
            if (p.winners) grid.setText(4 + 2 * k, row, Yen(*p.winners));
            if (p.yen) grid.setText(5 + 2 * k, row, Yen(*p.yen) + "円");
        }
    }
    grid.moveActiveCellToTopLeft();
    return grid;
}

}  // namespace n3
