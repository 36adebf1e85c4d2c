#pragma once
// The program's one database: a single connection to the file, its layout
// brought to the newest version when it opens, and the draws, results and
// tickets as tables on that connection. Every write that commits is told to
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
    DrawStore& draws() { return draws_; }
    const DrawStore& draws() const { return draws_; }
    TicketStore& tickets() { return tickets_; }
    const TicketStore& tickets() const { return tickets_; }
    StrategyStore& strategies() { return strategies_; }
    const StrategyStore& strategies() const { return strategies_; }

    // Throws StoreError when the file was deleted or renamed since it was
    // opened: what is written then would be lost with the old file.
    void CheckStillThere() const;

    // The history (range-checked), its results and start-up statistics.
    HistorySnapshot ReadSnapshot() const;
    // Draws with their results in one transaction (result_store.h).
    ResultImport Import(const std::vector<Draw>& draws, const ResultHistory& results, bool replaceDiffering,
                        bool replaceResults = false);

    // Called after every committed write of draws, results or tickets.
    void setChangeListener(ChangeListener listener) { draws_.setChangeListener(std::move(listener)); }

private:
    explicit Database(DrawStore draws);
    DrawStore draws_;
    TicketStore tickets_;
    StrategyStore strategies_;
};

}  // namespace n3
