// Values that files bring and that must be refused where they are read,
// with their line: dates no draw or purchase can have, prizes whose sums
// would overflow, fields too long to quote, books too large to check. And
// the sums of the book stay right at the bounds.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <ostream>

#include "core/calendar.h"
#include "io/history_csv.h"
#include "io/result_date.h"
#include "settings/settings_file.h"
#include "tickets/ticket_check.h"
#include "tickets/ticket_csv.h"
#include "tickets/ticket_report.h"
#include "tickets/ticket_summary.h"

using namespace n3;

namespace {

struct RefusedDate {
    const char* text;
    const char* why;  // a word the reason carries
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const RefusedDate& c, std::ostream* out) { *out << c.text; }

class ResultDateRefused : public ::testing::TestWithParam<RefusedDate> {};

TEST_P(ResultDateRefused, InTheReaderWithItsLine) {
    const std::string csv =
        std::string("回号,抽せん日,当せん番号\n第1回,2026-08-20(木),123\n第2回,") + GetParam().text + ",048\n";
    const CsvParseResult r = ParseHistoryCsv(csv);
    ASSERT_FALSE(r.ok()) << GetParam().text;
    EXPECT_EQ(r.error->line, 3);
    EXPECT_NE(r.error->reason.find(GetParam().why), std::string::npos) << r.error->reason;
}

INSTANTIATE_TEST_SUITE_P(
    EveryShape, ResultDateRefused,
    ::testing::Values(RefusedDate{"8月20日", "年がありません"}, RefusedDate{"8/20", "年がありません"},
                      RefusedDate{"あさって", "日付として読めません"},
                      RefusedDate{"2026-08-20(金)", "日付として読めません"},  // the 20th is a Thursday
                      RefusedDate{"平成45年1月1日", "日付として読めません"},
                      RefusedDate{"平成31年5月1日", "日付として読めません"},  // already 令和
                      RefusedDate{"1900-01-01", "日付として読めません"},
                      RefusedDate{"3000-01-01", "日付として読めません"}));

TEST(ResultDate, TheRightWeekdayAndTheEraBoundsAreRead) {
    EXPECT_EQ(ParseResultDate("2026-08-20(木)"), "2026-08-20");
    EXPECT_EQ(ParseResultDate("平成31年4月30日(火)"), "2019-04-30");
    EXPECT_EQ(ParseResultDate("令和元年5月1日(水)"), "2019-05-01");
    EXPECT_EQ(ParseResultDate(kFirstDrawDate), std::string(kFirstDrawDate));
    EXPECT_FALSE(ParseResultDate("1994-10-06").has_value());
    for (int y : {1994, 2000, 2024, 2099})
        for (int m = 1; m <= 12; ++m) {
            // 2024-01-01 was a Monday; count the days from it.
            const int a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
            const long jdn = 1 + (153 * mm + 2) / 5 + 365L * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
            EXPECT_EQ(WeekdayOf(y, m, 1), int(jdn % 7)) << y << "-" << m;
        }
}

TEST(ResultDate, AnEmptyFieldOrAPlaceholderStaysAnUnknownDate) {
    for (const char* none : {"", "-", "不明"}) {
        const CsvParseResult r = ParseHistoryCsv(std::string("回号,抽せん日,当せん番号\n第2回,") + none + ",048\n");
        ASSERT_TRUE(r.ok()) << none << ": " << r.error->reason;
        // A result with nothing known is no result at all.
        EXPECT_TRUE(r.results.empty() || r.results[0].date.empty()) << none;
        EXPECT_EQ(r.draws.size(), 1u) << none;
    }
}

TEST(ResultAmounts, AboveTheBoundsAreRefusedWithTheLineInBothFileShapes) {
    const CsvParseResult csv =
        ParseHistoryCsv("回号,当せん番号,ストレート当せん金額\n第1回,123,90000\n第2回,048,123456789012345\n");
    ASSERT_FALSE(csv.ok());
    EXPECT_EQ(csv.error->line, 3);
    EXPECT_NE(csv.error->reason.find("上限 99999999 円"), std::string::npos) << csv.error->reason;
    EXPECT_TRUE(ParseHistoryCsv("回号,当せん番号,ストレート当せん金額\n第2回,048,99999999\n").ok());

    const std::string bank =
        "第7073回ナンバーズ,数字選択式全国自治宝くじ,令和8年9月17日\r\n"
        "ナンバーズ３抽せん数字,188\r\n"
        "ストレート,188,62口,100000000円\r\n";
    const CsvParseResult b = ParseHistoryCsv(bank);
    ASSERT_FALSE(b.ok());
    EXPECT_EQ(b.error->line, 3);
    EXPECT_NE(b.error->reason.find("上限"), std::string::npos) << b.error->reason;
    const CsvParseResult weekday = ParseHistoryCsv(
        "第7073回ナンバーズ,数字選択式全国自治宝くじ,令和8年9月17日(月)\r\nナンバーズ３抽せん数字,188\r\n");
    ASSERT_FALSE(weekday.ok());
    EXPECT_EQ(weekday.error->line, 1);
}

Purchase Bought(std::string number, TicketKind type, int first, int draws, int units) {
    Purchase p;
    p.購入日 = "2026-01-05";
    p.番号 = std::move(number);
    p.種類 = type;
    p.最初の回数 = first;
    p.継続回数 = draws;
    p.口数 = units;
    return p;
}

TEST(BookSums, AtEveryBoundStayExactAndNeverWrap) {
    // The largest prize on every draw of the largest purchases.
    DrawHistory history;
    ResultHistory results;
    for (int no = 1; no <= kMaxCoveredDraws; ++no) {
        Draw d;
        d.drawNo = no;
        d.digits = {1, 2, 3};
        history.push_back(d);
        DrawResult r;
        r.drawNo = no;
        r.prize(PrizeKind::Straight) = Prize{1, kMaxPrizeYen};
        results.push_back(r);
    }
    const std::vector<Purchase> book(100, Bought("123", TicketKind::Straight, 1, kMaxCoveredDraws, kMaxUnits));
    const std::vector<DrawOutcome> outcomes = CheckBook(book, history, results);
    const BookSummary summary = Summarise(book, outcomes);
    const std::int64_t each = kMaxPrizeYen * kMaxUnits * kMaxCoveredDraws;
    EXPECT_EQ(summary.totals.won, each * 100);
    EXPECT_EQ(summary.totals.spent, kNumbers3.unitPriceYen * kMaxUnits * kMaxCoveredDraws * 100);
    EXPECT_GT(summary.totals.balance(), 0);
    EXPECT_EQ(summary.months.back().cumulativeBalance, summary.totals.balance());

    EXPECT_EQ(AddYen(LLONG_MAX, 1), LLONG_MAX);
    EXPECT_EQ(AddYen(LLONG_MIN, -1), LLONG_MIN);
    EXPECT_EQ(MultiplyYen(LLONG_MAX / 2, 3), LLONG_MAX);
    EXPECT_EQ(MultiplyYen(LLONG_MAX / 2, -3), LLONG_MIN);
    EXPECT_EQ(SubtractYen(LLONG_MIN, 1), LLONG_MIN);
    EXPECT_EQ(FormatYen(LLONG_MIN), "-9,223,372,036,854,775,808");
}

std::string TicketCsv(const std::string& rows) { return std::string(kTicketCsvHeadingWithoutReceipt) + "\n" + rows; }

TEST(TicketCsv, APurchaseDateOutsideTheDrawYearsIsRefusedWithItsLine) {
    for (const char* date : {"3000-01-01", "1990-05-01", "2100-01-01"}) {
        const TicketCsvResult r = ReadTicketCsv(
            TicketCsv("2026-01-05,7000,1,123,ストレート,1,\n" + std::string(date) + ",7000,1,123,ストレート,1,\n"));
        EXPECT_EQ(r.errorLine, 3) << date;
        EXPECT_NE(r.error.find("1994-10-07〜2099-12-31"), std::string::npos) << r.error;
    }
}

TEST(TicketCsv, AHugeOrControlFieldIsEchoedShortAndClean) {
    const std::string huge(10'000'000, '9');
    for (const std::string& bad : {huge, std::string("1\x1b[2J")}) {
        for (int column = 1; column <= 6; ++column) {
            std::vector<std::string> fields = {"2026-01-05", "7000", "1", "123", "ストレート", "1", ""};
            fields[std::size_t(column - 1)] = bad;
            std::string row;
            for (const std::string& f : fields) row += (row.empty() ? "" : ",") + f;
            const TicketCsvResult r = ReadTicketCsv(TicketCsv(row + "\n"));
            ASSERT_FALSE(r.ok()) << column;
            EXPECT_LT(r.error.size(), 400u) << column;
            EXPECT_EQ(r.error.find('\x1b'), std::string::npos) << column;
        }
    }
    const TicketCsvResult memo = ReadTicketCsv(TicketCsv("2026-01-05,7000,1,123,ストレート,1,\"a\x1b[31mb\"\n"));
    EXPECT_EQ(memo.errorLine, 2);
    EXPECT_EQ(memo.error.find('\x1b'), std::string::npos);
}

TEST(TicketCsv, ABookAboveTheBoundIsRefusedSayingSo) {
    std::string rows;
    for (int i = 0; i <= kMaxPurchases; ++i) rows += "2026-01-05,7000,1,123,ストレート,1,\n";
    const TicketCsvResult r = ReadTicketCsv(TicketCsv(rows));
    EXPECT_EQ(r.errorLine, kMaxPurchases + 2);
    EXPECT_NE(r.error.find(std::to_string(kMaxPurchases) + " 件まで"), std::string::npos) << r.error;
    rows.resize(rows.size() - std::string("2026-01-05,7000,1,123,ストレート,1,\n").size());
    EXPECT_EQ(ReadTicketCsv(TicketCsv(rows)).purchases.size(), std::size_t(kMaxPurchases));
}

TEST(TicketText, StoredControlCharactersNeverReachTheTerminal) {
    Purchase p = Bought("123", TicketKind::Straight, 1, 1, 1);
    p.メモ = "a\x1b]0;title\x07" + std::string(5000, 'x');
    const std::string list = TicketListText({p});
    EXPECT_EQ(list.find('\x1b'), std::string::npos);
    EXPECT_EQ(list.find('\x07'), std::string::npos);
    EXPECT_LT(list.size(), 1000u);
    p.番号 = "1\x1b";
    const std::vector<Purchase> book{p};
    const std::vector<DrawOutcome> outcomes = CheckBook(book, {}, {});
    const std::string report = TicketReportText({book, outcomes, Summarise(book, outcomes)});
    EXPECT_EQ(report.find('\x1b'), std::string::npos);
}

TEST(MonthlyBudget, AHugeValueIsEchoedShortAndClean) {
    const std::string path = ::testing::TempDir() + "/budget.ini";
    std::ofstream(path) << "月の予算=" << std::string(10'000'000, 'x') << "\x1b[2J\n";
    const MonthlyBudgetResult r = ReadMonthlyBudget(path);
    EXPECT_FALSE(r.ok());
    EXPECT_LT(r.error.size(), 600u);
    EXPECT_EQ(r.error.find('\x1b'), std::string::npos);
}

}  // namespace
