#pragma once
// The start-up load: open the draw database, read the history once and
// compute the start-up statistics.
#include <string>

#include "core/history_snapshot.h"

namespace n3 {

// Opens (creating when missing) the database at `path` and loads it.
// Throws StoreError with a message for the user.
HistorySnapshot LoadHistorySnapshot(const std::string& path, const Game& game = kNumbers3);

// The folder of the running executable, without a trailing separator.
std::string ProgramFolder();
// The folder of the database and the settings file for this executable
// (beside it when portable, else the user's data folder; data_location.h).
std::string DataFolder();
// The database path in DataFolder().
std::string DefaultDatabasePath();
// The settings file path in DataFolder().
std::string DefaultSettingsPath();

}  // namespace n3
