#include "analysis/number_lookup_window.h"

#include <algorithm>
#include <cmath>

#include "analysis/figure_text.h"
#include "analysis/payout_window.h"
#include "core/grid_rows.h"
#include "stats/chance_charts.h"

namespace n3 {

namespace {

constexpr int kColumns = 8;
constexpr std::string_view kNone = "－";
constexpr Colour kStraightBackground{255, 240, 200};
constexpr HeaderLook kHeader{.columns = 0, .text = colours::Blue, .centred = false};

std::string DrawText(const std::optional<int>& drawNo) {
    return drawNo ? "第" + std::to_string(*drawNo) + "回" : std::string(kNone);
}
std::string Count(const std::optional<int>& value) { return value ? std::to_string(*value) : std::string(kNone); }
std::string OrNone(const std::string& text) { return text.empty() ? std::string(kNone) : text; }

// ストレート and ボックス, and ミニ where the game sells it.
int KindRows(const Game& game) { return game.offers(TicketKind::Mini) ? 3 : 2; }

// "全1000通り" for three digits.
std::string AllNumbersCaption(const Game& game) { return "全" + std::to_string(game.numberCount()) + "通り"; }

std::string RangeLine(int draws, int first, int last) {
    if (draws == 0) return "対象：範囲に数字のそろった回がありません";
    return "対象：第" + std::to_string(first) + "回～第" + std::to_string(last) + "回の " + std::to_string(draws) +
           " 回";
}

std::string PayoutLine(const PayoutItem* p) {
    if (!p) return "配当倍率：当せん金額のわかる回が足りません";
    if (!p->shrunk) return "配当倍率：当せん金額のわかる回が足りません";
    std::string line = "配当倍率（ストレート、その年の中央値との比）：";
    if (p->factor) {
        line += FactorText(p->factor);
        if (p->low) line += "（95%：" + FactorText(p->low) + "～" + FactorText(p->high) + "）";
        line += "　当せん " + std::to_string(p->wins) + " 回から";
    } else {
        line += "当せんなし";
    }
    return line + "　推定倍率 " + FactorText(p->shrunk) + "（当たる確率は変わりません）";
}

// The lookup's rows from `row`; returns the next free row.
int WriteLookup(GridModel& grid, int row, const NumberLookup& l, const PayoutItem* payout, const Game& game) {
    const std::string number = NumberText(l.number, game);
    WriteNoteRow(grid, row++, kColumns,
                 "番号 " + number + "（" + std::string(TypeName(TypeOf(l.number, game))) + "）　" +
                     RangeLine(l.draws, l.firstDrawNo, l.lastDrawNo));
    const int head = row;
    WriteHeaderRow(
        grid, kHeader, row++,
        {"当たり方", "回数", "偶然の期待値", "最後の回", "抽せん日", "その後の回数", "平均間隔", "最長間隔"});
    const std::string miniDigits = std::to_string(game.miniDigits);
    const std::string kinds[3] = {
        "ストレート", "ボックス",
        "ミニ（下" + miniDigits + "桁 " + number.substr(number.size() - std::size_t(game.miniDigits)) + "）"};
    const int counts[3] = {l.straightCount, l.boxCount, l.miniCount};
    const double expected[3] = {l.straightExpected, l.boxExpected, l.miniExpected};
    const std::optional<int> last[3] = {l.lastStraight, l.lastBox, l.lastMini};
    const std::string dates[3] = {l.lastStraightDate, l.lastBoxDate, l.lastMiniDate};
    const std::optional<int> since[3] = {l.sinceStraight, l.sinceBox, l.sinceMini};
    const int kindRows = KindRows(game);
    for (int k = 0; k < kindRows; ++k, ++row) {
        grid.setText(1, row, kinds[k]);
        grid.setNumber(2, row, counts[k]);
        grid.setText(3, row, FixedText(expected[k], 2));
        grid.setText(4, row, DrawText(last[k]));
        grid.setText(5, row, OrNone(dates[k]));
        grid.setText(6, row, Count(since[k]));
    }
    grid.setText(7, head + 1, l.averageGap ? FixedText(*l.averageGap, 1) : std::string(kNone));
    grid.setText(8, head + 1, Count(l.longestGap));
    grid.setBackground({1, head + 1, 1, row - 1}, colours::HeaderYellow);
    grid.setAlignment({1, head, kColumns, head}, HAlign::Center);
    grid.setAlignment({1, head + 1, 1, row - 1}, HAlign::Left);
    grid.gridLinesOnBlock({1, head, kColumns, row - 1});
    WriteNoteRow(grid, row++, kColumns, PayoutLine(payout));
    WriteNoteRow(grid, row++, kColumns, "出た回（新しい順）：" + std::to_string(l.hits.size()) + " 回");
    if (l.hits.empty()) return row + 1;
    const int listHead = row;
    WriteHeaderRow(grid, kHeader, row++, {"回", "抽せん日", "当選番号", "当たり方", "当せん金額", "配当倍率"});
    for (const NumberHit& hit : l.hits) {
        grid.setText(1, row, "第" + std::to_string(hit.drawNo) + "回");
        grid.setText(2, row, OrNone(hit.date));
        grid.setText(3, row, hit.digits);
        grid.setText(4, row, hit.straight ? "ストレート" : "ボックス");
        if (hit.straight) {
            grid.setText(5, row, hit.prize ? GroupedNumber(std::llround(*hit.prize)) + "円" : std::string(kNone));
            grid.setText(6, row, FactorText(hit.factor));
            if (const Colour c = FactorColour(hit.factor); c.isSet()) grid.setForeground(6, row, c);
            grid.setBackground({1, row, 6, row}, kStraightBackground);
        }
        ++row;
    }
    grid.setAlignment({1, listHead, 6, row - 1}, HAlign::Center);
    grid.gridLinesOnBlock({1, listHead, 6, row - 1});
    return row + 1;
}

int CountLookupRows(const NumberLookup* l, const Game& game) {
    if (!l) return 2;
    return 1 + 1 + KindRows(game) + 1 + 1 + (l->hits.empty() ? 0 : 1 + int(l->hits.size())) + 1;
}

// The number's straight factor, and each straight win's prize and factor.
void AddPayout(NumberLookupDetails& details, const WindowInput& input) {
    if (!PayoutFiguresCover(input.game)) return;
    const auto figures = KeptPayoutFigures(input.history, input.results, input.memo);
    const PayoutKindFigures& straight = figures->kind(PayoutKind::Straight);
    NumberLookup& l = *details.lookup;
    details.payout = straight.items[std::size_t(l.number)];
    for (NumberHit& hit : l.hits) {
        if (!hit.straight) continue;
        const auto at = std::lower_bound(straight.counted.begin(), straight.counted.end(), hit.drawNo,
                                         [](const CountedDraw& c, int drawNo) { return c.drawNo < drawNo; });
        if (at == straight.counted.end() || at->drawNo != hit.drawNo) continue;
        hit.prize = at->prize;
        hit.factor = std::exp(at->logFactor);
    }
}

}  // namespace

WindowContent 数字検索::Content(const WindowInput& input) {
    NumberLookupDetails details;
    details.all = TallyAllNumbers(input.history, input.range, input.game);
    if (input.number && *input.number >= 0 && *input.number < input.game.numberCount())
        details.lookup = LookUpNumber(input.history, input.results, input.range, *input.number, input.game);
    if (details.lookup) AddPayout(details, input);
    WindowContent content;
    content.grid() = BuildGrid(details.lookup ? &*details.lookup : nullptr, details.all,
                               details.payout ? &*details.payout : nullptr);
    SortableTable table = BuildTable(details.all);
    content.views.push_back({.caption = table.caption, .grid = {}, .charts = {}, .tables = {std::move(table)}});
    content.details = std::make_shared<const NumberLookupDetails>(std::move(details));
    return content;
}

GridModel 数字検索::BuildGrid(const NumberLookup* lookup, const AllNumbers& all, const PayoutItem* payout) {
    const Game& game = *all.game;
    const int numbers = int(all.rows.size());
    GridModel grid;
    const int tableRow = CountLookupRows(lookup, game) + 1;
    grid.setSize(kColumns, tableRow + 1 + numbers);
    grid.setDefaultRowHeight(13);
    grid.setDefaultColumnWidth(11);
    grid.setColumnWidth(1, 16);
    grid.setAlignment(grid.all(), HAlign::Right);
    int row = 1;
    if (lookup)
        row = WriteLookup(grid, row, *lookup, payout, game);
    else
        WriteNoteRow(grid, row, kColumns,
                     "番号（" + NumberText(0, game) + "～" + NumberText(numbers - 1, game) +
                         "）を入れると、その番号の" +
                         (game.offers(TicketKind::Mini) ? "ストレート・ボックス・ミニ" : "ストレート・ボックス") +
                         "の出現を調べます。");
    WriteNoteRow(grid, tableRow, kColumns,
                 AllNumbersCaption(game) + "（ボックスはストレートを含みます。経過回数は最後のボックスからの回数）");
    const int head = tableRow + 1;
    WriteHeaderRow(grid, kHeader, head,
                   {"番号", "型", "ストレート回数", "ボックス回数", "最後のストレート", "最後のボックス", "経過回数"});
    for (int n = 0; n < numbers; ++n) {
        const NumberRow& r = all.rows[std::size_t(n)];
        const int at = head + 1 + n;
        grid.setText(1, at, NumberText(n, game));
        grid.setText(2, at, TypeName(TypeOf(n, game)));
        grid.setNumber(3, at, r.straightCount);
        grid.setNumber(4, at, r.boxCount);
        grid.setText(5, at, DrawText(r.lastStraight));
        grid.setText(6, at, DrawText(r.lastBox));
        grid.setText(7, at, Count(r.sinceBox));
    }
    grid.setAlignment({1, head, 7, head}, HAlign::Center);
    grid.setAlignment({1, head + 1, 2, head + numbers}, HAlign::Center);
    grid.setBackground({1, head + 1, 1, head + numbers}, colours::HeaderYellow);
    grid.gridLinesOnBlock({1, head, 7, head + numbers});
    grid.moveActiveCellToTopLeft();
    return grid;
}

SortableTable 数字検索::BuildTable(const AllNumbers& all) {
    const Game& game = *all.game;
    SortableTable table;
    table.caption = AllNumbersCaption(game);
    table.headers = {"番号", "型", "ストレート回数", "ボックス回数", "最後のストレート", "最後のボックス", "経過回数"};
    table.rows.reserve(all.rows.size());
    // Never: sorts before every draw number, and as the longest wait.
    constexpr double kNever = -1, kForever = 1e9;
    for (int n = 0; n < int(all.rows.size()); ++n) {
        const NumberRow& r = all.rows[std::size_t(n)];
        const NumberType type = TypeOf(n, game);
        table.rows.push_back({
            {NumberText(n, game), double(n)},
            {std::string(TypeName(type)), double(OrdersOf(type, game))},
            {std::to_string(r.straightCount), double(r.straightCount)},
            {std::to_string(r.boxCount), double(r.boxCount)},
            {DrawText(r.lastStraight), r.lastStraight ? double(*r.lastStraight) : kNever},
            {DrawText(r.lastBox), r.lastBox ? double(*r.lastBox) : kNever},
            {Count(r.sinceBox), r.sinceBox ? double(*r.sinceBox) : kForever},
        });
    }
    return table;
}

}  // namespace n3
