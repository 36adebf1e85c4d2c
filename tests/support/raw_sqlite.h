#pragma once
// Store tests that look at or build a database file behind the program's
// back: plain SQLite calls, and the layout of version 1 as old files hold it.
#include <sqlite3.h>

#include <fstream>
#include <iterator>
#include <string>

namespace n3::testing {

// The layout of version 1, with three draws (draw 3 lacks its 第2数字).
inline constexpr const char* kVersion1 = R"sql(
CREATE TABLE 当選データ (
  回数    INTEGER PRIMARY KEY CHECK (回数 BETWEEN 1 AND 32767),
  第1数字 INTEGER CHECK (第1数字 IS NULL OR (typeof(第1数字) = 'integer' AND 第1数字 BETWEEN 0 AND 9)),
  第2数字 INTEGER CHECK (第2数字 IS NULL OR (typeof(第2数字) = 'integer' AND 第2数字 BETWEEN 0 AND 9)),
  第3数字 INTEGER CHECK (第3数字 IS NULL OR (typeof(第3数字) = 'integer' AND 第3数字 BETWEEN 0 AND 9))
);
CREATE VIEW 全データ選択クエリ AS SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 当選データ;
INSERT INTO 当選データ VALUES (1, 1, 9, 1), (2, 9, 8, 8), (3, 1, NULL, 4);
PRAGMA user_version = 1;
)sql";

// Runs SQL on the file (creating it when missing); SQLite's result code.
inline int RawExec(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
}

// The first column of the first row, as text ("" for none).
inline std::string RawValue(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* stmt = nullptr;
    std::string value;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW &&
        sqlite3_column_text(stmt, 0))
        value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return value;
}

// The file's bytes ("" when it cannot be read).
inline std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace n3::testing
