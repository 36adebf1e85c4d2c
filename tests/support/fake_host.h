#pragma once
// The main window as a child window sees it, for tests and benchmarks that
// open one window alone: a snapshot of a given history (or of nothing), the
// database opened on first use, option flags the test sets, and a record of
// what the window asked of it.
#include <QCoreApplication>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/startup_statistics.h"
#include "platform/qt/common/child_window.h"
#include "platform/store/database.h"
#include "temp_dir.h"
#include "tickets/ticket.h"

namespace n3::testing {

class FakeHost : public ChildHost {
public:
    // A host over `history`, with a database path nothing opens unless asked.
    explicit FakeHost(DrawHistory history, ResultHistory results = {}) {
        replaceHistory(std::move(history), std::move(results));
    }
    // A host whose windows read and write the database at `databasePath`;
    // its snapshot is empty.
    explicit FakeHost(std::string databasePath) : path_(std::move(databasePath)) {}

    void setEntryFree(bool value) override {
        entryFree_ = value;
        entryFreeWrites.push_back(value);
    }
    bool entryFree() const override { return entryFree_; }
    // The history given, for its game; an empty history for another game.
    const HistorySnapshot& snapshotOf(const Game& game) const override { return *sharedSnapshotOf(game); }
    std::shared_ptr<const HistorySnapshot> sharedSnapshotOf(const Game& game) const override {
        if (snapshot_->game == &game) return snapshot_;
        auto& empty = emptyOf_[game.id];
        if (!empty) {
            auto none = std::make_shared<HistorySnapshot>();
            none->game = &game;
            empty = std::move(none);
        }
        return empty;
    }
    // A new snapshot, as the main window takes one after a change; work
    // still running keeps the one it started with.
    void replaceHistory(DrawHistory history, ResultHistory results = {}, const Game& game = kNumbers3) {
        auto next = std::make_shared<HistorySnapshot>();
        next->game = &game;
        next->history = std::move(history);
        next->stats = LoadStartupStatistics(next->history, game);
        next->results = std::move(results);
        snapshot_ = std::move(next);
    }
    Database& database() override {
        if (!database_) database_ = Database::Open(path_, false);
        return *database_;
    }
    const std::string& databasePath() const { return path_; }
    OptionFlags optionFlags() const override { return flags; }
    void yieldOnce() override {
        ++yields;
        if (yieldRunsEvents) QCoreApplication::processEvents();
    }

    OptionFlags flags{};
    bool yieldRunsEvents = true;  // let window messages run when the window yields
    std::vector<bool> entryFreeWrites;
    int yields = 0;
    std::unique_ptr<Database> database_;

private:
    std::shared_ptr<const HistorySnapshot> snapshot_ = std::make_shared<HistorySnapshot>();
    mutable std::map<int, std::shared_ptr<const HistorySnapshot>> emptyOf_;
    std::string path_ = "test.db";
    bool entryFree_ = true;
};

// A host over `history` whose database is created on first use in a
// temporary folder of its own, and that records the tickets a window hands
// to the book ("購入記録に追加").
class NumberHost : public FakeHost {
public:
    explicit NumberHost(DrawHistory history) : FakeHost(std::move(history)) {}
    ~NumberHost() override { database_.reset(); }  // closed before its folder goes
    Database& database() override {
        if (!database_) database_ = Database::Open(dir_.file("n3.db"));
        return *database_;
    }
    void openTicketDraft(const Purchase& ticket) override { drafts.push_back(ticket); }

    std::vector<Purchase> drafts;

private:
    TempDir dir_;
};

}  // namespace n3::testing
