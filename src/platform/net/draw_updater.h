#pragma once
// "最新の当選データを取得": reads the bank's index, then fetches each draw
// the store lacks, one at a time in ascending order, checks it and stores
// it with its results in one transaction. A failure stops the run at that
// draw; the draws stored before it stay.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/net/http_client.h"
#include "platform/store/database.h"

namespace n3 {

struct UpdateEvents {
    // Before each draw's file is fetched: `done` of `total` stored so far.
    std::function<void(int done, int total, int drawNo)> progress;
    // Asked between and during requests; true ends the run, keeping what was stored.
    std::function<bool()> cancelled;
    // A fetched draw whose digits differ from the stored ones: true replaces
    // them. Without an answer the run stops there.
    std::function<bool(const DigitConflict&)> replaceDiffering;
    // After each draw is stored.
    std::function<void(const Draw& draw, const std::string& date)> stored;
};

struct UpdateOutcome {
    enum class Status { NothingNew, Stored, Failed, Cancelled };
    Status status = Status::Failed;
    std::vector<int> storedDraws;           // ascending
    int results = 0;                        // of them, draws stored with a date or prizes
    std::optional<DigitConflict> conflict;  // the draw the run stopped at, when that was the reason
    // The summary ("第7054回〜第7060回の7回分を取り込みました…"), the nothing-new
    // text, or the reason it stopped followed by what was stored before.
    std::string message;
    bool failed() const { return status == Status::Failed; }
};

// `source` is the folder holding numbers.csv and the A100NNNN.CSV files.
UpdateOutcome UpdateDraws(Database& database, const std::string& source, HttpClient& http,
                          const UpdateEvents& events = {});

}  // namespace n3
