#include "platform/store/database.h"

#include <sqlite3.h>

namespace n3 {

Database::Database(DrawStore draws)
    : draws_(std::move(draws)), tickets_(TicketStore::On(draws_)), strategies_(draws_.connection()) {
    for (const Game* game : kGames)
        if (game->id != draws_.game().id) otherGames_.push_back(DrawStore::Beside(draws_, *game));
}

DrawStore& Database::draws(const Game& game) {
    for (DrawStore& store : otherGames_)
        if (store.game().id == game.id) return store;
    return draws_;
}

const DrawStore& Database::draws(const Game& game) const {
    for (const DrawStore& store : otherGames_)
        if (store.game().id == game.id) return store;
    return draws_;
}

std::unique_ptr<Database> Database::Open(const std::string& path, bool createIfMissing) {
    return std::unique_ptr<Database>(new Database(DrawStore::Open(path, createIfMissing)));
}

void Database::CheckStillThere() const {
    int moved = 0;
    if (sqlite3_file_control(draws_.connection(), "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved)
        throw StoreError("データベースファイル「" + path() + "」が見つかりません。");
}

HistorySnapshot Database::ReadSnapshot(const Game& game) const {
    const DrawStore& store = draws(game);
    HistorySnapshot snapshot;
    snapshot.game = &store.game();
    snapshot.history = store.ReadHistory();
    snapshot.results = n3::ReadResults(store);
    snapshot.stats = LoadStartupStatistics(snapshot.history, store.game());
    return snapshot;
}

ResultHistory Database::ReadResults(const Game& game) const { return n3::ReadResults(draws(game)); }

ResultImport Database::Import(const std::vector<Draw>& draws, const ResultHistory& results, bool replaceDiffering,
                              bool replaceResults, const Game& game) {
    return ImportDrawsAndResults(this->draws(game), draws, results, replaceDiffering,
                                 replaceResults ? ResultMerge::WholeRows : ResultMerge::FileFirst);
}

}  // namespace n3
