#pragma once
// The draw database: one SQLite file, the table 当選データ and the view
// 全データ選択クエリ over it, and beside them each other game's draws
// (platform/store/game_tables.h). Every SQL statement of the program lives here.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/game.h"
#include "platform/store/store_error.h"

struct sqlite3;

namespace n3 {

enum class RowCheck;  // platform/store/row_checks.h

// A failure of the store, with a message for the user (Japanese).

struct ImportCounts {
    int added = 0;
    int replaced = 0;   // stored before with other digits
    int unchanged = 0;  // stored before with the same digits: not written
};

// "追加 N 件、更新 N 件、変更なし N 件": the figures of an import, as the
// program and the command line report them.
inline std::string ImportSummary(const ImportCounts& c) {
    return "追加 " + std::to_string(c.added) + " 件、更新 " + std::to_string(c.replaced) + " 件、変更なし " +
           std::to_string(c.unchanged) + " 件";
}

// What a write changed, for whoever shows the data.
enum class DataChange { Draws, Results, Tickets };
using ChangeListener = std::function<void(DataChange)>;

inline constexpr const char* kDatabaseFileName = "Numbers3Zubarin.db";

class DrawStore {
public:
    // Opens the file. A missing file is created with an empty history when
    // createIfMissing is set; anything else that is wrong with the file
    // (not a database, no view, locked, unreadable) throws StoreError and
    // leaves the file untouched.
    static DrawStore Open(const std::string& path, bool createIfMissing = true);
    // The draws of another game in the file `first` has open, on its
    // connection: `first` (the first game's store) keeps the connection,
    // the file's version and the change listener, and must outlive it.
    static DrawStore Beside(DrawStore& first, const Game& game);

    DrawStore(DrawStore&& other) noexcept;
    DrawStore& operator=(DrawStore&& other) noexcept;
    DrawStore(const DrawStore&) = delete;
    DrawStore& operator=(const DrawStore&) = delete;
    ~DrawStore();

    const std::string& path() const { return path_; }
    // Whose draws this store reads and writes.
    const Game& game() const { return *game_; }
    // The open connection, for the stores of other tables in the same file.
    sqlite3* connection() const { return db_; }
    // Hands the connection over to the caller, who closes it.
    sqlite3* release();
    // Called after every write that committed; none by default.
    void setChangeListener(ChangeListener listener) { onChange_ = std::move(listener); }
    void announce(DataChange what) const {
        if (first_) first_->announce(what);
        if (onChange_) onChange_(what);
    }
    // The connections opened to database files in this process so far.
    static int ConnectionsOpened();

    // The whole history, ascending by 回数. Every row is checked (draw
    // number 1 to 32767 and unique, digits 0 to 9 or unknown); a row that
    // is not throws StoreError naming the file, the draw and the reason.
    DrawHistory ReadHistory() const;
    // The same, with integer digits outside 0 to 9 read as they are stored:
    // the entry window shows them so that they can be mended.
    DrawHistory ReadHistoryForEditing() const;

    // Stores every draw in one transaction: a draw number already stored is
    // replaced (counted as unchanged, and not written, when its digits are
    // the same). All or nothing: on failure the database is as it was.
    ImportCounts Import(const std::vector<Draw>& draws);

    // A new empty row; the database gives it the next number after the
    // highest stored one. Returns that number.
    int InsertDraw();
    // Writes one digit (position 0..digits-1) of a draw; nullopt stores NULL.
    void SetDigit(int drawNo, int position, std::optional<int> value);
    // The same in one transaction, only while the draw is stored with the
    // digits `expected`; false (nothing written) when it is not.
    bool SetDigitIfStored(int drawNo, int position, std::optional<int> value, const DrawDigits& expected);
    void DeleteDraw(int drawNo);
    // Deletes every listed draw in one transaction: all or none.
    void DeleteDraws(const std::vector<int>& drawNos);
    int DrawCount() const;
    // A number that changes whenever another connection (another process)
    // commits to the file; this connection's own writes leave it as it is.
    int DataVersion() const;

    // Why a file of an older version stays at it (digits that must be
    // mended first), or nullptr when the file is at the newest version.
    const std::string* upgradeBlocked() const {
        if (first_) return first_->upgradeBlocked();
        return upgradeBlocked_ ? &*upgradeBlocked_ : nullptr;
    }
    // Throws StoreError saying what keeps the file at its old version and
    // how to mend it, when it is kept there; for the tables the old
    // version does not have yet.
    void RequireNewestVersion() const;
    // The version this connection brought the file up from (1 to 6), or 0
    // when the file was new or already of the newest version: the start-up
    // fills in the shipped results once after an upgrade.
    int upgradedFrom() const { return first_ ? first_->upgradedFrom() : upgradedFrom_; }
    // Run on the connection that has just brought a file up to the newest
    // version, whichever program opened it first: the command line fills
    // in the shipped results there (the desktop program after its load).
    // Process-wide; none by default.
    using UpgradeFollowUp = std::function<void(DrawStore&)>;
    static void SetUpgradeFollowUp(UpgradeFollowUp followUp);
    // Tries the upgrade again (after digits were mended). Throws as
    // RequireNewestVersion when the digits are still wrong.
    void RetryUpgrade();

private:
    explicit DrawStore(sqlite3* db, std::string path);
    // The first game's store, for a store Beside() it; none for the first.
    DrawStore* first_ = nullptr;
    const Game* game_ = &kNumbers3;
    std::optional<std::string> upgradeBlocked_;
    int upgradedFrom_ = 0;
    DrawHistory ReadRows(RowCheck check) const;
    void Exec(const char* sql) const;
    sqlite3* db_ = nullptr;
    std::string path_;
    ChangeListener onChange_;
};

}  // namespace n3
