#pragma once
// The money of the ticket book: what was spent, what came back, per month
// and in all, and the check of a new purchase against the monthly budget.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/chart_data.h"
#include "tickets/ticket_check.h"
#include "tickets/yen_sum.h"

namespace n3 {

// About 45% of what is paid for Numbers 3 tickets goes back as prizes.
inline constexpr double kTheoreticalReturnPercent = 45.0;
// A prize left uncollected past its deadline (失効), apart from the red of a
// prize still to be had.
inline constexpr Colour kExpiredColour{128, 0, 128};

struct BookTotals {
    int purchases = 0;
    std::int64_t units = 0;                                           // 口数 × 継続回数, summed
    std::int64_t spent = 0;                                           // yen
    std::int64_t won = 0;                                             // yen, prizes known only, 失効 left out
    std::int64_t expiredYen = 0;                                      // 失効: known prizes past their deadline
    int expired = 0;                                                  // draws won whose claim has expired
    int wins = 0;                                                     // draws won (prize known or not)
    int pending = 0;                                                  // draws not drawn yet
    int prizesUnknown = 0;                                            // draws won whose prize is not known
    std::int64_t balance() const { return SubtractYen(won, spent); }  // 収支
    // 回収率 in percent; nullopt while nothing was spent.
    std::optional<double> returnPercent() const;
};

struct MonthTotals {
    std::string month;  // YYYY-MM of 購入日
    BookTotals totals;
    std::int64_t cumulativeBalance = 0;  // 収支 of this month and every month before
};

struct BookSummary {
    BookTotals totals;
    // The same for the purchases of each game, in kGames order.
    std::array<BookTotals, kGames.size()> games{};
    std::vector<MonthTotals> months;  // ascending
};

// Spending and winnings count in the month the purchase was made.
BookSummary Summarise(const std::vector<Purchase>& book, const std::vector<DrawOutcome>& outcomes);

// 1234567 → "1,234,567"; negatives keep their sign.
std::string FormatYen(std::int64_t yen);
// "12.5%", or "－" when nothing was spent.
std::string FormatPercent(std::optional<double> percent);
// The one line of the status bar and of the CLI.
std::string SummaryLine(const BookTotals& t);

// Spent and won per month as bars, the cumulative 収支 as a line.
ChartData MonthlyChart(const BookSummary& summary);

// The monthly budget check of a purchase about to be stored.
struct BudgetCheck {
    std::string month;  // YYYY-MM
    std::int64_t budget = 0;
    std::int64_t spentBefore = 0;  // that month as the book stands (an edited purchase at its stored cost)
    std::int64_t spentAfter = 0;   // that month, with it
};
// The check when the purchase would take its month past the budget, else
// nullopt (also when there is no budget). A purchase already in the book
// (same id) counts with its new values instead of its stored ones.
std::optional<BudgetCheck> OverBudget(const std::vector<Purchase>& book, const Purchase& candidate,
                                      std::optional<std::int64_t> monthlyBudget);
std::string BudgetWarning(const BudgetCheck& check);

}  // namespace n3
