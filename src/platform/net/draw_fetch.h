#pragma once
// One draw's file fetched and checked, for the update and the recheck: the
// file's own checks (io/fetched_draw_file.h), then how it fits the dated
// draws stored around it (io/draw_fit.h).
#include <functional>
#include <string>

#include "core/draw_result.h"
#include "io/draw_fit.h"
#include "io/fetched_draw_file.h"
#include "platform/net/http_client.h"

namespace n3 {

struct DrawFetch {
    bool cancelled = false;
    FetchedDraw fetched;  // reason set when the file or its fit is refused
    std::string note;     // a date off the schedule: stored only when the user allows it
    bool ok() const { return !cancelled && fetched.ok(); }
};

// `folder` is the checked, normalised source address (ending in "/"). A
// file without a date is refused.
DrawFetch FetchDraw(HttpClient& http, const std::string& folder, int drawNo, const ResultHistory& stored,
                    std::string_view today, const std::function<bool()>& cancelled);

}  // namespace n3
