#pragma once
// The first start: a new database file appears complete or not at all.
// The schema is written into a temporary file beside the target, which is
// renamed into place only when it is complete; a kill or a full disk on
// the way leaves no file at the target (the temporary is removed on the
// next attempt). An empty (0-byte) file at the target, left by an earlier
// program or tool, counts as no database yet and is replaced.
#include <functional>
#include <string>

struct sqlite3;

namespace n3 {

// True when `path` names a file of more than 0 bytes (links followed).
bool HoldsDatabaseFile(const std::string& path);

// Creates the database at `path`: `writeSchema` is called with a connection
// to the temporary file and throws StoreError when it fails. Throws
// StoreError naming `path` when the file cannot be made.
void CreateDatabaseFile(const std::string& path, const std::function<void(sqlite3*)>& writeSchema);

}  // namespace n3
