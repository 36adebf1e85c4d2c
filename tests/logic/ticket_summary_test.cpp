// The ticket book's money: totals, months, the chart and the budget check; the report written a line at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <streambuf>
#include <utility>

#include "test_history.h"
#include "tickets/ticket_report.h"
#include "tickets/ticket_summary.h"

using namespace n3;
using n3::testing::history;

namespace {

Purchase Bought(std::string date, std::string number, int first, int draws, int units, std::int64_t id = 0) {
    Purchase p;
    p.id = id;
    p.購入日 = std::move(date);
    p.番号 = std::move(number);
    p.最初の回数 = first;
    p.継続回数 = draws;
    p.口数 = units;
    return p;
}

DrawResult StraightPays(int no, std::int64_t yen) {
    DrawResult r;
    r.drawNo = no;
    r.prize(PrizeKind::Straight).yen = yen;
    return r;
}

}  // namespace

TEST(TicketSummary, TotalsMonthsAndCumulativeBalance) {
    const std::vector<Purchase> book = {
        Bought("2024-04-10", "111", 1, 2, 1),  // 400 yen, wins 90,000 on draw 1
        Bought("2024-04-20", "222", 3, 1, 5),  // 1,000 yen, loses
        Bought("2024-05-02", "333", 4, 3, 2),  // 1,200 yen, draw 4 wins with no prize known, 5 and 6 not drawn
    };
    const auto outcomes = CheckBook(book, history({{1, 1, 1, 1}, {2, 0, 0, 0}, {3, 0, 0, 0}, {4, 3, 3, 3}}),
                                    {StraightPays(1, 90000), StraightPays(3, 100000)});
    const BookSummary s = Summarise(book, outcomes);
    EXPECT_EQ(s.totals.purchases, 3);
    EXPECT_EQ(s.totals.units, 2 + 5 + 6);
    EXPECT_EQ(s.totals.spent, 400 + 1000 + 1200);
    EXPECT_EQ(s.totals.won, 90000);
    EXPECT_EQ(s.totals.balance(), 90000 - 2600);
    EXPECT_EQ(s.totals.wins, 2);
    EXPECT_EQ(s.totals.pending, 2);
    EXPECT_EQ(s.totals.prizesUnknown, 1);
    ASSERT_TRUE(s.totals.returnPercent());
    EXPECT_NEAR(*s.totals.returnPercent(), 100.0 * 90000 / 2600, 1e-9);

    ASSERT_EQ(s.months.size(), 2u);
    EXPECT_EQ(s.months[0].month, "2024-04");
    EXPECT_EQ(s.months[0].totals.spent, 1400);
    EXPECT_EQ(s.months[0].cumulativeBalance, 90000 - 1400);
    EXPECT_EQ(s.months[1].month, "2024-05");
    EXPECT_EQ(s.months[1].totals.won, 0);
    EXPECT_EQ(s.months[1].cumulativeBalance, 90000 - 2600);

    const std::string line = SummaryLine(s.totals);
    for (const char* part : {"購入 3 件", "2,600 円", "90,000 円", "87,400 円", "回収率 3461.5%", "理論値 約45%",
                             "未抽せん 2 回", "当せん（金額不明） 1 回"})
        EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;

    const ChartData chart = MonthlyChart(s);
    ASSERT_EQ(chart.series.size(), 3u);
    EXPECT_EQ(chart.categories, (std::vector<std::string>{"2024-04", "2024-05"}));
    EXPECT_EQ(chart.series[0].kind, SeriesKind::Bars);
    EXPECT_EQ(chart.series[0].points[1].y, 1200);
    EXPECT_EQ(chart.series[1].points[0].y, 90000);
    EXPECT_EQ(chart.series[2].kind, SeriesKind::Line);
    EXPECT_EQ(chart.series[2].points[1].y, double(s.months[1].cumulativeBalance));
}

TEST(TicketSummary, AnExpiredPrizeIsSummedApart) {
    const std::vector<Purchase> book = {Bought("2024-04-10", "111", 1, 2, 1)};
    std::vector<DrawOutcome> outcomes =
        CheckBook(book, history({{1, 1, 1, 1}, {2, 1, 1, 1}}), {StraightPays(1, 90000), StraightPays(2, 80000)});
    outcomes[0].expired = true;
    const BookSummary s = Summarise(book, outcomes);
    EXPECT_EQ(s.totals.won, 80000);
    EXPECT_EQ(s.totals.expiredYen, 90000);
    EXPECT_EQ(s.totals.balance(), 80000 - 400);
    EXPECT_EQ(s.months[0].totals.expiredYen, 90000);
    EXPECT_NE(SummaryLine(s.totals).find("　失効 90,000円"), std::string::npos) << SummaryLine(s.totals);
}

TEST(TicketSummary, EmptyBookHasNoReturnRate) {
    const BookSummary s = Summarise({}, {});
    EXPECT_FALSE(s.totals.returnPercent());
    EXPECT_NE(SummaryLine(s.totals).find("回収率 －"), std::string::npos);
    EXPECT_EQ(FormatYen(-1234567), "-1,234,567");
    EXPECT_EQ(FormatYen(999), "999");
}

TEST(TicketSummary, BudgetWarningWhenTheMonthWouldPassIt) {
    const std::vector<Purchase> book = {Bought("2024-04-01", "123", 1, 5, 4, 1),     // 4,000
                                        Bought("2024-03-31", "123", 1, 20, 99, 2)};  // other month
    const Purchase next = Bought("2024-04-30", "456", 9, 1, 5);                      // 1,000
    EXPECT_FALSE(OverBudget(book, next, std::nullopt));
    EXPECT_FALSE(OverBudget(book, next, 5000));  // exactly the budget is fine
    const auto over = OverBudget(book, next, 4999);
    ASSERT_TRUE(over);
    EXPECT_EQ(over->month, "2024-04");
    EXPECT_EQ(over->spentBefore, 4000);
    EXPECT_EQ(over->spentAfter, 5000);
    EXPECT_NE(BudgetWarning(*over).find("2024年04月の購入金額が月の予算 4,999 円を超えます"), std::string::npos);

    // An edit of a stored purchase counts its new cost, not both.
    Purchase edited = book[0];
    edited.口数 = 5;  // 5,000
    EXPECT_FALSE(OverBudget(book, edited, 5000));
    const auto raised = OverBudget(book, edited, 4999);
    ASSERT_TRUE(raised);
    // The message starts from the month's real spend, the stored cost included.
    EXPECT_EQ(raised->spentBefore, 4000);
    EXPECT_EQ(raised->spentAfter, 5000);
    EXPECT_NE(BudgetWarning(*raised).find("4,000 円 → 5,000 円"), std::string::npos) << BudgetWarning(*raised);
}

namespace {

// Counts what reaches it and the largest piece handed over at once.
class CountingBuffer : public std::streambuf {
public:
    std::size_t total = 0, largest = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        total += std::size_t(n);
        largest = std::max(largest, std::size_t(n));
        return n;
    }
    int_type overflow(int_type c) override {
        ++total;
        return c;
    }
};

using ReportWriter = void (*)(const TicketReport&, std::ostream&);
using ReportMaker = std::string (*)(const TicketReport&);
class TicketReportStream : public ::testing::TestWithParam<std::pair<ReportWriter, ReportMaker>> {};

// A long book's report is handed out a line at a time, and says what the whole text says.
TEST_P(TicketReportStream, WritesLineByLineWhatTheWholeReportHolds) {
    std::vector<Purchase> book;
    for (int i = 0; i < 200; ++i) book.push_back(Bought("2024-04-10", "111", 1 + i % 5, 20, 1, i + 1));
    const DrawHistory drawn = history({{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 1, 1, 1}});
    const ResultHistory results = {StraightPays(1, 90'000), StraightPays(3, 80'000)};
    const std::vector<DrawOutcome> outcomes = CheckBook(book, drawn, results);
    const TicketReport report{book, outcomes, Summarise(book, outcomes), &results, "2024-05-01"};
    CountingBuffer counted;
    std::ostream out(&counted);
    GetParam().first(report, out);
    const std::string whole = GetParam().second(report);
    EXPECT_EQ(counted.total, whole.size());
    EXPECT_GT(whole.size(), 100'000u);
    EXPECT_LT(counted.largest, 2'000u);
}

INSTANTIATE_TEST_SUITE_P(Formats, TicketReportStream,
                         ::testing::Values(std::pair{&WriteTicketReportText, &TicketReportText},
                                           std::pair{&WriteTicketReportCsv, &TicketReportCsv},
                                           std::pair{&WriteTicketReportJson, &TicketReportJson}));

}  // namespace
