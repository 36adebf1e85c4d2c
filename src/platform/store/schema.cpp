#include "platform/store/schema.h"

#include <sqlite3.h>

#include "io/file_io.h"
#include "platform/store/store_error.h"
#include "platform/store/ticket_store.h"

namespace n3 {

namespace {

// Version 2: the published results of a draw beside its digits. Every
// figure may be unknown (NULL); a draw's results go with the draw.
constexpr const char* kResultsTable = R"sql(
CREATE TABLE 当選結果 (
  回数 INTEGER PRIMARY KEY REFERENCES 当選データ (回数) ON DELETE CASCADE,
  抽せん日 TEXT CHECK (抽せん日 IS NULL OR (length(抽せん日) = 10 AND
    抽せん日 GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]')),
  ストレート口数 INTEGER CHECK (ストレート口数 IS NULL OR (typeof(ストレート口数) = 'integer' AND ストレート口数 >= 0)),
  ストレート当せん金額 INTEGER CHECK (ストレート当せん金額 IS NULL OR (typeof(ストレート当せん金額) = 'integer' AND ストレート当せん金額 >= 0)),
  ボックス口数 INTEGER CHECK (ボックス口数 IS NULL OR (typeof(ボックス口数) = 'integer' AND ボックス口数 >= 0)),
  ボックス当せん金額 INTEGER CHECK (ボックス当せん金額 IS NULL OR (typeof(ボックス当せん金額) = 'integer' AND ボックス当せん金額 >= 0)),
  セットストレート口数 INTEGER CHECK (セットストレート口数 IS NULL OR (typeof(セットストレート口数) = 'integer' AND セットストレート口数 >= 0)),
  セットストレート当せん金額 INTEGER CHECK (セットストレート当せん金額 IS NULL OR (typeof(セットストレート当せん金額) = 'integer' AND セットストレート当せん金額 >= 0)),
  セットボックス口数 INTEGER CHECK (セットボックス口数 IS NULL OR (typeof(セットボックス口数) = 'integer' AND セットボックス口数 >= 0)),
  セットボックス当せん金額 INTEGER CHECK (セットボックス当せん金額 IS NULL OR (typeof(セットボックス当せん金額) = 'integer' AND セットボックス当せん金額 >= 0)),
  ミニ口数 INTEGER CHECK (ミニ口数 IS NULL OR (typeof(ミニ口数) = 'integer' AND ミニ口数 >= 0)),
  ミニ当せん金額 INTEGER CHECK (ミニ当せん金額 IS NULL OR (typeof(ミニ当せん金額) = 'integer' AND ミニ当せん金額 >= 0))
);
)sql";

std::function<void(int)>& StepHook() {
    static std::function<void(int)> hook;
    return hook;
}

std::string Reason(sqlite3* db) {
    switch (sqlite3_extended_errcode(db) & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "データベースが他のプログラムで使用中です";
    case SQLITE_READONLY: return "データベースが読み取り専用です";
    case SQLITE_FULL: return "ディスクの空き容量が足りません";
    case SQLITE_IOERR: return "ファイルの読み書きに失敗しました";
    case SQLITE_NOTADB: return "データベースファイルではありません";
    case SQLITE_CORRUPT: return "データベースファイルが壊れています";
    default: return sqlite3_errmsg(db);
    }
}

void Exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) throw StoreError(Reason(db));
}

int UserVersion(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    int version = -1;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    if (version < 0) throw StoreError(Reason(db));
    return version;
}

}  // namespace

const std::vector<SchemaStep>& SchemaSteps() {
    static const std::vector<SchemaStep> steps = {
        {2, kResultsTable},
        {kTicketSchemaVersion, kTicketTableSql},
    };
    return steps;
}

int CurrentSchemaVersion() { return SchemaSteps().back().toVersion; }

std::string SchemaBackupPath(const std::string& path, int fromVersion) {
    return path + ".v" + std::to_string(fromVersion) + ".bak";
}

void SetSchemaStepHookForTests(std::function<void(int)> hook) { StepHook() = std::move(hook); }

void PrepareSchema(sqlite3* db, const std::string& path, bool createdNow) {
    const std::string where = "データベースファイル「" + path + "」";
    // Only outside a transaction does this take effect.
    Exec(db, "PRAGMA foreign_keys = ON");
    int version = 0;
    try {
        version = UserVersion(db);
    } catch (const StoreError& e) {
        throw StoreError(where + "を読み込めません。\n理由：" + e.what());
    }
    // A file made by hand with the table and the view counts as version 1.
    const int from = version == 0 ? 1 : version;
    const int newest = CurrentSchemaVersion();
    if (from > newest)
        throw StoreError(where + "は新しい版のプログラムで作られています（形式 " + std::to_string(from) +
                         "、このプログラムは形式 " + std::to_string(newest) +
                         "まで）。\nファイルは変更していません。新しい版のプログラムで開いてください。");
    if (from == newest) return;

    try {
        // The write lock first: from here on nobody else changes the file,
        // so the copy below is the file the steps start from.
        Exec(db, "BEGIN IMMEDIATE");
    } catch (const StoreError& e) {
        throw StoreError(where + "を新しい形式に更新できません。\n理由：" + e.what() +
                         "\nファイルは変更していません。");
    }
    try {
        if (!createdNow) {
            const FileReadResult old = ReadWholeFile(path);
            if (!old.error.empty()) throw StoreError(old.error);
            const std::string backup = SchemaBackupPath(path, from);
            if (const std::string reason = ReplaceFile(backup, old.bytes); !reason.empty())
                throw StoreError("控えのファイル「" + backup + "」を書けません（" + reason + "）");
        }
        for (const SchemaStep& step : SchemaSteps()) {
            if (step.toVersion <= from) continue;
            Exec(db, step.sql);
            Exec(db, ("PRAGMA user_version = " + std::to_string(step.toVersion)).c_str());
            if (StepHook()) StepHook()(step.toVersion);
        }
        Exec(db, "COMMIT");
    } catch (const std::exception& e) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw StoreError(where + "を新しい形式に更新できません。\n理由：" + e.what() +
                         "\nファイルは変更していません。");
    }
}

}  // namespace n3
