#include "platform/store/ticket_store.h"
#include "platform/store/sql_statement.h"

#include <sqlite3.h>

#include "io/echo_text.h"
#include "tickets/ticket.h"

namespace n3 {

const char* const kTicketTableSql = R"sql(
CREATE TABLE 購入記録 (
  id         INTEGER PRIMARY KEY,
  購入日     TEXT NOT NULL CHECK (typeof(購入日) = 'text' AND length(購入日) = 10
                AND 購入日 GLOB '[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]' AND date(購入日, '+0 days') = 購入日),
  最初の回数 INTEGER NOT NULL CHECK (typeof(最初の回数) = 'integer' AND 最初の回数 BETWEEN 1 AND 32767),
  継続回数   INTEGER NOT NULL CHECK (typeof(継続回数) = 'integer' AND 継続回数 BETWEEN 1 AND 20
                AND 最初の回数 + 継続回数 - 1 <= 32767),
  番号       TEXT NOT NULL CHECK (typeof(番号) = 'text'),
  種類       TEXT NOT NULL CHECK (種類 IN ('ストレート', 'ボックス', 'セット', 'ミニ')),
  口数       INTEGER NOT NULL CHECK (typeof(口数) = 'integer' AND 口数 BETWEEN 1 AND 99),
  メモ       TEXT NOT NULL DEFAULT '' CHECK (typeof(メモ) = 'text'),
  CHECK ((種類 = 'ミニ' AND length(番号) = 2 AND 番号 GLOB '[0-9][0-9]')
      OR (種類 <> 'ミニ' AND length(番号) = 3 AND 番号 GLOB '[0-9][0-9][0-9]')),
  CHECK (種類 NOT IN ('ボックス', 'セット')
      OR NOT (substr(番号, 1, 1) = substr(番号, 2, 1) AND substr(番号, 2, 1) = substr(番号, 3, 1)))
);
)sql";

namespace {

constexpr std::string_view kBookConstraint = "購入記録の値が正しくありません";

class Statement : public SqlStatement {
public:
    Statement(sqlite3* db, const char* sql) : SqlStatement(db, sql, kBookConstraint) {}
};

// Binds the nine columns from index 1 on.
void BindPurchase(Statement& s, const Purchase& p) {
    s.bind(1, p.購入日);
    s.bind(2, std::int64_t(p.最初の回数));
    s.bind(3, std::int64_t(p.継続回数));
    s.bind(4, p.番号);
    s.bind(5, std::string(TicketKindCaption(p.種類)));
    s.bind(6, std::int64_t(p.口数));
    s.bind(7, p.メモ);
    s.bind(8, std::int64_t(p.受け取り済み ? 1 : 0));
    s.bind(9, std::int64_t(p.game->id));
}

constexpr const char* kInsert =
    "INSERT INTO 購入記録 (購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ, 受け取り済み, ゲーム) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)";

// A row as stored, every value checked before it is used: a file changed
// by another tool may hold anything in the table.
Purchase ReadCheckedPurchase(const Statement& q) {
    Purchase p;
    p.id = q.integer(0);
    const auto bad = [&p](const std::string& why) {
        return StoreError("購入記録の id " + std::to_string(p.id) + " の行を読み込めません。\n理由：" + why +
                          "\nデータベースは変更していません。");
    };
    const auto small = [&](int column, const char* name) {
        const std::optional<int> value = q.column(column);
        if (!value) throw bad(std::string(name) + "が整数ではないか、大きすぎます");
        return *value;
    };
    p.購入日 = q.text(1);
    p.最初の回数 = small(2, "最初の回数");
    p.継続回数 = small(3, "継続回数");
    p.番号 = q.text(4);
    const std::string type = q.text(5);
    const auto bet = ParseTicketKind(type);
    if (!bet) throw bad("種類「" + EchoText(type) + "」は買い方の名前ではありません");
    p.種類 = *bet;
    p.口数 = small(6, "口数");
    p.メモ = q.text(7);
    p.受け取り済み = q.integer(8) != 0;
    const std::int64_t gameId = q.integer(9);
    const Game* game = gameId >= 0 && gameId < 100 ? GameById(int(gameId)) : nullptr;
    if (!game) throw bad("ゲーム「" + EchoText(q.text(9)) + "」は 3 か 4 ではありません");
    p.game = game;
    if (std::string why = PurchaseError(p); !why.empty()) throw bad(why);
    return p;
}

// The book must stay within kMaxPurchases after `adding` more.
void CheckRoom(sqlite3* db, std::size_t adding, bool replacing) {
    Statement count(db, "SELECT count(*) FROM 購入記録");
    count.step();
    const std::int64_t stored = replacing ? 0 : count.integer(0);
    if (stored + std::int64_t(adding) > kMaxPurchases)
        throw StoreError("購入記録は一冊に " + std::to_string(kMaxPurchases) + " 件までです（今 " +
                         std::to_string(stored) + " 件、追加 " + std::to_string(adding) +
                         " 件）。古い記録を書き出してから消してください。");
}

// Refuses what the table would refuse, with the reason in words.
void Check(const Purchase& p) {
    if (std::string why = PurchaseError(p); !why.empty()) throw StoreError(why);
    if (std::string why = NewMemoError(p.メモ); !why.empty()) throw StoreError(why);
}

}  // namespace

TicketStore::TicketStore(sqlite3* db, bool ownsConnection, const DrawStore* announcer)
    : db_(db), owns_(ownsConnection), announcer_(announcer) {}
TicketStore::TicketStore(TicketStore&& other) noexcept
    : db_(other.db_), owns_(other.owns_), announcer_(other.announcer_) {
    other.db_ = nullptr;
}
TicketStore& TicketStore::operator=(TicketStore&& other) noexcept {
    if (this != &other) {
        if (owns_) sqlite3_close(db_);
        db_ = other.db_;
        owns_ = other.owns_;
        announcer_ = other.announcer_;
        other.db_ = nullptr;
    }
    return *this;
}
TicketStore::~TicketStore() {
    if (owns_) sqlite3_close(db_);
}

TicketStore TicketStore::On(const DrawStore& draws) { return TicketStore(draws.connection(), false, &draws); }

void TicketStore::RequireTable() const {
    if (announcer_) announcer_->RequireNewestVersion();
}

void TicketStore::Changed() const {
    if (announcer_) announcer_->announce(DataChange::Tickets);
}

TicketStore TicketStore::Open(const std::string& path, bool createIfMissing) {
    // The draw store checks the file, creates it on the first start and
    // brings it to the newest version, the book's table included; its
    // connection is then the book's.
    DrawStore draws = DrawStore::Open(path, createIfMissing);
    draws.RequireNewestVersion();
    return TicketStore(draws.release(), true, nullptr);
}

void TicketStore::Exec(const char* sql) const {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        sqlite3_free(err);
        throw StoreError(StoreReason(db_, kBookConstraint));
    }
}

std::vector<Purchase> TicketStore::ReadAll() const {
    RequireTable();
    std::vector<Purchase> book;
    // One row past the bound is enough to know the book is too large; the
    // memory taken stays that of a book within it.
    Statement q(db_,
                "SELECT id, 購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ, 受け取り済み, ゲーム FROM 購入記録 "
                "ORDER BY id "
                "LIMIT ?");
    q.bind(1, std::int64_t(kMaxPurchases) + 1);
    while (q.step()) {
        if (book.size() == std::size_t(kMaxPurchases))
            throw StoreError("購入記録が " + std::to_string(kMaxPurchases) +
                             " 件を超えています。このプログラムが扱える一冊の大きさを超えるため、読み込めません。");
        book.push_back(ReadCheckedPurchase(q));
    }
    return book;
}

std::int64_t TicketStore::Add(const Purchase& p) {
    RequireTable();
    Check(p);
    CheckRoom(db_, 1, false);
    Statement ins(db_, kInsert);
    BindPurchase(ins, p);
    ins.step();
    Changed();
    return sqlite3_last_insert_rowid(db_);
}

void TicketStore::Update(const Purchase& p) {
    RequireTable();
    Check(p);
    Statement up(db_,
                 "UPDATE 購入記録 SET 購入日 = ?, 最初の回数 = ?, 継続回数 = ?, 番号 = ?, 種類 = ?, 口数 = ?, "
                 "メモ = ?, 受け取り済み = ?, ゲーム = ? WHERE id = ?");
    BindPurchase(up, p);
    up.bind(10, p.id);
    up.step();
    Changed();
}

void TicketStore::Remove(std::int64_t id) {
    RequireTable();
    Statement del(db_, "DELETE FROM 購入記録 WHERE id = ?");
    del.bind(1, id);
    del.step();
    Changed();
}

void TicketStore::AddAll(const std::vector<Purchase>& purchases, bool replace) {
    RequireTable();
    for (const Purchase& p : purchases) Check(p);
    Exec("BEGIN IMMEDIATE");
    try {
        CheckRoom(db_, purchases.size(), replace);
        if (replace) Exec("DELETE FROM 購入記録");
        // A book read back whole keeps its ids: the purchases that bring
        // one go first, so that a numbered new one cannot take it.
        Statement ins(db_, kInsert);
        Statement insWithId(
            db_,
            "INSERT INTO 購入記録 (購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ, 受け取り済み, ゲーム, id) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const bool withId : {true, false})
            for (const Purchase& p : purchases) {
                if (withId != (replace && p.id > 0)) continue;
                Statement& q = withId ? insWithId : ins;
                BindPurchase(q, p);
                if (withId) q.bind(10, p.id);
                q.step();
                q.reset();
            }
        Exec("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    Changed();
}

}  // namespace n3
