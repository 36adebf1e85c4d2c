#include "platform/store/schema.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "io/file_io.h"
#include "io/replace_target.h"
#include "platform/store/bounded_tables.h"
#include "platform/store/busy_timeout.h"
#include "platform/store/dates_and_claims_step.h"
#include "platform/store/second_game_step.h"
#include "platform/store/sql_statement.h"
#include "platform/store/store_error.h"
#include "platform/store/strategy_store.h"
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
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_CORRUPT: return StoreReason(db);
    case SQLITE_NOTADB: return "データベースファイルではありません";
    case SQLITE_CONSTRAINT: return std::string("表の値が新しい形式の範囲を超えています（") + sqlite3_errmsg(db) + "）";
    default: return sqlite3_errmsg(db);
    }
}

void Exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) throw StoreError(Reason(db));
}

int UserVersion(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    bool read = false;
    int version = 0;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        read = true;
        version = sqlite3_column_int(stmt, 0);
    }
    const std::string reason = read ? std::string() : Reason(db);
    sqlite3_finalize(stmt);
    if (!read) throw StoreError(reason);
    // No version of this program writes a negative form number: the file
    // was made or changed by another tool.
    if (version < 0)
        throw StoreError("形式の番号（user_version）が " + std::to_string(version) +
                         " です。このプログラムが作るファイルの番号は 0 以上です");
    return version;
}

// A table (or view, index…) the steps from `from` on would create that the
// file already holds: another program made it, and its shape is not ours.
std::string ForeignTable(sqlite3* db, int from) {
    for (const SchemaStep& step : SchemaSteps()) {
        if (step.toVersion <= from) continue;
        for (const char* table : step.creates) {
            sqlite3_stmt* stmt = nullptr;
            bool found = false;
            if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE name = ?1 COLLATE NOCASE", -1, &stmt,
                                   nullptr) == SQLITE_OK) {
                sqlite3_bind_text(stmt, 1, table, -1, SQLITE_STATIC);
                found = sqlite3_step(stmt) == SQLITE_ROW;
            }
            sqlite3_finalize(stmt);
            if (found) return table;
        }
    }
    return {};
}

class Connection {
public:
    ~Connection() { sqlite3_close(db); }
    sqlite3* db = nullptr;
};

// SQLite's own copy of the file as it is committed (the -wal file's commits
// included), read through a second connection while `db` holds the write
// lock (SQLite refuses a backup from a connection inside a write
// transaction; its own bookkeeping keeps the lock when the second
// connection closes). The copy goes to a new locked temporary beside
// `backup` that then takes its name: a link or a file already at that name
// is replaced, never written through. Returns the reason of a failure, or
// an empty text.
std::string BackUp(sqlite3* db, const std::string& backup) {
    Connection source;
    const char* file = sqlite3_db_filename(db, "main");
    if (file == nullptr ||
        sqlite3_open_v2(file, &source.db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
        return source.db ? Reason(source.db) : "メモリが足りません";
    sqlite3_busy_timeout(source.db, BusyTimeoutMs());
    RemoveStaleTemporaries(backup);
    std::string temp;
    const int lock = CreateLockedTemporary(backup, temp);
    if (lock < 0) return ReasonText(errno);
    std::string reason;
    {
        Connection copy;
        if (sqlite3_open_v2(temp.c_str(), &copy.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
            SQLITE_OK) {
            reason = copy.db ? Reason(copy.db) : "メモリが足りません";
        } else if (sqlite3_backup* run = sqlite3_backup_init(copy.db, "main", source.db, "main")) {
            const int step = sqlite3_backup_step(run, -1);
            sqlite3_backup_finish(run);
            if (step != SQLITE_DONE) reason = Reason(copy.db);
        } else {
            reason = Reason(copy.db);
        }
        if (reason.empty() && sqlite3_close(copy.db) != SQLITE_OK) reason = Reason(copy.db);
        if (reason.empty()) copy.db = nullptr;
    }
    if (reason.empty() && ::fsync(lock) != 0) reason = ReasonText(errno);
    if (reason.empty() && ::rename(temp.c_str(), backup.c_str()) != 0) reason = ReasonText(errno);
    if (!reason.empty()) {
        ::unlink(temp.c_str());
        ::unlink((temp + "-journal").c_str());
    }
    ::close(lock);
    if (reason.empty()) SyncFolderOf(backup);
    return reason;
}
}  // namespace

const std::vector<SchemaStep>& SchemaSteps() {
    static const std::vector<SchemaStep> steps = {
        {2, kResultsTable, {"当選結果"}},
        {kTicketSchemaVersion, kTicketTableSql, {"購入記録"}},
        {kBoundedTablesVersion, BoundedTablesSql(), {"当選結果_新", "購入記録_新"}},
        {kStrategySchemaVersion, kStrategyTableSql, {"買い方"}},
        {kDatesAndClaimsVersion, DatesAndClaimsSql()},
        {kSecondGameVersion, SecondGameSql(), {"ナンバーズ4当選データ", "ナンバーズ4当選結果", "購入記録_新"}},
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
    struct ForeignKeysOn {
        sqlite3* db;
        ~ForeignKeysOn() { sqlite3_exec(db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr); }
    } foreignKeysOn{db};

    try {
        // The write lock first: from here on nobody else changes the file,
        // so the copy below is the file the steps start from.
        // Tables are rebuilt with foreign keys off, as SQLite asks for a
        // change of a table's layout (a file made by another tool may lack
        // the key its rows refer to); they are on again afterwards.
        Exec(db, "PRAGMA foreign_keys = OFF");
        Exec(db, "BEGIN IMMEDIATE");
    } catch (const StoreError& e) {
        throw StoreError(where + "を新しい形式に更新できません。\n理由：" + e.what() +
                         "\nファイルは変更していません。");
    }
    // The version read above may be stale: another program (the desktop
    // program and a command line started together) may have upgraded the
    // file while this one waited for the lock. Read again under the lock;
    // an upgrade already done is nothing to do.
    int locked = 0;
    try {
        locked = UserVersion(db);
    } catch (const StoreError& e) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw StoreError(where + "を読み込めません。\n理由：" + e.what());
    }
    if (locked != version) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        if (locked == newest) return;
        if (locked > newest)
            throw StoreError(where + "は新しい版のプログラムで作られています（形式 " + std::to_string(locked) +
                             "、このプログラムは形式 " + std::to_string(newest) +
                             "まで）。\nファイルは変更していません。新しい版のプログラムで開いてください。");
        PrepareSchema(db, path, createdNow);
        return;
    }
    if (const std::string table = ForeignTable(db, from); !table.empty()) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw StoreError(where + "には、このプログラムが形式 " + std::to_string(from) + " の次に作る表「" + table +
                         "」がすでにあります。別のプログラムが作った表のようなので、このファイルは使えません。\n"
                         "ファイルは変更していません。表「" +
                         table + "」の名前を変えるか、別のデータベースファイルを使ってください。");
    }
    try {
        if (!createdNow) {
            const std::string backup = SchemaBackupPath(path, from);
            if (const std::string reason = BackUp(db, backup); !reason.empty())
                throw StoreError("控えのファイル「" + backup + "」を書けません（" + reason + "）");
        }
        for (const SchemaStep& step : SchemaSteps()) {
            if (step.toVersion <= from) continue;
            try {
                Exec(db, step.sql);
            } catch (const StoreError&) {
                // SQLite's own words for a statement that does not fit the
                // tables ("duplicate column name: …") say nothing to the
                // user: the file's tables are not the ones its version has.
                // A disk's or a lock's failure keeps its own reason.
                if ((sqlite3_extended_errcode(db) & 0xff) != SQLITE_ERROR) throw;
                throw StoreError("表の形が形式 " + std::to_string(step.toVersion - 1) +
                                 " のものと違います（別のプログラムが表や列を加えたか変えたようです）");
            }
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
