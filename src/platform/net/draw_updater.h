#pragma once
// "最新の当選データを取得": reads the bank's index, then fetches each draw
// the store lacks, one at a time in ascending order, checks it (the file,
// and how it fits the draws stored around it: io/draw_fit.h) and stores it
// with its results in one transaction. A failure stops the run at that
// draw; the draws stored before it stay. A run fetches at most
// kMaxFilesPerUpdate files and says how many remain; a draw more than
// kMaxDrawGap past the newest stored one is asked about first.
//
// A recheck fetches stored draws again and reports where the bank's file
// differs from the database, replacing them only when asked.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "io/draw_update_index.h"
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
    // The index lists a draw more than kMaxDrawGap past the newest stored
    // one: true fetches it and those after it. Without an answer the run
    // stops before it.
    std::function<bool(int newestStored, int drawNo)> allowGap;
    // A fetched draw whose date is off the draw schedule (`note` names it
    // and the scheduled date): true stores it. Without an answer the run
    // stops before it.
    std::function<bool(const std::string& note)> allowOffSchedule;
};

struct UpdateRequest {
    // Stored draws to fetch again and compare ("update --recheck N..M").
    std::optional<std::pair<int, int>> recheck;
    // With recheck: the differing draws take the file's digits, date and prizes.
    bool replaceRechecked = false;
    int maxFiles = kMaxFilesPerUpdate;
    std::string today;  // YYYY-MM-DD; empty for the computer's date
};

struct UpdateOutcome {
    enum class Status { NothingNew, Stored, Failed, Cancelled };
    Status status = Status::Failed;
    std::vector<int> storedDraws;           // ascending
    std::vector<const Game*> games;         // the games whose draws were stored, in the order first stored
    int results = 0;                        // of them, draws stored with a date or prizes
    std::optional<DigitConflict> conflict;  // the draw the run stopped at, when that was the reason
    int gapDraw = 0;                        // the draw the run stopped before, when a gap was the reason
    int remaining = 0;                      // draws left for the next run
    std::vector<std::string> notes;         // dates off the schedule; a recheck's differences
    int differing = 0;                      // a recheck's draws that differ from the file
    // The summary ("第7054回〜第7060回の7回分を取り込みました…"), the nothing-new
    // text, or the reason it stopped followed by what was stored before.
    std::string message;
    bool failed() const { return status == Status::Failed; }
};

// `source` is the folder holding numbers.csv and the A100NNNN.CSV files.
UpdateOutcome UpdateDraws(Database& database, const std::string& source, HttpClient& http,
                          const UpdateEvents& events = {}, const UpdateRequest& request = {});

}  // namespace n3
