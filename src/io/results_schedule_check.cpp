#include "io/results_schedule_check.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "core/prize_rule.h"
#include "io/draw_fit.h"

namespace n3 {

namespace {

struct DatedDraw {
    std::string date;
    bool brought = false;  // the date is the one about to be written
};

}  // namespace

std::string DrawGapName(const DrawGap& gap) {
    std::string name = "第" + std::to_string(gap.first) + "回";
    if (gap.last != gap.first) name += "〜第" + std::to_string(gap.last) + "回";
    return name;
}

ScheduleCheck CheckResultsSchedule(const ResultHistory& stored, int newestStored, const std::vector<Draw>& draws,
                                   const ResultHistory& incoming, bool replacePublished, std::string_view today,
                                   const Game& game) {
    ScheduleCheck check;
    // The published dates as they will be after the write.
    std::map<int, DatedDraw> dated;
    for (const DrawResult& r : stored)
        if (!r.date.empty() && !r.dateEstimated) dated[r.drawNo] = {r.date, false};
    for (const DrawResult& r : incoming) {
        if (r.date.empty() || r.dateEstimated) continue;
        const auto kept = dated.find(r.drawNo);
        if (kept != dated.end() && !kept->second.brought && !replacePublished) continue;
        dated[r.drawNo] = {r.date, true};
    }
    for (auto it = dated.begin(); it != dated.end(); ++it) {
        if (!it->second.brought) continue;
        DrawNeighbours around;
        if (it != dated.begin()) {
            const auto before = std::prev(it);
            around.previousNo = before->first;
            around.previousDate = before->second.date;
        }
        if (const auto after = std::next(it); after != dated.end()) {
            around.nextNo = after->first;
            around.nextDate = after->second.date;
        }
        const DrawFit fit = CheckDrawFits(it->first, it->second.date, around, today);
        if (!fit.ok()) {
            check.refusal = fit.refusal;
            return check;
        }
        if (fit.offSchedule()) check.offSchedule.push_back(fit.note);
    }
    // Draws left out after the newest stored one (a first import has none).
    if (newestStored > 0) {
        std::vector<int> numbers;
        for (const Draw& d : draws)
            if (d.drawNo > newestStored) numbers.push_back(d.drawNo);
        std::sort(numbers.begin(), numbers.end());
        int previous = newestStored;
        for (const int n : numbers) {
            if (n > previous + 1) check.gaps.push_back({previous + 1, n - 1});
            previous = std::max(previous, n);
        }
    }
    // Prizes against the rule, where the draw's digits come with them: a
    // whole history's file holds thousands of each, so the draws are looked
    // up by number.
    std::map<int, const Draw*> drawOf;
    for (const Draw& d : draws)
        if (d.complete(game)) drawOf[d.drawNo] = &d;
    for (const DrawResult& r : incoming) {
        const auto draw = drawOf.find(r.drawNo);
        if (draw == drawOf.end()) continue;
        if (const std::string breach = PrizeRuleBreach(*draw->second, r, game); !breach.empty())
            check.prizeRuleBreaches.push_back("第" + std::to_string(r.drawNo) + "回：" + breach);
    }
    return check;
}

}  // namespace n3
