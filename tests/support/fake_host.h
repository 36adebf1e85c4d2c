#pragma once
// The main window as a child window sees it, for tests and benchmarks that
// open one window alone: a snapshot of a given history (or of nothing), the
// database opened on first use, option flags the test sets, and a record of
// what the window asked of it.
#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "core/startup_statistics.h"
#include "platform/qt/frame/child_window.h"
#include "platform/store/database.h"

namespace n3::testing {

class FakeHost : public ChildHost {
public:
    // A host over `history`, with a database path nothing opens unless asked.
    explicit FakeHost(DrawHistory history, ResultHistory results = {}) {
        snapshot_.history = std::move(history);
        snapshot_.stats = LoadStartupStatistics(snapshot_.history);
        snapshot_.results = std::move(results);
    }
    // A host whose windows read and write the database at `databasePath`;
    // its snapshot is empty.
    explicit FakeHost(std::string databasePath) : path_(std::move(databasePath)) {}

    void setEntryFree(bool value) override {
        entryFree_ = value;
        entryFreeWrites.push_back(value);
    }
    bool entryFree() const override { return entryFree_; }
    const HistorySnapshot& snapshot() const override { return snapshot_; }
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
    HistorySnapshot snapshot_;
    std::string path_ = "test.db";
    bool entryFree_ = true;
};

}  // namespace n3::testing
