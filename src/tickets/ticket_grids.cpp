#include "tickets/ticket_grids.h"

#include <cstdio>
#include <string_view>

#include "tickets/ticket_report.h"

namespace n3 {

namespace {

// A grid with a yellow heading row and lines round every cell.
GridModel Headed(std::initializer_list<std::string_view> headings, int rows) {
    GridModel g;
    g.setSize(int(headings.size()), rows + 1);
    int c = 1;
    for (std::string_view h : headings) g.setText(c++, 1, h);
    g.setBackground({1, 1, g.columns(), 1}, colours::HeaderYellow);
    g.gridLinesOnBlock(g.all());
    g.frozenRows = 1;
    return g;
}

// Two decimals, "－" for none.
std::string FactorCell(const std::optional<double>& factor) {
    if (!factor) return "－";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", *factor);
    return buf;
}

}  // namespace

std::vector<GridModel> TicketGrids(const std::vector<Purchase>& book, const std::vector<DrawOutcome>& outcomes,
                                   const BookSummary& summary, const TicketFactors* factors) {
    GridModel purchases =
        factors
            ? Headed({"購入日", "最初の回数", "継続回数", "番号", "種類", "口数", "メモ", "金額", "推定倍率"},
                     int(book.size()))
            : Headed({"購入日", "最初の回数", "継続回数", "番号", "種類", "口数", "メモ", "金額"}, int(book.size()));
    for (std::size_t i = 0; i < book.size(); ++i) {
        const Purchase& p = book[i];
        const int r = int(i) + 2;
        purchases.setText(1, r, p.購入日);
        purchases.setNumber(2, r, p.最初の回数);
        purchases.setNumber(3, r, p.継続回数);
        purchases.setText(4, r, p.番号);
        purchases.setText(5, r, TicketKindCaption(p.種類));
        purchases.setNumber(6, r, p.口数);
        purchases.setText(7, r, p.メモ);
        purchases.setText(8, r, FormatYen(p.cost()));
        if (factors) purchases.setText(9, r, FactorCell(factors->of(p)));
    }

    GridModel results = Headed({"購入日", "番号", "種類", "口数", "回数", "抽せん数字", "結果", "当せん金", "失効"},
                               int(outcomes.size()));
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const DrawOutcome& o = outcomes[i];
        const Purchase& p = book[o.purchase];
        const int r = int(i) + 2;
        results.setText(1, r, p.購入日);
        results.setText(2, r, p.番号);
        results.setText(3, r, TicketKindCaption(p.種類));
        results.setNumber(4, r, p.口数);
        results.setNumber(5, r, o.drawNo);
        results.setText(6, r, DrawnText(o));
        results.setText(7, r, OutcomeText(o));
        if (o.outcome != Outcome::Won) continue;
        results.setText(o.expired ? 9 : 8, r, FormatYen(o.yen));
        results.setForeground({1, r, 9, r}, o.expired ? kExpiredColour : colours::Red);
    }

    GridModel months = Headed({"月", "購入件数", "口数", "購入金額", "当せん金", "失効", "収支", "累計収支", "回収率"},
                              int(summary.months.size()) + 1);
    const auto row = [&months](int r, const std::string& name, const BookTotals& t, std::int64_t cumulative) {
        months.setText(1, r, name);
        months.setNumber(2, r, t.purchases);
        months.setText(3, r, std::to_string(t.units));
        months.setText(4, r, FormatYen(t.spent));
        months.setText(5, r, FormatYen(t.won));
        months.setText(6, r, FormatYen(t.expiredYen));
        months.setText(7, r, FormatYen(t.balance()));
        months.setText(8, r, FormatYen(cumulative));
        months.setText(9, r, FormatPercent(t.returnPercent()));
    };
    for (std::size_t i = 0; i < summary.months.size(); ++i)
        row(int(i) + 2, summary.months[i].month, summary.months[i].totals, summary.months[i].cumulativeBalance);
    const int total = months.rows();
    row(total, "合計", summary.totals, summary.totals.balance());
    months.setBackground({1, total, months.columns(), total}, colours::HeaderYellow);
    return {std::move(purchases), std::move(results), std::move(months)};
}

}  // namespace n3
