#pragma once
// The first start: on an empty database the program offers the history and
// results that ship with it, with Yes as the default answer. No leaves the
// database empty, and the question comes again at the next start.
#include <string>

namespace n3 {
class Database;
}

class QWidget;

namespace n3 {

// Asks and imports when the database at `databasePath` holds no draw and
// `folder` holds the shipped files. Returns true when it imported.
bool OfferBundledHistory(QWidget* parent, Database& database, const std::string& folder);

// The first start after the database was upgraded from an earlier version:
// the shipped results fill in what its draws lack (no draw, ticket or
// strategy is touched), and a message says what was added and which stored
// figures differ from the shipped ones (kept). Returns true when it wrote.
bool FillInBundledResults(QWidget* parent, Database& database, const std::string& folder);

}  // namespace n3
