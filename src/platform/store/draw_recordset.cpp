#include "platform/store/draw_recordset.h"

#include <sqlite3.h>

#include "platform/store/draw_store.h"

namespace n3 {

void DrawRecordset::Open(const std::string& queryText, const std::string& connectString) {
    Release();
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(connectString.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string reason = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw StoreError("データベースを開けません。\n理由：" + reason);
    }
    sqlite3_busy_timeout(db, 2000);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, queryText.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        const std::string reason = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw StoreError("当選データを読み込めません。\n理由：" + reason);
    }
    const int n = sqlite3_column_count(stmt);
    for (int i = 0; i < n; ++i) columns_.emplace_back(sqlite3_column_name(stmt, i));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        auto& row = rows_.emplace_back(std::size_t(n));
        for (int i = 0; i < n; ++i)
            if (sqlite3_column_type(stmt, i) == SQLITE_INTEGER)
                row[std::size_t(i)] = sqlite3_column_int(stmt, i);
    }
    const std::string reason = rc == SQLITE_DONE ? "" : sqlite3_errmsg(db);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (!reason.empty()) {
        Release();
        throw StoreError("当選データを読み込めません。\n理由：" + reason);
    }
    open_ = true;
    position_ = 0;
}

std::optional<int> DrawRecordset::Field(std::string_view column) const {
    if (EndOfRows()) return std::nullopt;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i] == column) return rows_[position_][i];
    return std::nullopt;
}

void DrawRecordset::Release() {
    open_ = false;
    columns_.clear();
    rows_.clear();
    position_ = 0;
}

}  // namespace n3
