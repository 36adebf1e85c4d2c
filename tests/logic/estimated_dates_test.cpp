// The dates worked out from the draw schedule for draws without a published
// date: counted on from the newest published date, across a year end and
// never from before the schedule's start (2004-07-01).
#include <gtest/gtest.h>

#include "core/estimated_dates.h"
#include "make_result.h"

namespace n3 {
namespace {

using testing::Dated;

using Estimates = std::vector<std::pair<int, std::string>>;

struct EstimateCase {
    const char* name;
    std::vector<int> draws;
    ResultHistory results;
    Estimates expected;
};
void PrintTo(const EstimateCase& c, std::ostream* out) { *out << c.name; }

class ScheduleEstimatesTest : public ::testing::TestWithParam<EstimateCase> {};

TEST_P(ScheduleEstimatesTest, GivesTheScheduleDates) {
    const EstimateCase& c = GetParam();
    EXPECT_EQ(ScheduleEstimates(c.draws, c.results), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScheduleEstimatesTest,
                         ::testing::Values(
                             // Tuesday 2025-12-30 is the last draw of the year; 12/31 to 1/3 have
                             // none, and 2026-01-05 is a Monday.
                             EstimateCase{"YearEnd",
                                          {100, 101, 102, 103},
                                          {Dated(100, "2025-12-29")},
                                          {{101, "2025-12-30"}, {102, "2026-01-05"}, {103, "2026-01-06"}}},
                             // A draw number missing from the history still counts as a draw day.
                             EstimateCase{
                                 "GapInNumbers", {200, 203}, {Dated(200, "2026-08-20")}, {{203, "2026-08-25"}}},
                             // The newest published date before each draw is the anchor; a
                             // published date later on restarts the count.
                             EstimateCase{"NewAnchor",
                                          {10, 11, 12, 13},
                                          {Dated(10, "2026-08-17"), Dated(12, "2026-09-01")},
                                          {{11, "2026-08-18"}, {13, "2026-09-02"}}},
                             // Before 2004-07-01 draws were not held every weekday: no guess.
                             EstimateCase{"BeforeTheSchedule", {1339, 1340}, {Dated(1339, "2004-06-28")}, {}},
                             // From the schedule's first day on, it holds (2004-07-01 is a Thursday).
                             EstimateCase{"FromTheScheduleStart",
                                          {1340, 1341, 1342},
                                          {Dated(1340, "2004-07-01")},
                                          {{1341, "2004-07-02"}, {1342, "2004-07-05"}}},
                             // An estimated date is worked out again, never counted from.
                             EstimateCase{"EstimatesAreNoAnchors",
                                          {5000, 5001, 5002},
                                          {Dated(5000, "2026-08-20"), Dated(5001, "2030-01-01", true)},
                                          {{5001, "2026-08-21"}, {5002, "2026-08-24"}}},
                             EstimateCase{"NothingDated", {1, 2, 3}, {}, {}}),
                         [](const ::testing::TestParamInfo<EstimateCase>& p) { return p.param.name; });

}  // namespace
}  // namespace n3
