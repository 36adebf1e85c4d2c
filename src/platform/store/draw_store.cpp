#include "platform/store/draw_store.h"

#include <atomic>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <climits>
#include <unordered_map>

#include "platform/store/busy_timeout.h"
#include "platform/store/game_tables.h"
#include "platform/store/new_database.h"
#include "platform/store/result_rows.h"
#include "platform/store/row_checks.h"
#include "platform/store/schema.h"
#include "platform/store/sql_statement.h"

namespace n3 {

using Statement = SqlStatement;

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE 当選データ (
  回数    INTEGER PRIMARY KEY CHECK (回数 BETWEEN 1 AND 32767),
  第1数字 INTEGER CHECK (第1数字 IS NULL OR (typeof(第1数字) = 'integer' AND 第1数字 BETWEEN 0 AND 9)),
  第2数字 INTEGER CHECK (第2数字 IS NULL OR (typeof(第2数字) = 'integer' AND 第2数字 BETWEEN 0 AND 9)),
  第3数字 INTEGER CHECK (第3数字 IS NULL OR (typeof(第3数字) = 'integer' AND 第3数字 BETWEEN 0 AND 9))
);
CREATE VIEW 全データ選択クエリ AS SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 当選データ;
PRAGMA user_version = 1;
)sql";

}  // namespace

DrawStore::DrawStore(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}

DrawStore::DrawStore(DrawStore&& other) noexcept
    : first_(other.first_),
      game_(other.game_),
      upgradeBlocked_(std::move(other.upgradeBlocked_)),
      upgradedFrom_(other.upgradedFrom_),
      db_(other.db_),
      path_(std::move(other.path_)),
      onChange_(std::move(other.onChange_)) {
    other.db_ = nullptr;
}

DrawStore& DrawStore::operator=(DrawStore&& other) noexcept {
    if (this != &other) {
        if (!first_) sqlite3_close(db_);
        first_ = other.first_;
        game_ = other.game_;
        db_ = other.db_;
        path_ = std::move(other.path_);
        upgradeBlocked_ = std::move(other.upgradeBlocked_);
        upgradedFrom_ = other.upgradedFrom_;
        onChange_ = std::move(other.onChange_);
        other.db_ = nullptr;
    }
    return *this;
}

DrawStore::~DrawStore() {
    if (!first_) sqlite3_close(db_);
}

DrawStore DrawStore::Beside(DrawStore& first, const Game& game) {
    DrawStore store(first.db_, first.path_);
    store.first_ = &first;
    store.game_ = &game;
    return store;
}

sqlite3* DrawStore::release() {
    sqlite3* db = db_;
    db_ = nullptr;
    return db;
}

namespace {
std::atomic<int> connectionsOpened{0};

DrawStore::UpgradeFollowUp& FollowUp() {
    static DrawStore::UpgradeFollowUp followUp;
    return followUp;
}
}  // namespace

int DrawStore::ConnectionsOpened() { return connectionsOpened.load(); }

DrawStore DrawStore::Open(const std::string& path, bool createIfMissing) {
    // A 0-byte file is what an interrupted first start used to leave: no
    // database yet.
    const bool exists = HoldsDatabaseFile(path);
    if (!exists && !createIfMissing) throw StoreError("データベースファイル「" + path + "」が見つかりません。");
    if (!exists)
        // The new file gets the first version's tables and then every later
        // step before it is renamed into place: a first start leaves either
        // no database or a complete one of the newest version.
        CreateDatabaseFile(path, [&path](sqlite3* fresh) {
            const std::string sql = std::string("BEGIN;") + kSchema + "COMMIT;";
            if (sqlite3_exec(fresh, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
                throw StoreError(StoreReason(fresh));
            PrepareSchema(fresh, path, true);
        });

    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string reason = db ? StoreReason(db) : "メモリが足りません";
        sqlite3_close(db);
        throw StoreError("データベースファイル「" + path + "」を開けません。\n理由：" + reason);
    }
    ++connectionsOpened;
    sqlite3_busy_timeout(db, BusyTimeoutMs());
    sqlite3_extended_result_codes(db, 1);
    DrawStore store(db, path);

    try {
        // The file must hold the view with its four columns.
        Statement check(db, "SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 全データ選択クエリ LIMIT 1");
        check.step();
    } catch (const StoreError& e) {
        std::string reason = e.what();
        if (reason.find("no such") != std::string::npos)
            reason = "当選データのビュー「全データ選択クエリ」がありません";
        throw StoreError("データベースファイル「" + path + "」を読み込めません。\n理由：" + reason);
    }
    // A file that needs upgrading is checked first, so that a file this
    // program refuses is never modified: wrong draw numbers refuse it here;
    // wrong digits leave it at its version (the history read refuses it, and
    // the entry window may mend the digits; the next open then upgrades it).
    bool upgrade = true;
    int before = CurrentSchemaVersion();
    if (exists) {
        Statement version(db, "PRAGMA user_version");
        if (version.step()) before = std::max(1, version.column(0).value_or(0));
        if (before < CurrentSchemaVersion()) {
            (void)store.ReadRows(RowCheck::DigitsAsStored);
            try {
                (void)store.ReadRows(RowCheck::Strict);
            } catch (const StoreError& e) {
                upgrade = false;
                store.upgradeBlocked_ = e.what();
            }
        }
    }
    if (upgrade) PrepareSchema(db, path, !exists);
    if (upgrade && exists && before < CurrentSchemaVersion()) {
        store.upgradedFrom_ = before;
        if (FollowUp()) FollowUp()(store);
    }
    return store;
}

void DrawStore::SetUpgradeFollowUp(UpgradeFollowUp followUp) { FollowUp() = std::move(followUp); }

void DrawStore::RequireNewestVersion() const {
    if (first_) return first_->RequireNewestVersion();
    if (!upgradeBlocked_) return;
    throw StoreError(*upgradeBlocked_ +
                     "\n\nこのため、ファイルは古い形式のままで、当選結果と購入記録の表がまだありません。"
                     "\n直すには、デスクトップ版の「当選データ入力」で正しくない数字を直すか、"
                     "numbers3zubarin-cli import-bundled --replace で同梱の当選データに置き換えてください。"
                     "直したあと次に開いたときに、新しい形式に更新します。");
}

void DrawStore::RetryUpgrade() {
    if (first_) return first_->RetryUpgrade();
    if (!upgradeBlocked_) return;
    try {
        (void)ReadRows(RowCheck::Strict);
    } catch (const StoreError& e) {
        upgradeBlocked_ = e.what();
        RequireNewestVersion();
    }
    int before = 1;
    {
        Statement version(db_, "PRAGMA user_version");
        if (version.step()) before = std::max(1, version.column(0).value_or(0));
    }
    PrepareSchema(db_, path_, false);
    upgradeBlocked_.reset();
    if (before < CurrentSchemaVersion()) {
        upgradedFrom_ = before;
        if (FollowUp()) FollowUp()(*this);
    }
}

void DrawStore::Exec(const char* sql) const {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        sqlite3_free(err);
        throw StoreError(StoreReason(db_));
    }
}

DrawHistory DrawStore::ReadHistory() const { return ReadRows(RowCheck::Strict); }

DrawHistory DrawStore::ReadHistoryForEditing() const { return ReadRows(RowCheck::DigitsAsStored); }

DrawHistory DrawStore::ReadRows(RowCheck check) const {
    DrawHistory history;
    std::vector<bool> seen;
    Statement q(db_, TablesOf(*game_).historyQuery);
    while (q.step()) {
        Draw d;
        if (auto problem = ReadCheckedRow(q.handle(), seen, d, check, game_->digits))
            throw StoreError("データベースファイル「" + path_ + "」を読み込めません。\n理由：" + *problem +
                             "\nデータベースは変更していません。");
        history.push_back(d);
    }
    return history;
}

ImportCounts DrawStore::Import(const std::vector<Draw>& draws) {
    ImportCounts counts;
    // Inside a caller's transaction (draws and their results together) the
    // caller commits.
    const bool own = sqlite3_get_autocommit(db_) != 0;
    if (own) Exec("BEGIN IMMEDIATE");
    try {
        // What is stored now, so that a row read again unchanged is
        // counted apart from one that changes.
        std::unordered_map<int, DrawDigits> stored;
        {
            const std::string select = "SELECT 回数, " + DigitColumns(*game_) + " FROM " + TablesOf(*game_).draws;
            Statement rows(db_, select.c_str());
            while (rows.step()) {
                DrawDigits& digits = stored[rows.column(0).value_or(0)];
                for (int i = 0; i < game_->digits; ++i) digits[std::size_t(i)] = rows.column(i + 1);
            }
        }
        std::string values = "?", updates;
        for (int i = 0; i < game_->digits; ++i) {
            values += ", ?";
            updates += (i ? ", " : "") + DigitColumn(i) + " = excluded." + DigitColumn(i);
        }
        const std::string upsert = std::string("INSERT INTO ") + TablesOf(*game_).draws + " (回数, " +
                                   DigitColumns(*game_) + ") VALUES (" + values + ") ON CONFLICT(回数) DO UPDATE SET " +
                                   updates;
        Statement put(db_, upsert.c_str());
        for (const Draw& d : draws) {
            const auto it = stored.find(d.drawNo);
            if (it != stored.end() && it->second == d.digits) {
                ++counts.unchanged;
                continue;
            }
            put.bind(1, d.drawNo);
            for (int i = 0; i < game_->digits; ++i) put.bind(i + 2, d.digits[std::size_t(i)]);
            put.step();
            put.reset();
            if (it == stored.end())
                ++counts.added;
            else
                ++counts.replaced;
            stored[d.drawNo] = d.digits;
        }
        if (own && !upgradeBlocked()) WriteEstimatedDates(db_, path_, *game_);
        if (own) Exec("COMMIT");
    } catch (...) {
        if (own) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    // Inside a caller's transaction the caller announces after its commit.
    if (own && counts.added + counts.replaced > 0) announce(DataChange::Draws);
    return counts;
}

int DrawStore::InsertDraw() {
    // The new draw gets the schedule's date with it (result_rows.h).
    Exec("BEGIN IMMEDIATE");
    int drawNo = 0;
    try {
        Statement ins(db_, InGameTables("INSERT INTO 当選データ (回数) VALUES (NULL)", *game_).c_str());
        ins.step();
        drawNo = int(sqlite3_last_insert_rowid(db_));
        if (!upgradeBlocked()) WriteEstimatedDates(db_, path_, *game_);
        Exec("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    announce(DataChange::Draws);
    return drawNo;
}

void DrawStore::SetDigit(int drawNo, int position, std::optional<int> value) {
    if (position < 0 || position >= game_->digits) throw StoreError("数字の位置が正しくありません");
    const std::string update =
        std::string("UPDATE ") + TablesOf(*game_).draws + " SET " + DigitColumn(position) + " = ? WHERE 回数 = ?";
    Statement up(db_, update.c_str());
    up.bind(1, value);
    up.bind(2, drawNo);
    up.step();
    announce(DataChange::Draws);
}

bool DrawStore::SetDigitIfStored(int drawNo, int position, std::optional<int> value, const DrawDigits& expected) {
    Exec("BEGIN IMMEDIATE");
    try {
        const std::string select =
            "SELECT " + DigitColumns(*game_) + " FROM " + TablesOf(*game_).draws + " WHERE 回数 = ?";
        Statement q(db_, select.c_str());
        q.bind(1, drawNo);
        bool same = q.step();
        for (int i = 0; i < game_->digits && same; ++i) same = q.column(i) == expected[std::size_t(i)];
        if (!same) {
            Exec("ROLLBACK");
            return false;
        }
        SetDigit(drawNo, position, value);
        Exec("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    return true;
}

void DrawStore::DeleteDraw(int drawNo) { DeleteDraws({drawNo}); }

void DrawStore::DeleteDraws(const std::vector<int>& drawNos) {
    Exec("BEGIN IMMEDIATE");
    try {
        Statement del(db_, InGameTables("DELETE FROM 当選データ WHERE 回数 = ?", *game_).c_str());
        for (int drawNo : drawNos) {
            del.bind(1, drawNo);
            del.step();
            del.reset();
        }
        if (!upgradeBlocked()) WriteEstimatedDates(db_, path_, *game_);
        Exec("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    announce(DataChange::Draws);
}

int DrawStore::DataVersion() const {
    Statement q(db_, "PRAGMA data_version");
    q.step();
    return q.column(0).value_or(0);
}

int DrawStore::DrawCount() const {
    Statement q(db_, InGameTables("SELECT count(*) FROM 当選データ", *game_).c_str());
    q.step();
    return q.column(0).value_or(0);
}

}  // namespace n3
