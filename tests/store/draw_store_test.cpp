#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "game_params.h"
#include "io/history_csv.h"
#include "make_draw.h"
#include "platform/store/database.h"
#include "platform/store/draw_store.h"
#include "platform/store/startup_load.h"
#include "raw_sqlite.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::RawExec;
using n3::testing::TempDir;

namespace {

using n3::testing::GameDraw;
using n3::testing::GameParamName;
using n3::testing::MakeDraw;

}  // namespace

TEST(DrawStore, FirstOpenCreatesTheSchemaAndAnEmptyHistory) {
    TempDir dir;
    const auto path = dir.file("Numbers3Zubarin.db");
    auto store = DrawStore::Open(path);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(store.ReadHistory().empty());
    EXPECT_EQ(RawExec(path, "SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 全データ選択クエリ"), SQLITE_OK);
}

TEST(DrawStore, SchemaRefusesValuesOutsideTheDataModel) {
    TempDir dir;
    const auto path = dir.file("x.db");
    DrawStore::Open(path);
    EXPECT_NE(RawExec(path, "INSERT INTO 当選データ VALUES (1, 10, 0, 0)"), SQLITE_OK);
    EXPECT_NE(RawExec(path, "INSERT INTO 当選データ VALUES (2, -1, 0, 0)"), SQLITE_OK);
    EXPECT_NE(RawExec(path, "INSERT INTO 当選データ VALUES (3, 'a', 0, 0)"), SQLITE_OK);
    EXPECT_NE(RawExec(path, "INSERT INTO 当選データ VALUES (0, 1, 2, 3)"), SQLITE_OK);
    EXPECT_NE(RawExec(path, "INSERT INTO 当選データ VALUES (32768, 1, 2, 3)"), SQLITE_OK);
    EXPECT_EQ(RawExec(path, "INSERT INTO 当選データ VALUES (32767, 9, NULL, 0)"), SQLITE_OK);
    EXPECT_EQ(DrawStore::Open(path).DrawCount(), 1);
}

// The draws of each game in the one file.
class GameDrawStore : public ::testing::TestWithParam<const Game*> {
protected:
    const Game& game = *GetParam();
    TempDir dir;
    std::unique_ptr<Database> db = Database::Open(dir.file("x.db"));
    DrawStore& store = db->draws(game);
    Draw draw(int drawNo, std::string_view digits) const { return GameDraw(drawNo, digits, game); }
};

TEST_P(GameDrawStore, NewRowsTakeTheNextNumberAfterTheHighest) {
    store.Import({draw(5, "1234"), draw(2, "4567")});
    EXPECT_EQ(store.InsertDraw(), 6);
    store.SetDigit(6, 1, 7);
    store.SetDigit(6, game.digits - 1, 8);
    store.DeleteDraw(2);
    const auto h = store.ReadHistory();
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ(h[0].drawNo, 5);
    EXPECT_EQ(h[1].drawNo, 6);
    EXPECT_FALSE(h[1].digits[0].has_value());
    EXPECT_EQ(h[1].digits[1], 7);
    EXPECT_EQ(h[1].digits[std::size_t(game.digits - 1)], 8);
    EXPECT_THROW(store.SetDigit(6, 0, 12), StoreError);
    EXPECT_THROW(store.SetDigit(6, game.digits, 1), StoreError);
    EXPECT_TRUE(store.SetDigitIfStored(6, 0, 3, h[1].digits));
    EXPECT_FALSE(store.SetDigitIfStored(6, 0, 4, h[1].digits));
}

TEST_P(GameDrawStore, ImportReplacesStoredDrawsAndIsAllOrNothing) {
    auto counts = store.Import({draw(1, "1234"), draw(2, "4567")});
    EXPECT_EQ(counts.added, 2);
    counts = store.Import({draw(2, "0000"), draw(3, "9999")});
    EXPECT_EQ(counts.added, 1);
    EXPECT_EQ(counts.replaced, 1);
    EXPECT_EQ(store.ReadHistory()[1].digits[0], 0);
    EXPECT_TRUE(store.ReadHistory()[0].complete(game));

    // A value the schema refuses in the middle of a batch stores nothing.
    Draw wrong = draw(5, "1111");
    wrong.digits[std::size_t(game.digits - 1)] = 11;
    EXPECT_THROW(store.Import({draw(4, "1111"), wrong}), StoreError);
    EXPECT_EQ(store.DrawCount(), 3);
    // The other game's draws are elsewhere.
    for (const Game* other : kGames)
        if (other != &game) {
            EXPECT_EQ(db->draws(*other).DrawCount(), 0);
        }
}

INSTANTIATE_TEST_SUITE_P(Games, GameDrawStore, ::testing::ValuesIn(kGames), GameParamName);

TEST(DrawStore, UnusableFilesAreReportedAndLeftUntouched) {
    TempDir dir;
    const std::string junk = "this is not a database, just text\n";
    const auto notDb = dir.write("junk.db", junk);
    EXPECT_THROW(DrawStore::Open(notDb), StoreError);
    std::ifstream in(notDb, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), junk);

    const auto noView = dir.file("noview.db");
    RawExec(noView, "CREATE TABLE t (x)");
    try {
        DrawStore::Open(noView);
        ADD_FAILURE() << "a database without the view must not open";
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find("全データ選択クエリ"), std::string::npos);
    }
    EXPECT_THROW(DrawStore::Open(dir.file("missing.db"), false), StoreError);
}

TEST(StartupLoad, ReadsTheHistoryInDrawOrderWithItsStatistics) {
    TempDir dir;
    const auto path = dir.file("x.db");
    DrawStore::Open(path).Import({MakeDraw(3, 1, 1, 1), MakeDraw(1, 2, 2, 2), MakeDraw(4, 5, std::nullopt, 5)});
    const auto snap = LoadHistorySnapshot(path);
    ASSERT_EQ(snap.history.size(), 3u);
    EXPECT_EQ(snap.history[0].drawNo, 1);
    EXPECT_EQ(snap.stats.DigitCount[1], 3);
    EXPECT_EQ(snap.stats.DigitCount[2], 3);
    EXPECT_EQ(snap.stats.DigitCount[5], 0);
    EXPECT_EQ(snap.stats.LatestDrawNo, 3);
}

TEST(HistoryCsv, ExportThenImportIsANoOp) {
    TempDir dir;
    auto store = DrawStore::Open(dir.file("x.db"));
    store.Import({MakeDraw(1, 0, 1, 2), MakeDraw(2, std::nullopt, 9, 9), MakeDraw(7, 5, 5, 5)});
    const std::string csv = WriteHistoryCsv(store.ReadHistory());
    const auto parsed = ParseHistoryCsv(csv);
    ASSERT_TRUE(parsed.ok()) << parsed.error->reason;
    const auto counts = store.Import(parsed.draws);
    EXPECT_EQ(counts.added, 0);
    EXPECT_EQ(counts.replaced, 0);
    EXPECT_EQ(counts.unchanged, 3);
    EXPECT_EQ(WriteHistoryCsv(store.ReadHistory()), csv);
}
