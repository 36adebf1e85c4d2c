// An open store after something failed on it: a refused import or a schema
// step that threw leaves no transaction open and the connection usable, so
// the program goes on with the same connection instead of reopening.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <stdexcept>

#include "platform/store/draw_store.h"
#include "platform/store/result_store.h"
#include "platform/store/schema.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

Draw MakeDraw(int no, std::optional<int> a, std::optional<int> b, std::optional<int> c) {
    Draw d;
    d.回数 = no;
    d.digits = {a, b, c};
    return d;
}

DrawResult MakeResult(int no, long long miniYen) {
    DrawResult r;
    r.回数 = no;
    r.date = "2026-08-20";
    r.prize(PrizeKind::Mini) = Prize{10, miniYen};
    return r;
}

std::string Text(const DrawHistory& h) {
    std::string out;
    for (const Draw& d : h) {
        out += std::to_string(d.回数) + ":";
        for (const auto& x : d.digits) out += x ? char('0' + *x) : '-';
        out += ' ';
    }
    return out;
}

struct FailedImport {
    const char* name;
    std::function<void(DrawStore&)> run;  // must throw StoreError
};

void PrintTo(const FailedImport& f, std::ostream* os) { *os << f.name; }

class StoreAfterAFailedImport : public ::testing::TestWithParam<FailedImport> {};

}  // namespace

TEST_P(StoreAfterAFailedImport, KeepsItsDataAndTakesTheNextImport) {
    TempDir dir;
    auto store = DrawStore::Open(dir.file("n3.db"));
    ImportDrawsAndResults(store, {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6)}, {MakeResult(2, 9000)}, true, false);
    const std::string before = Text(store.ReadHistory());

    EXPECT_THROW(GetParam().run(store), StoreError);

    // Nothing of the refused import stayed, and no transaction is left open.
    EXPECT_NE(sqlite3_get_autocommit(store.connection()), 0);
    EXPECT_EQ(Text(store.ReadHistory()), before);
    ASSERT_EQ(ReadResults(store).size(), 1u);
    EXPECT_EQ(ReadResults(store)[0].prize(PrizeKind::Mini).yen, 9000);

    // The same connection goes on: an import, a new row and an edit.
    const ResultImport next = ImportDrawsAndResults(store, {MakeDraw(3, 7, 8, 9)}, {MakeResult(3, 8000)}, true, false);
    EXPECT_EQ(next.counts.added, 1);
    EXPECT_EQ(next.results, 1);
    EXPECT_EQ(store.InsertDraw(), 4);
    store.SetDigit(4, 0, 5);
    EXPECT_EQ(Text(store.ReadHistoryForEditing()), "1:123 2:456 3:789 4:5-- ");
    EXPECT_EQ(ReadResults(store).size(), 2u);
    EXPECT_EQ(Text(DrawStore::Open(dir.file("n3.db"), false).ReadHistoryForEditing()), "1:123 2:456 3:789 4:5-- ");
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, StoreAfterAFailedImport,
    ::testing::Values(
        // The bad row comes last, after rows that were already written.
        FailedImport{"DrawNumberZero",
                     [](DrawStore& s) {
                         s.Import({MakeDraw(5, 1, 1, 1), MakeDraw(0, 1, 1, 1)});
                     }},
        FailedImport{"DrawNumberTooHigh",
                     [](DrawStore& s) {
                         s.Import({MakeDraw(6, 1, 1, 1), MakeDraw(kMaxDrawNo + 1, 1, 1, 1)});
                     }},
        FailedImport{"DigitTen",
                     [](DrawStore& s) {
                         s.Import({MakeDraw(1, 9, 9, 9), MakeDraw(7, 10, 0, 0)});
                     }},
        FailedImport{
            "NegativePrize",
            [](DrawStore& s) {
                ImportDrawsAndResults(s, {MakeDraw(8, 1, 2, 3)}, {MakeResult(2, 7000), MakeResult(8, -1)}, true, true);
            }}),
    [](const auto& info) { return std::string(info.param.name); });

// A schema step that throws on a connection that stays open: the upgrade
// is rolled back, the connection reads the old layout, and the next upgrade
// on the same connection succeeds.
TEST(StoreAfterAFailedSchemaStep, TheSameConnectionUpgradesNextTime) {
    TempDir dir;
    const std::string path = dir.file("Numbers3Zubarin.db");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> close(db, sqlite3_close);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE 当選データ (回数 INTEGER PRIMARY KEY, 第1数字 INTEGER, 第2数字 INTEGER, "
                           "第3数字 INTEGER);"
                           "CREATE VIEW 全データ選択クエリ AS SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 当選データ;"
                           "INSERT INTO 当選データ VALUES (1, 1, 9, 1), (2, 9, 8, 8); PRAGMA user_version = 1;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    const auto version = [db] {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr);
        const int v = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
        sqlite3_finalize(stmt);
        return v;
    };
    const auto rows = [db] {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT count(*) FROM 全データ選択クエリ", -1, &stmt, nullptr);
        const int n = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
        sqlite3_finalize(stmt);
        return n;
    };

    for (const int failing : {2, CurrentSchemaVersion()}) {
        SCOPED_TRACE(failing);
        SetSchemaStepHookForTests([failing](int toVersion) {
            if (toVersion == failing) throw std::runtime_error("injected");
        });
        EXPECT_THROW(PrepareSchema(db, path, false), StoreError);
        SetSchemaStepHookForTests(nullptr);
        EXPECT_NE(sqlite3_get_autocommit(db), 0);
        EXPECT_EQ(version(), 1);
        EXPECT_EQ(rows(), 2);
        EXPECT_NE(sqlite3_exec(db, "SELECT 回数 FROM 当選結果", nullptr, nullptr, nullptr), SQLITE_OK);
    }

    PrepareSchema(db, path, false);
    EXPECT_EQ(version(), CurrentSchemaVersion());
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(sqlite3_exec(db, "INSERT INTO 当選データ VALUES (3, 0, 0, 0)", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "SELECT 回数, 抽せん日 FROM 当選結果", nullptr, nullptr, nullptr), SQLITE_OK);
}
