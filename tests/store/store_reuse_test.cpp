// An open store after something failed on it: a refused import or a schema
// step that threw leaves no transaction open and the connection usable, so
// the program goes on with the same connection instead of reopening.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <stdexcept>

#include "make_draw.h"
#include "platform/store/database.h"
#include "platform/store/draw_store.h"
#include "platform/store/result_store.h"
#include "platform/store/schema.h"
#include "temp_dir.h"
#include "tickets/ticket.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

using n3::testing::MakeDraw;

DrawResult MakeResult(int no, long long miniYen) {
    DrawResult r;
    r.drawNo = no;
    r.date = "2026-08-20";
    r.prize(PrizeKind::Mini) = Prize{10, miniYen};
    return r;
}

std::string Text(const DrawHistory& h) {
    std::string out;
    for (const Draw& d : h) {
        out += std::to_string(d.drawNo) + ":";
        for (int i = 0; i < kNumbers3.digits; ++i)
            out += d.digits[std::size_t(i)] ? char('0' + *d.digits[std::size_t(i)]) : '-';
        out += ' ';
    }
    return out;
}

struct FailedImport {
    const char* name;
    std::function<void(Database&)> run;  // must throw StoreError
};

void PrintTo(const FailedImport& f, std::ostream* os) { *os << f.name; }

class StoreAfterAFailedImport : public ::testing::TestWithParam<FailedImport> {};

}  // namespace

TEST_P(StoreAfterAFailedImport, KeepsItsDataAndTakesTheNextImport) {
    TempDir dir;
    const auto db = Database::Open(dir.file("n3.db"));
    db->Import({MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6)}, {MakeResult(2, 9000)}, false);
    const std::string before = Text(db->draws().ReadHistory());
    int changes = 0;
    db->setChangeListener([&changes](DataChange) { ++changes; });

    EXPECT_THROW(GetParam().run(*db), StoreError);

    // Nothing of the refused import stayed, nothing was announced, and no
    // transaction is left open.
    EXPECT_EQ(changes, 0);
    EXPECT_NE(sqlite3_get_autocommit(db->draws().connection()), 0);
    EXPECT_EQ(Text(db->draws().ReadHistory()), before);
    ASSERT_EQ(db->ReadSnapshot().results.size(), 1u);
    EXPECT_EQ(db->ReadSnapshot().results[0].prize(PrizeKind::Mini).yen, 9000);

    // The same connection goes on: an import, a new row, an edit, a ticket.
    const ResultImport next = db->Import({MakeDraw(3, 7, 8, 9)}, {MakeResult(3, 8000)}, false);
    EXPECT_EQ(next.counts.added, 1);
    EXPECT_EQ(next.results, 1);
    EXPECT_EQ(db->draws().InsertDraw(), 4);
    db->draws().SetDigit(4, 0, 5);
    Purchase p;
    p.購入日 = "2026-08-20";
    p.最初の回数 = 5;
    p.番号 = "123";
    EXPECT_GT(db->tickets().Add(p), 0);
    EXPECT_GE(changes, 4);
    EXPECT_EQ(Text(db->draws().ReadHistoryForEditing()), "1:123 2:456 3:789 4:5-- ");
    // The typed draw 4 has the schedule's date after draw 3's, marked estimated.
    ASSERT_EQ(db->ReadSnapshot().results.size(), 3u);
    EXPECT_EQ(db->ReadSnapshot().results[2].date, "2026-08-21");
    EXPECT_TRUE(db->ReadSnapshot().results[2].dateEstimated);
    // A second connection sees all of it: it was committed.
    const auto again = Database::Open(dir.file("n3.db"), false);
    EXPECT_EQ(Text(again->draws().ReadHistoryForEditing()), "1:123 2:456 3:789 4:5-- ");
    EXPECT_EQ(again->tickets().ReadAll().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, StoreAfterAFailedImport,
    ::testing::Values(
        // The bad row comes last, after rows that were already written.
        FailedImport{"DrawNumberZero",
                     [](Database& d) {
                         d.draws().Import({MakeDraw(5, 1, 1, 1), MakeDraw(0, 1, 1, 1)});
                     }},
        FailedImport{"DrawNumberTooHigh",
                     [](Database& d) {
                         d.draws().Import({MakeDraw(6, 1, 1, 1), MakeDraw(kMaxDrawNo + 1, 1, 1, 1)});
                     }},
        FailedImport{"DigitTen",
                     [](Database& d) {
                         d.draws().Import({MakeDraw(1, 9, 9, 9), MakeDraw(7, 10, 0, 0)});
                     }},
        FailedImport{"NegativePrize",
                     [](Database& d) {
                         d.Import({MakeDraw(8, 1, 2, 3)}, {MakeResult(2, 7000), MakeResult(8, -1)}, true);
                     }}),
    [](const auto& test) { return std::string(test.param.name); });

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
