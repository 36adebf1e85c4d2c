#pragma once
// The start-up load: open the draw database, read the history once and
// compute the start-up statistics.
#include <string>

#include "analysis/frame/window_content.h"
#include "core/draw_result.h"
#include "core/startup_statistics.h"

namespace n3 {

struct HistorySnapshot {
    DrawHistory history;  // the rows of 全データ選択クエリ, ascending by 回数
    StartupStatistics stats;
    ResultHistory results;  // dates and prizes, where the database holds them
};

// What a window of the analysis frame reads from the snapshot.
inline WindowInput InputOf(const HistorySnapshot& snapshot, const OptionFlagArray& flags = {}, DrawRange range = {}) {
    return WindowInput{snapshot.history, snapshot.stats, snapshot.results, flags, range, std::nullopt};
}

// Opens (creating when missing) the database at `path` and loads it.
// Throws StoreError with a message for the user.
HistorySnapshot LoadHistorySnapshot(const std::string& path);

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
