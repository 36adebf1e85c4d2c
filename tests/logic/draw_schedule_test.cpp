// The draw calendar: weekdays only, public holidays included, nothing
// from 31 December to 3 January; month, year and leap-day turns.
#include <gtest/gtest.h>

#include "core/draw_schedule.h"

using namespace n3;

namespace {

struct DateCase {
    const char* after;
    std::optional<std::string> next;
};

class ScheduledDrawDateRule : public ::testing::TestWithParam<DateCase> {};

}  // namespace

TEST_P(ScheduledDrawDateRule, GivesTheNextDrawDay) {
    EXPECT_EQ(NextScheduledDrawDate(GetParam().after), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Dates, ScheduledDrawDateRule,
                         ::testing::Values(DateCase{"2025-03-03", "2025-03-04"},  // Monday → Tuesday
                                           DateCase{"2025-03-07", "2025-03-10"},  // Friday → Monday
                                           DateCase{"2025-03-08", "2025-03-10"},  // Saturday → Monday
                                           DateCase{"2025-03-09", "2025-03-10"},  // Sunday → Monday
                                           DateCase{"2021-12-30", "2022-01-04"},  // 12/30 → 1/4 over the New Year break
                                           DateCase{"2026-12-30", "2027-01-04"},  // the break, then Monday
                                           DateCase{"2024-12-27", "2024-12-30"},  // Friday before the break
                                           DateCase{"2024-02-28", "2024-02-29"},  // leap day
                                           DateCase{"2024-02-29", "2024-03-01"},  // after the leap day
                                           DateCase{"2023-02-28", "2023-03-01"},  // no leap day
                                           DateCase{"2100-02-26",
                                                    "2100-03-01"},  // a century without leap day, over a weekend
                                           DateCase{"2025-04-30", "2025-05-01"},  // a public holiday is a draw day
                                           DateCase{"2025-02-30", std::nullopt},  // not a date
                                           DateCase{"2025-3-3", std::nullopt}, DateCase{"", std::nullopt}));

TEST(Weekdays, NamesOfKnownDates) {
    EXPECT_EQ(WeekdayName("2025-03-07"), "金");
    EXPECT_EQ(WeekdayName("2000-01-01"), "土");
    EXPECT_EQ(WeekdayName("2024-02-29"), "木");
    EXPECT_EQ(WeekdayName("nonsense"), "");
    EXPECT_EQ(WeekdayName("1970-01-01"), "木");
}

// Steps over several draws cross a weekend and the New Year break exactly as
// repeated single steps do.
TEST(ScheduledDrawDates, StepsEqualRepeatedSingleSteps) {
    EXPECT_EQ(ScheduledDrawDateAfter("2026-12-28", 3), "2027-01-04");  // Mon 12/28 → 29, 30, then 1/4
    EXPECT_EQ(ScheduledDrawDateAfter("2026-08-20", 2), "2026-08-24");  // Thursday → Friday → Monday
    std::string date = "2003-12-24";
    for (int i = 0; i < 400; ++i) date = *NextScheduledDrawDate(date);
    EXPECT_EQ(ScheduledDrawDateAfter("2003-12-24", 400), date);
    EXPECT_EQ(ScheduledDrawDateAfter("2026-08-20", 0), std::nullopt);
    EXPECT_EQ(ScheduledDrawDateAfter("2026-02-30", 1), std::nullopt);
}

TEST(ScheduledDrawDates, ScheduleHoldsWeekdaysOutsideTheBreak) {
    EXPECT_TRUE(OnDrawSchedule(std::string(kScheduleFirstDate)));  // a Thursday
    EXPECT_TRUE(OnDrawSchedule("2025-04-29"));                     // a public holiday
    EXPECT_FALSE(OnDrawSchedule("2025-03-08"));                    // Saturday
    EXPECT_FALSE(OnDrawSchedule("2025-03-09"));                    // Sunday
    EXPECT_FALSE(OnDrawSchedule("2025-12-31"));                    // Wednesday in the break
    EXPECT_FALSE(OnDrawSchedule("2026-01-02"));                    // Friday in the break
    EXPECT_TRUE(OnDrawSchedule("2026-01-05"));
    EXPECT_FALSE(OnDrawSchedule("2026-13-01"));
    EXPECT_TRUE(IsCalendarDate("2024-02-29"));
    EXPECT_FALSE(IsCalendarDate("2023-02-29"));
}
