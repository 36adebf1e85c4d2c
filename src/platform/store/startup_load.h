#pragma once
// The start-up load: open the draw database, walk the history once and
// compute the start-up statistics.
#include <string>

#include "platform/store/draw_recordset.h"
#include "shell/global_bas.h"

namespace n3 {

struct HistorySnapshot {
    std::string ConnectString;
    DrawHistory history;  // the rows of DrawRecordset, in order
    StartupStatistics stats;
};

// Opens (creating when missing) the database at `path` and loads it.
// Throws StoreError with a message for the user.
HistorySnapshot LoadHistorySnapshot(const std::string& path);

// The folder of the running executable, without a trailing separator.
std::string ProgramFolder();
// The database path beside the executable.
std::string DefaultDatabasePath();

}  // namespace n3
