#pragma once
// One prepared SQLite statement and the reasons SQLite gives, worded for the
// user: what every store of this folder runs its SQL through.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace n3 {

// Why the last call on `db` failed, in Japanese. Locks and write protection
// name the database file; a refused CHECK says `constraintText`.
std::string StoreReason(sqlite3* db, std::string_view constraintText = "値が範囲外です");

// Runs `sql` (several statements may follow each other); throws StoreError.
void ExecSql(sqlite3* db, const char* sql, std::string_view constraintText = "値が範囲外です");

class SqlStatement {
public:
    // Throws StoreError when the statement cannot be prepared.
    SqlStatement(sqlite3* db, const char* sql, std::string_view constraintText = "値が範囲外です");
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    // Parameters count from 1; nullopt binds NULL.
    void bind(int i, std::optional<std::int64_t> value);
    void bind(int i, const std::string& text);
    // An empty text binds NULL.
    void bindTextOrNull(int i, const std::string& text);
    // SQLITE_ROW: true, SQLITE_DONE: false, anything else throws StoreError.
    bool step();
    void reset();
    sqlite3_stmt* handle() const { return stmt_; }

    // Columns count from 0. Integers are read as 64 bits: a value beyond
    // int is no value for column(), never a cut one.
    std::optional<int> column(int i) const;
    std::optional<std::int64_t> number(int i) const;
    std::int64_t integer(int i) const;
    std::string text(int i) const;  // empty for NULL

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    std::string constraintText_;
};

}  // namespace n3
