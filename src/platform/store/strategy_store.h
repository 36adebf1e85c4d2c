#pragma once
// The player's named strategies, in the table 買い方 of the draw database,
// so they travel with the history. The CHECK constraints keep every row
// within what the window can show and edit.
#include <cstdint>
#include <vector>

#include "core/strategy.h"

struct sqlite3;

namespace n3 {

// The schema step that adds the table (one entry of SchemaSteps()): run
// once, inside the upgrade's transaction, when the database moves on to
// kStrategySchemaVersion. The step creates the table and nothing else.
inline constexpr int kStrategySchemaVersion = 5;

// What the table may hold: a file past these bounds (written by another
// tool) is refused when it is read, and Add stops at the count.
inline constexpr int kMaxStrategies = 100;
inline constexpr int kMaxStrategyNameChars = 100;
extern const char* const kStrategyTableSql;

class StrategyStore {
public:
    // The strategies on an open connection, which must outlive the store.
    explicit StrategyStore(sqlite3* db) : db_(db) {}

    // Every strategy in the order it was stored. Throws StoreError naming
    // the table when it holds more than kMaxStrategies rows or a row past
    // the columns' bounds; no more than that is ever read.
    std::vector<Strategy> ReadAll() const;
    // Stores a new strategy and returns its id. Throws StoreError with the
    // reason (StrategyError's words) for a strategy that cannot be tested,
    // and when kMaxStrategies are stored already.
    std::int64_t Add(const Strategy& s);
    // Rewrites the strategy with s.id.
    void Update(const Strategy& s);
    void Remove(std::int64_t id);

private:
    sqlite3* db_;
};

}  // namespace n3
