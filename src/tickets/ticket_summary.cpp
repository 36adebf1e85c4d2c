#include "tickets/ticket_summary.h"

#include <cstdio>
#include <map>

namespace n3 {

namespace {

std::string MonthOf(const Purchase& p) { return p.購入日.substr(0, 7); }

void AddPurchase(BookTotals& t, const Purchase& p) {
    ++t.purchases;
    t.units = AddYen(t.units, MultiplyYen(p.口数, p.継続回数));
    t.spent = AddYen(t.spent, p.cost());
}

void AddOutcome(BookTotals& t, const DrawOutcome& o) {
    switch (o.outcome) {
    case Outcome::NotDrawn: ++t.pending; break;
    case Outcome::Lost: break;
    case Outcome::Won:
        ++t.wins;
        if (o.expired) {
            ++t.expired;
            t.expiredYen = AddYen(t.expiredYen, o.yen);
        } else {
            t.won = AddYen(t.won, o.yen);
        }
        break;
    case Outcome::PrizeUnknown:
        ++t.wins;
        ++t.prizesUnknown;
        if (o.expired) ++t.expired;
        break;
    }
}

}  // namespace

std::optional<double> BookTotals::returnPercent() const {
    if (spent <= 0) return std::nullopt;
    return 100.0 * double(won) / double(spent);
}

BookSummary Summarise(const std::vector<Purchase>& book, const std::vector<DrawOutcome>& outcomes) {
    BookSummary summary;
    std::map<std::string, BookTotals> byMonth;
    const auto gameTotals = [&summary](const Purchase& p) -> BookTotals& {
        for (std::size_t g = 0; g < kGames.size(); ++g)
            if (kGames[g]->id == p.game->id) return summary.games[g];
        return summary.games[0];
    };
    for (const Purchase& p : book) {
        AddPurchase(summary.totals, p);
        AddPurchase(gameTotals(p), p);
        AddPurchase(byMonth[MonthOf(p)], p);
    }
    // Outcomes come grouped by purchase: look the month up once per group.
    BookTotals* month = nullptr;
    std::size_t monthOf = std::size_t(-1);
    for (const DrawOutcome& o : outcomes) {
        if (o.purchase >= book.size()) continue;
        if (o.purchase != monthOf) {
            monthOf = o.purchase;
            month = &byMonth[MonthOf(book[o.purchase])];
        }
        AddOutcome(summary.totals, o);
        AddOutcome(gameTotals(book[o.purchase]), o);
        AddOutcome(*month, o);
    }
    std::int64_t running = 0;
    for (auto& [name, totals] : byMonth) {
        running = AddYen(running, totals.balance());
        summary.months.push_back({name, totals, running});
    }
    return summary;
}

std::string FormatYen(std::int64_t yen) {
    const bool negative = yen < 0;
    // The magnitude as unsigned: the most negative value has no positive twin.
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(yen) : std::uint64_t(yen);
    std::string digits = std::to_string(magnitude);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(std::size_t(i), ",");
    return negative ? "-" + digits : digits;
}

std::string FormatPercent(std::optional<double> percent) {
    if (!percent) return "－";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", *percent);
    return text;
}

std::string SummaryLine(const BookTotals& t) {
    std::string line = "購入 " + std::to_string(t.purchases) + " 件（" + std::to_string(t.units) + " 口）　購入金額 " +
                       FormatYen(t.spent) + " 円　当せん金 " + FormatYen(t.won) + " 円　収支 " +
                       FormatYen(t.balance()) + " 円　回収率 " + FormatPercent(t.returnPercent()) + "（理論値 約" +
                       std::to_string(int(kTheoreticalReturnPercent)) + "%）";
    if (t.pending > 0) line += "　未抽せん " + std::to_string(t.pending) + " 回";
    if (t.prizesUnknown > 0) line += "　当せん（金額不明） " + std::to_string(t.prizesUnknown) + " 回";
    if (t.expired > 0) line += "　失効 " + FormatYen(t.expiredYen) + "円";
    return line;
}

ChartData MonthlyChart(const BookSummary& summary) {
    ChartData chart;
    chart.title = "月別の購入金額と当せん金";
    chart.xTitle = "購入月";
    chart.yTitle = "金額（円）";
    ChartSeries spent{"購入金額", SeriesKind::Bars, {0, 0, 255}, {}, {}};
    ChartSeries won{"当せん金", SeriesKind::Bars, {255, 0, 0}, {}, {}};
    ChartSeries balance{"累計収支", SeriesKind::Line, {0, 128, 0}, {}, {}};
    for (std::size_t i = 0; i < summary.months.size(); ++i) {
        const MonthTotals& m = summary.months[i];
        const double x = double(i);
        spent.points.push_back({x, double(m.totals.spent), m.month + " 購入金額 " + FormatYen(m.totals.spent) + " 円"});
        won.points.push_back({x, double(m.totals.won), m.month + " 当せん金 " + FormatYen(m.totals.won) + " 円"});
        balance.points.push_back(
            {x, double(m.cumulativeBalance), m.month + " 累計収支 " + FormatYen(m.cumulativeBalance) + " 円"});
        chart.categories.push_back(m.month);
    }
    chart.series = {std::move(spent), std::move(won), std::move(balance)};
    return chart;
}

std::optional<BudgetCheck> OverBudget(const std::vector<Purchase>& book, const Purchase& candidate,
                                      std::optional<std::int64_t> monthlyBudget) {
    if (!monthlyBudget) return std::nullopt;
    BudgetCheck check;
    check.month = MonthOf(candidate);
    check.budget = *monthlyBudget;
    // Before: the month as the book holds it now, the stored version of an
    // edited purchase included. After: with the candidate in its place.
    std::int64_t others = 0;
    for (const Purchase& p : book) {
        if (MonthOf(p) != check.month) continue;
        check.spentBefore = AddYen(check.spentBefore, p.cost());
        if (!(candidate.id != 0 && p.id == candidate.id)) others = AddYen(others, p.cost());
    }
    check.spentAfter = AddYen(others, candidate.cost());
    if (check.spentAfter <= check.budget) return std::nullopt;
    return check;
}

std::string BudgetWarning(const BudgetCheck& c) {
    return c.month.substr(0, 4) + "年" + c.month.substr(5, 2) + "月の購入金額が月の予算 " + FormatYen(c.budget) +
           " 円を超えます（この購入で " + FormatYen(c.spentBefore) + " 円 → " + FormatYen(c.spentAfter) + " 円）。";
}

}  // namespace n3
