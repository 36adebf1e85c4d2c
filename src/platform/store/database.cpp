#include "platform/store/database.h"

#include <sqlite3.h>

namespace n3 {

Database::Database(DrawStore draws)
    : draws_(std::move(draws)), tickets_(TicketStore::On(draws_)), strategies_(draws_.connection()) {}

std::unique_ptr<Database> Database::Open(const std::string& path, bool createIfMissing) {
    return std::unique_ptr<Database>(new Database(DrawStore::Open(path, createIfMissing)));
}

void Database::CheckStillThere() const {
    int moved = 0;
    if (sqlite3_file_control(draws_.connection(), "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved)
        throw StoreError("データベースファイル「" + path() + "」が見つかりません。");
}

HistorySnapshot Database::ReadSnapshot() const {
    HistorySnapshot snapshot;
    snapshot.history = draws_.ReadHistory();
    snapshot.results = ReadResults(draws_);
    snapshot.stats = LoadStartupStatistics(snapshot.history);
    return snapshot;
}

ResultImport Database::Import(const std::vector<Draw>& draws, const ResultHistory& results, bool replaceDiffering,
                              bool replaceResults) {
    return ImportDrawsAndResults(draws_, draws, results, replaceDiffering,
                                 replaceResults ? ResultMerge::WholeRows : ResultMerge::FileFirst);
}

}  // namespace n3
