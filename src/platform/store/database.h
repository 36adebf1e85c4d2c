#pragma once
// The program's one database: a single connection to the file, its layout
// brought to the newest version when it opens, and the draws and results of
// each game and the tickets as tables on that connection. Every write that commits is told to
// the one change listener, which the screen relays to its windows.
#include <memory>
#include <string>
#include <vector>

#include "core/history_snapshot.h"
#include "platform/store/draw_store.h"
#include "platform/store/result_store.h"
#include "platform/store/strategy_store.h"
#include "platform/store/ticket_store.h"

namespace n3 {

class Database {
public:
    // Opens the file (creating it with an empty history when it is missing
    // and createIfMissing is set). Throws StoreError with a message for the
    // user and leaves a file it cannot use untouched.
    static std::unique_ptr<Database> Open(const std::string& path, bool createIfMissing = true);

    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::string& path() const { return draws_.path(); }
    // The first game's draws (ナンバーズ3), and any game's.
    DrawStore& draws() { return draws_; }
    const DrawStore& draws() const { return draws_; }
    DrawStore& draws(const Game& game);
    const DrawStore& draws(const Game& game) const;
    TicketStore& tickets() { return tickets_; }
    const TicketStore& tickets() const { return tickets_; }
    StrategyStore& strategies() { return strategies_; }
    const StrategyStore& strategies() const { return strategies_; }

    // Throws StoreError when the file was deleted or renamed since it was
    // opened: what is written then would be lost with the old file.
    void CheckStillThere() const;

    // The game's history (range-checked), its results and start-up statistics.
    HistorySnapshot ReadSnapshot(const Game& game = kNumbers3) const;
    // The game's results, ascending by 回数.
    ResultHistory ReadResults(const Game& game = kNumbers3) const;
    // Draws with their results of one game in one transaction (result_store.h).
    ResultImport Import(const std::vector<Draw>& draws, const ResultHistory& results, bool replaceDiffering,
                        bool replaceResults = false, const Game& game = kNumbers3);

    // Called after every committed write of draws, results or tickets, of
    // any game.
    void setChangeListener(ChangeListener listener) { draws_.setChangeListener(std::move(listener)); }

private:
    explicit Database(DrawStore draws);
    DrawStore draws_;
    // The other games' draws, on draws_'s connection, in kGames order.
    std::vector<DrawStore> otherGames_;
    TicketStore tickets_;
    StrategyStore strategies_;
};

}  // namespace n3
