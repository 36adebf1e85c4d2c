#pragma once
// The one check every path into the results passes before it writes: the
// dates a file (or a typed row) brings are checked against the published
// dates around them, stored or brought along, as a fetched draw is
// (io/draw_fit.h), and the draws it leaves out after the newest stored one
// are named. A date that cannot be (out of order, not yet come, before the
// first draw) refuses the whole write; a date off the draw schedule or a
// gap is stored only when the user allows it, and then named in the summary.
#include <string>
#include <string_view>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {

struct DrawGap {
    int first = 0;  // the first draw missing
    int last = 0;   // the last draw missing
};

struct ScheduleCheck {
    std::string refusal;                   // the first date that cannot be; empty when none
    std::vector<std::string> offSchedule;  // each date off the schedule, named with the scheduled one
    std::vector<DrawGap> gaps;             // draws missing between the newest stored and the file's
    // Each incoming draw whose prizes break the prize rule (core/prize_rule.h),
    // named: stored all the same, since published amounts are facts.
    std::vector<std::string> prizeRuleBreaches;
    bool ok() const { return refusal.empty(); }
};

// `stored`: the results stored now (ascending, as the store reads them);
// `newestStored`: the highest stored draw number (0 for none); `draws` and
// `incoming`: what is about to be written. Without `replacePublished` a
// published stored date is kept, so the file's date for it is not checked.
// `today` YYYY-MM-DD.
ScheduleCheck CheckResultsSchedule(const ResultHistory& stored, int newestStored, const std::vector<Draw>& draws,
                                   const ResultHistory& incoming, bool replacePublished, std::string_view today,
                                   const Game& game = kNumbers3);

// The missing draws as the user reads them: "第7054回〜第7059回" or "第7054回".
std::string DrawGapName(const DrawGap& gap);

}  // namespace n3
