#pragma once
// Which draw is next on a given day: the draw after the newest stored one,
// or, when the stored draws end more than a draw day before today, the
// first draw after today by the schedule, with the draws missing between.
#include <optional>
#include <string>
#include <string_view>

#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {

struct NextDrawDate {
    int drawNo = 1;
    // By the schedule, counted on from the newest dated draw: a forecast （予定）.
    std::optional<std::string> date;
    int missingFrom = 0;  // the first draw missing from the history; 0 when none is
    int missing = 0;      // the scheduled draws from missingFrom up to today
};

// `today` is YYYY-MM-DD, or empty for the draw after the newest stored one
// whatever the day.
NextDrawDate NextDrawOn(const DrawHistory& history, const ResultHistory& results, std::string_view today,
                        const Game& game = kNumbers3);

// 「第7064回から約71回分のデータがありません。最新の当選データを取得してください」,
// or empty when nothing is missing.
std::string MissingDrawsText(const NextDrawDate& next);

}  // namespace n3
