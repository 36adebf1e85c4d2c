// The ticket book's table: what it stores, what its constraints refuse
// even from another writer, and all-or-nothing imports.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/store/ticket_store.h"
#include "temp_dir.h"
#include "tickets/ticket.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

Purchase Sample(std::string number = "048", TicketKind type = TicketKind::Straight) {
    return {0, "2024-06-01", 6500, 3, std::move(number), type, 2, "メモ"};
}

// A raw insert of a purchase of the game, as another program might try it;
// returns the SQLite code.
int RawInsert(const std::string& path, const std::string& values, int game = 3) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::string sql =
        "INSERT INTO 購入記録 (購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ, ゲーム) VALUES (" + values + ", " +
        std::to_string(game) + ")";
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
}

}  // namespace

TEST(TicketStore, AddUpdateRemoveAndReadBack) {
    TempDir dir;
    const std::string path = dir.file("d.db");
    TicketStore store = TicketStore::Open(path);
    Purchase p = Sample();
    p.id = store.Add(p);
    Purchase mini = Sample("07", TicketKind::Mini);
    mini.id = store.Add(mini);
    Purchase four = Sample("1123", TicketKind::Box);
    four.game = &kNumbers4;
    four.id = store.Add(four);
    EXPECT_EQ(store.ReadAll(), (std::vector<Purchase>{p, mini, four}));

    p.口数 = 7;
    p.メモ.clear();
    store.Update(p);
    store.Remove(mini.id);
    four.番号 = "1234";
    store.Update(four);
    // A second connection (the next start) sees the same book.
    EXPECT_EQ(TicketStore::Open(path).ReadAll(), (std::vector<Purchase>{p, four}));
    // The draw store still opens the file as before.
    EXPECT_EQ(DrawStore::Open(path, false).DrawCount(), 0);
}

TEST(TicketStore, ConstraintsRefuseWhatTheRulesRefuse) {
    TempDir dir;
    const std::string path = dir.file("d.db");
    TicketStore::Open(path);
    EXPECT_EQ(RawInsert(path, "'2024-06-01', 1, 1, '048', 'ストレート', 1, ''"), SQLITE_OK);
    for (const char* bad : {
             "'2024-06-31', 1, 1, '048', 'ストレート', 1, ''",      // no such day
             "'2024-06-01', 0, 1, '048', 'ストレート', 1, ''",      // draw 0
             "'2024-06-01', 1, 21, '048', 'ストレート', 1, ''",     // 21 draws
             "'2024-06-01', 32767, 2, '048', 'ストレート', 1, ''",  // past the last draw number
             "'2024-06-01', 1, 1, '48', 'ストレート', 1, ''",       // two digits for a straight
             "'2024-06-01', 1, 1, '048', 'ミニ', 1, ''",            // three digits for a mini
             "'2024-06-01', 1, 1, '4a8', 'ストレート', 1, ''",      // not digits
             "'2024-06-01', 1, 1, '555', 'ボックス', 1, ''",        // triple box
             "'2024-06-01', 1, 1, '555', 'セット', 1, ''",          // triple set
             "'2024-06-01', 1, 1, '048', 'くじ', 1, ''",            // no such type
             "'2024-06-01', 1, 1, '048', 'ストレート', 100, ''",    // 100 units
             "'2024-06-01', 1, 1, '048', 'ストレート', 1.5, ''",    // not whole
         })
        EXPECT_EQ(RawInsert(path, bad) & 0xff, SQLITE_CONSTRAINT) << bad;
    for (const char* good :
         {"'2024-06-01', 1, 1, '1123', 'ボックス', 1, ''", "'2024-06-01', 1, 1, '1112', 'セット', 1, ''"})
        EXPECT_EQ(RawInsert(path, good, 4), SQLITE_OK) << good;
    for (const char* bad : {
             "'2024-06-01', 1, 1, '048', 'ストレート', 1, ''",  // three digits for ナンバーズ4
             "'2024-06-01', 1, 1, '1111', 'ボックス', 1, ''",   // quadruple box
             "'2024-06-01', 1, 1, '1111', 'セット', 1, ''",     // quadruple set
             "'2024-06-01', 1, 1, '48', 'ミニ', 1, ''",         // no ミニ in ナンバーズ4
         })
        EXPECT_EQ(RawInsert(path, bad, 4) & 0xff, SQLITE_CONSTRAINT) << bad;
    EXPECT_EQ(RawInsert(path, "'2024-06-01', 1, 1, '1234', 'ストレート', 1, ''", 5) & 0xff, SQLITE_CONSTRAINT);
    const auto book = TicketStore::Open(path).ReadAll();
    ASSERT_EQ(book.size(), 3u);
    EXPECT_EQ(book[0].game, &kNumbers3);
    EXPECT_EQ(book[1].game, &kNumbers4);

    // The rules refuse the same before the table is asked, in words.
    Purchase quadruple = Sample("1111", TicketKind::Box);
    quadruple.game = &kNumbers4;
    EXPECT_EQ(PurchaseError(quadruple), "ゾロ目（1111）はボックスでは買えません。");
    quadruple.種類 = TicketKind::Mini;
    EXPECT_EQ(PurchaseError(quadruple), "ナンバーズ4にミニはありません。");
    EXPECT_THROW(TicketStore::Open(path).Add(quadruple), StoreError);
}

TEST(TicketStore, ImportIsAllOrNothing) {
    TempDir dir;
    TicketStore store = TicketStore::Open(dir.file("d.db"));
    store.Add(Sample());
    Purchase bad = Sample("555", TicketKind::Box);
    EXPECT_THROW(store.AddAll({Sample("123"), bad}, true), StoreError);
    ASSERT_EQ(store.ReadAll().size(), 1u);
    EXPECT_EQ(store.ReadAll()[0].番号, "048");
    store.AddAll({Sample("123"), Sample("456")}, false);
    EXPECT_EQ(store.ReadAll().size(), 3u);
    store.AddAll({Sample("789")}, true);
    ASSERT_EQ(store.ReadAll().size(), 1u);
    EXPECT_EQ(store.ReadAll()[0].番号, "789");
    EXPECT_THROW(store.Add(bad), StoreError);
}
