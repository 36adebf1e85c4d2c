#pragma once
// "update --recheck N..M": the stored draws from N to M fetched again. Each
// file is checked as an update checks it; where it differs from the
// database (digits, date, prizes) the difference is reported, and the
// draw takes the file's digits, date and prizes only when the request says
// so. At most request.maxFiles draws a run; the rest are counted.
#include <string>

#include "platform/net/draw_updater.h"

namespace n3 {

// `folder` is the checked, normalised source address.
UpdateOutcome RecheckDraws(Database& database, const std::string& folder, HttpClient& http, const UpdateEvents& events,
                           const UpdateRequest& request, const std::string& today);

}  // namespace n3
