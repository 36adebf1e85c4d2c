#pragma once
// The versions of the database's layout and the steps between them.
//
// Version 1 holds 当選データ and the view 全データ選択クエリ. Each later
// version is one entry of SchemaSteps(): the SQL that turns the previous
// version into it. Opening a file brings it to the newest version in one
// transaction, after SQLite's backup of it (taken under the write lock, the
// -wal file's commits included) went to "<file>.v<old>.bak"; a file written
// by a newer program, or holding a table of ours it should not have yet, is
// refused and left as it is.
#include <functional>
#include <string>
#include <vector>

struct sqlite3;

namespace n3 {

struct SchemaStep {
    int toVersion;    // the user_version after this step
    const char* sql;  // run inside the upgrade's transaction
    // The tables the step creates. A file that already holds one of them
    // before the step was made by another program: it is refused, named,
    // and left as it is.
    std::vector<const char*> creates = {};
};

// Ordered by toVersion, starting at 2. Adding a version is adding an entry.
const std::vector<SchemaStep>& SchemaSteps();

// The version this program writes.
int CurrentSchemaVersion();

// Turns foreign keys on for the connection and brings the file to
// CurrentSchemaVersion(). `createdNow` skips the backup copy for a file made
// by this very open. Throws StoreError (the message names the file) and
// leaves the file as it was when the file is newer than this program or a
// step fails.
void PrepareSchema(sqlite3* db, const std::string& path, bool createdNow);

// The backup copy written before upgrading from `fromVersion`.
std::string SchemaBackupPath(const std::string& path, int fromVersion);

// For tests: called inside the upgrade's transaction after each step has
// run, with the step's version. A test may throw or end the process here.
void SetSchemaStepHookForTests(std::function<void(int toVersion)> hook);

}  // namespace n3
