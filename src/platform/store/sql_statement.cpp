#include "platform/store/sql_statement.h"

#include <sqlite3.h>

#include <cerrno>
#include <climits>

#include "platform/store/store_error.h"

namespace n3 {

namespace {

// The database file as the messages name it.
std::string FileOf(sqlite3* db) {
    const char* name = sqlite3_db_filename(db, "main");
    return name && *name ? std::string("「") + name + "」" : std::string();
}

constexpr const char* kTryAgain = "もう一度お試しください。";

std::string DiskFull() {
    return std::string(
               "ディスクの空き容量が足りないため、データベースファイルに書き込めませんでした。"
               "空きを作ってから") +
           kTryAgain;
}

// SQLite's I/O results, said as what happened: a write or a read that the
// disk refused is no damage to the file, and trying again often works.
std::string IoReason(sqlite3* db, int code) {
    // The errno behind it: as SQLite kept it for the connection, or as the
    // database file kept it (a failed sync is recorded there).
    int err = sqlite3_system_errno(db);
    if (err == 0) sqlite3_file_control(db, "main", SQLITE_FCNTL_LAST_ERRNO, &err);
    if (err == ENOSPC || err == EDQUOT) return DiskFull();
    switch (code) {
    case SQLITE_IOERR_READ:
    case SQLITE_IOERR_SHORT_READ:
        return std::string("データベースファイルを読み込めませんでした（ディスクからの読み込みに失敗しました）。") +
               kTryAgain;
    case SQLITE_IOERR_WRITE:
    case SQLITE_IOERR_FSYNC:
    case SQLITE_IOERR_DIR_FSYNC:
    case SQLITE_IOERR_TRUNCATE:
    case SQLITE_IOERR_DELETE:
        return std::string("データベースファイルに書き込めませんでした（ディスクへの書き込みに失敗しました）。") +
               kTryAgain;
    default:
        return std::string("データベースファイルの読み書きに失敗しました（ディスクの読み書きの失敗）。") + kTryAgain;
    }
}

// SQLite says "corrupt" also when a read failed half-way (a short read
// leaves zeros in the page). Only a failed check of the whole file, read
// afresh through a connection of its own, says the file itself is damaged.
std::string CorruptReason(sqlite3* db) {
    const char* file = sqlite3_db_filename(db, "main");
    sqlite3* fresh = nullptr;
    std::string verdict;
    if (file && *file &&
        sqlite3_open_v2(file, &fresh, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(fresh, 1000);
        sqlite3_stmt* check = nullptr;
        if (sqlite3_prepare_v2(fresh, "PRAGMA quick_check(1)", -1, &check, nullptr) == SQLITE_OK &&
            sqlite3_step(check) == SQLITE_ROW)
            if (const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(check, 0))) verdict = text;
        sqlite3_finalize(check);
        if (verdict.empty() && (sqlite3_errcode(fresh) == SQLITE_CORRUPT || sqlite3_errcode(fresh) == SQLITE_NOTADB))
            verdict = "corrupt";
    }
    sqlite3_close(fresh);
    if (verdict == "ok")
        return std::string(
                   "データベースファイルを正しく読み込めませんでした（ファイルの検査では異常は見つかりません）。") +
               kTryAgain;
    if (!verdict.empty()) return "データベースファイルが壊れています";
    return std::string("データベースファイルを正しく読み込めませんでした（読み込みに失敗した可能性があります）。") +
           kTryAgain;
}

}  // namespace

std::string StoreReason(sqlite3* db, std::string_view constraintText) {
    const int code = sqlite3_extended_errcode(db);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "データベースファイル" + FileOf(db) + "が他のプログラムで使用中です";
    case SQLITE_READONLY: return "データベースファイル" + FileOf(db) + "が読み取り専用です";
    case SQLITE_FULL: return DiskFull();
    case SQLITE_IOERR: return IoReason(db, code);
    case SQLITE_NOTADB: return "データベースファイルではありません";
    case SQLITE_CORRUPT: return CorruptReason(db);
    case SQLITE_CANTOPEN: return "ファイルを開けません";
    case SQLITE_PERM:
    case SQLITE_AUTH: return "ファイルへのアクセス権がありません";
    case SQLITE_CONSTRAINT: return std::string(constraintText);
    default: return sqlite3_errmsg(db);
    }
}

void ExecSql(sqlite3* db, const char* sql, std::string_view constraintText) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw StoreError(StoreReason(db, constraintText));
}

SqlStatement::SqlStatement(sqlite3* db, const char* sql, std::string_view constraintText)
    : db_(db), constraintText_(constraintText) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK)
        throw StoreError(StoreReason(db, constraintText_));
}

SqlStatement::~SqlStatement() { sqlite3_finalize(stmt_); }

void SqlStatement::bind(int i, std::optional<std::int64_t> value) {
    if (value)
        sqlite3_bind_int64(stmt_, i, *value);
    else
        sqlite3_bind_null(stmt_, i);
}

void SqlStatement::bind(int i, const std::string& text) {
    sqlite3_bind_text(stmt_, i, text.data(), int(text.size()), SQLITE_TRANSIENT);
}

void SqlStatement::bindTextOrNull(int i, const std::string& text) {
    if (text.empty())
        sqlite3_bind_null(stmt_, i);
    else
        bind(i, text);
}

bool SqlStatement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw StoreError(StoreReason(db_, constraintText_));
}

void SqlStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::optional<int> SqlStatement::column(int i) const {
    const auto v = number(i);
    if (!v || *v < INT_MIN || *v > INT_MAX) return std::nullopt;
    return int(*v);
}

std::optional<std::int64_t> SqlStatement::number(int i) const {
    if (sqlite3_column_type(stmt_, i) != SQLITE_INTEGER) return std::nullopt;
    return sqlite3_column_int64(stmt_, i);
}

std::int64_t SqlStatement::integer(int i) const { return sqlite3_column_int64(stmt_, i); }

std::string SqlStatement::text(int i) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
    return p ? std::string(p, std::size_t(sqlite3_column_bytes(stmt_, i))) : std::string();
}

}  // namespace n3
