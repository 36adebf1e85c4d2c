// 曜日・月別分析: which draws count, the counts by weekday and month, the
// χ² tests of independence worked out by hand, the null tests and the
// notes for missing dates, on small histories built here.
#include <gtest/gtest.h>

#include <boost/math/distributions/chi_squared.hpp>

#include "analysis/calendar_digits.h"
#include "analysis/calendar_digits_window.h"
#include "app/cli/window_json.h"
#include "make_result.h"
#include "test_history.h"

using namespace n3;
using n3::testing::history;

namespace {

using n3::testing::Dated;

// The date `days` after Monday 2024-01-01.
std::string DateAfter(int days) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int year = 2024, month = 1, day = 1 + days;
    for (;;) {
        const bool leap = year % 4 == 0;
        const int inMonth = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
        if (day <= inMonth) break;
        day -= inMonth;
        if (++month > 12) month = 1, ++year;
    }
    char date[48];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
    return date;
}

double BoostUpperTail(double chi2, int df) {
    return boost::math::cdf(boost::math::complement(boost::math::chi_squared_distribution<double>(df), chi2));
}

// 1: 123 Mon 2024-01-01, 2: 145 Tue 2024-01-02, 3: 216 Mon 2024-01-08,
// 4: 777 Mon 2024-02-05 (so Monday has first digits 1, 2, 7),
// 5: 2?? incomplete, 6: 999 without a date, 7: 888 estimated date,
// 8: 555 "2024-02-30" (no such day), 10: 231 Tue 2024-03-05 (9 is a hole).
const DrawHistory kHistory = history({{1, 1, 2, 3},
                                      {2, 1, 4, 5},
                                      {3, 2, 1, 6},
                                      {4, 7, 7, 7},
                                      {5, 2, -1, 3},
                                      {6, 9, 9, 9},
                                      {7, 8, 8, 8},
                                      {8, 5, 5, 5},
                                      {10, 2, 3, 1}});

ResultHistory Results() {
    return {Dated(1, "2024-01-01"), Dated(2, "2024-01-02"),       Dated(3, "2024-01-08"), Dated(4, "2024-02-05"),
            Dated(5, "2024-02-06"), Dated(7, "2024-02-08", true), Dated(8, "2024-02-30"), Dated(10, "2024-03-05")};
}

}  // namespace

TEST(CalendarDigits, CountsOnlyCompleteDrawsWithAPublishedRealDate) {
    const CalendarFigures f = TallyCalendar(kHistory, Results(), {});
    EXPECT_EQ(f.draws, 5);
    EXPECT_EQ(f.undated, 1);              // draw 6
    EXPECT_EQ(f.estimated, 1);            // draw 7
    EXPECT_EQ(f.badDate, 1);              // draw 8
    EXPECT_EQ(f.coverage.incomplete, 1);  // draw 5
    EXPECT_EQ(f.coverage.holes, 1);       // draw 9
    ASSERT_EQ(f.weekdays.size(), 2u);
    EXPECT_EQ(f.weekdays[0].key, 0);  // 月
    EXPECT_EQ(f.weekdays[0].draws, 3);
    EXPECT_EQ(f.weekdays[1].key, 1);  // 火
    EXPECT_EQ(f.weekdays[1].draws, 2);
    // Monday's first digits 1, 2, 7; second 2, 1, 7; third 3, 6, 7.
    EXPECT_EQ(f.weekdays[0].digits[0][1], 1);
    EXPECT_EQ(f.weekdays[0].digits[0][2], 1);
    EXPECT_EQ(f.weekdays[0].digits[0][7], 1);
    EXPECT_EQ(f.weekdays[0].digits[2][6], 1);
    // Tuesday: 145 and 231.
    EXPECT_EQ(f.weekdays[1].digits[0][1], 1);
    EXPECT_EQ(f.weekdays[1].digits[0][2], 1);
    EXPECT_EQ(f.weekdays[1].digits[1][4], 1);
    ASSERT_EQ(f.months.size(), 3u);
    EXPECT_EQ(f.months[0].key, 1);
    EXPECT_EQ(f.months[0].draws, 3);
    EXPECT_EQ(f.months[1].key, 2);
    EXPECT_EQ(f.months[1].draws, 1);
    EXPECT_EQ(f.months[2].key, 3);
    EXPECT_EQ(f.months[2].draws, 1);
}

TEST(CalendarDigits, IndependenceTestByHand) {
    // First digits: Monday 1, 1, 2 and Tuesday 2. Columns 1 and 2 only.
    // Expected Monday 1.5, 1.5; Tuesday 0.5, 0.5. χ² = 2(0.25/1.5) + 2(0.25/0.5) = 4/3, df 1.
    const CalendarFigures f = TallyCalendar(
        history({{1, 1, 0, 0}, {2, 1, 0, 0}, {3, 2, 0, 0}, {4, 2, 0, 0}}),
        {Dated(1, "2024-01-01"), Dated(2, "2024-01-08"), Dated(3, "2024-01-15"), Dated(4, "2024-01-16")}, {});
    const CalendarTest& t = f.tests[0];
    EXPECT_EQ(t.name, "曜日×第1数字");
    ASSERT_TRUE(t.chi2);
    EXPECT_NEAR(*t.chi2, 4.0 / 3.0, 1e-12);
    EXPECT_EQ(t.df, 1);
    EXPECT_NEAR(*t.p, BoostUpperTail(4.0 / 3.0, 1), 1e-12);
    EXPECT_TRUE(t.rough);
    // The second and third digits are all 0: one column, no test; one month, no month test.
    EXPECT_FALSE(f.tests[1].chi2);
    EXPECT_FALSE(f.tests[2].p);
    for (int i = 3; i < 6; ++i) EXPECT_FALSE(f.tests[std::size_t(i)].df) << i;
    // One test ran: adjustedP = min(1, p × 1).
    EXPECT_DOUBLE_EQ(*t.adjustedP, *t.p);
    EXPECT_EQ(f.tests[3].name, "月×第1数字");
    EXPECT_EQ(f.tests[5].name, "月×第3数字");
}

TEST(CalendarDigits, AdjustedPCountsEveryTestThatRan) {
    const DrawHistory h = n3::testing::generatedHistory(400, 11);
    ResultHistory results;
    // Mondays to Fridays from 2024-01-01, one draw a weekday.
    for (int n = 1, days = 0; n <= 400; ++days)
        if (days % 7 < 5) results.push_back(Dated(n++, DateAfter(days)));
    const CalendarFigures f = TallyCalendar(h, results, {});
    EXPECT_EQ(f.draws, 400);
    EXPECT_EQ(f.weekdays.size(), 5u);
    for (const CalendarTest& t : f.tests) {
        ASSERT_TRUE(t.p) << t.name;
        EXPECT_DOUBLE_EQ(*t.adjustedP, std::min(1.0, *t.p * 6)) << t.name;
    }
    EXPECT_EQ(f.tests[0].df, 4 * 9);
    EXPECT_EQ(f.tests[3].df, int(f.months.size() - 1) * 9);
    // The same test from its own rows agrees.
    EXPECT_DOUBLE_EQ(*IndependenceTest("x", f.months, 2).chi2, *f.tests[5].chi2);
}

TEST(CalendarDigits, RangeCountsOnlyItsDraws) {
    const CalendarFigures f = TallyCalendar(kHistory, Results(), {2, 4});
    EXPECT_EQ(f.draws, 3);
    EXPECT_EQ(f.weekdays[0].draws, 2);  // 3 and 4 are Mondays
    EXPECT_EQ(f.weekdays[1].draws, 1);
}

TEST(CalendarDigits, NoDatedDrawSaysSo) {
    const DrawHistory h = history({{1, 1, 2, 3}, {2, 4, 5, 6}});
    const ResultHistory estimated = {Dated(1, "2024-01-01", true)};
    const WindowContent content = 曜日月別分析::Content(WindowInput{h, {}, estimated, {}, {}, std::nullopt});
    EXPECT_EQ(content.headline, "抽せん日のある回がありません");
    ASSERT_EQ(content.views.size(), 3u);
    EXPECT_EQ(content.views[0].caption, "曜日");
    EXPECT_EQ(content.views[1].caption, "月");
    EXPECT_EQ(content.views[2].caption, "検定");
    EXPECT_EQ(content.grid().text(1, 5), "抽せん日のある回がありません");
    EXPECT_NE(content.grid().text(1, 2).find("抽せん日のない回 1 回・抽せん日が予定の回 1 回"), std::string::npos);
    const std::string json = WindowJsonMembers(content);
    EXPECT_NE(json.find("\"calendar\": {\"draws\": 0, \"weekdays\": [], \"months\": [], \"tests\": ["),
              std::string::npos);
    EXPECT_NE(json.find("{\"name\": \"曜日×第1数字\", \"chi2\": null, \"df\": null, \"p\": null, \"adjustedP\": null}"),
              std::string::npos);
}

TEST(CalendarDigits, HeadlineNamesTheTestsThatAreNotChance) {
    // Every Monday draws 111, every Tuesday 222, for twenty weeks.
    DrawHistory h;
    ResultHistory results;
    for (int week = 0; week < 20; ++week)
        for (int d = 0; d < 2; ++d) {
            Draw draw;
            draw.drawNo = week * 2 + d + 1;
            draw.digits = {d + 1, d + 1, d + 1};
            h.push_back(draw);
            results.push_back(Dated(draw.drawNo, DateAfter(week * 7 + d)));
        }
    const CalendarFigures f = TallyCalendar(h, results, {});
    const std::string headline = 曜日月別分析::Headline(f);
    EXPECT_EQ(headline.rfind("偶然とは言いにくい偏りがあります：曜日×第1数字（補正p値 ", 0), 0u) << headline;
    EXPECT_NE(headline.find("曜日×第3数字"), std::string::npos);
    EXPECT_EQ(headline.find("月×"), std::string::npos);
}

TEST(CalendarDigits, NoBiasHeadline) {
    const CalendarFigures f = TallyCalendar(kHistory, Results(), {});
    EXPECT_EQ(曜日月別分析::Headline(f), "曜日・月による数字の偏りは偶然と区別できません");
}

TEST(CalendarDigits, ReadsOnlyRealDays) {
    EXPECT_TRUE(ParseCalendarDay("2024-02-29"));
    EXPECT_FALSE(ParseCalendarDay("2023-02-29"));
    EXPECT_FALSE(ParseCalendarDay("2024-13-01"));
    EXPECT_FALSE(ParseCalendarDay("2024-04-31"));
    EXPECT_FALSE(ParseCalendarDay("2024/01/01"));
    EXPECT_FALSE(ParseCalendarDay("abcd-ef-gh"));
    EXPECT_FALSE(ParseCalendarDay(""));
    EXPECT_EQ(ParseCalendarDay("2000-02-29")->day, 29);
}
