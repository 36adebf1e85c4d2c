// Draws and results stored together: merged figures, digits that disagree
// with the store refused unless replacing, and the shipped files taken in
// and written back out unchanged.
#include <gtest/gtest.h>

#include "game_params.h"
#include "io/history_csv.h"
#include "io/results_csv_writer.h"
#include "make_draw.h"
#include "platform/store/bundled_data.h"
#include "platform/store/database.h"
#include "platform/store/result_store.h"
#include "platform/store/startup_load.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

using n3::testing::GameDraw;
using n3::testing::MakeDraw;

}  // namespace

class GameResultImport : public ::testing::TestWithParam<const Game*> {};

TEST_P(GameResultImport, DisagreeingDigitsAreRefusedWithBothValuesUnlessReplacing) {
    const Game& game = *GetParam();
    const auto draw = [&game](int drawNo, std::string_view digits) { return GameDraw(drawNo, digits, game); };
    TempDir dir;
    auto db = Database::Open(dir.file("x.db"));
    DrawStore& store = db->draws(game);
    store.Import({draw(1, "1234"), draw(2, "4568")});
    DrawResult r;
    r.drawNo = 2;
    r.date = "2026-01-02";
    r.prize(PrizeKind::Straight) = Prize{3, 90000};
    auto outcome = ImportDrawsAndResults(store, {draw(2, "4578"), draw(3, "0012")}, {r}, false);
    ASSERT_FALSE(outcome.ok());
    ASSERT_EQ(outcome.conflicts.size(), 1u);
    const std::string text = DescribeConflicts(outcome.conflicts);
    EXPECT_NE(text.find("第2回"), std::string::npos) << text;
    EXPECT_NE(text.find("「" + std::string("4568").substr(0, std::size_t(game.digits)) + "」"), std::string::npos)
        << text;
    EXPECT_NE(text.find("「" + std::string("4578").substr(0, std::size_t(game.digits)) + "」"), std::string::npos)
        << text;
    EXPECT_EQ(store.DrawCount(), 2);  // nothing written
    EXPECT_TRUE(ReadResults(store).empty());

    outcome = ImportDrawsAndResults(store, {draw(2, "4578"), draw(3, "0012")}, {r}, true);
    EXPECT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.counts.added, 1);
    EXPECT_EQ(outcome.counts.replaced, 1);
    EXPECT_EQ(outcome.results, 1);
    EXPECT_EQ(store.ReadHistory()[1].digits[2], 7);
    const HistorySnapshot snapshot = db->ReadSnapshot(game);
    EXPECT_EQ(snapshot.results, ResultHistory{r});
    EXPECT_EQ(snapshot.history.size(), 3u);
    // The other game's tables are untouched.
    for (const Game* other : kGames)
        if (other != &game) {
            EXPECT_TRUE(db->ReadSnapshot(*other).results.empty());
        }
}

INSTANTIATE_TEST_SUITE_P(Games, GameResultImport, ::testing::ValuesIn(kGames), n3::testing::GameParamName);

TEST(ResultImport, AFileWithoutAFigureKeepsTheStoredOne) {
    TempDir dir;
    auto store = DrawStore::Open(dir.file("x.db"));
    DrawResult full;
    full.drawNo = 1;
    full.date = "2026-01-01";
    full.prize(PrizeKind::Straight) = Prize{3, 90000};
    ImportDrawsAndResults(store, {MakeDraw(1, 1, 2, 3)}, {full}, false);
    DrawResult dateOnly;
    dateOnly.drawNo = 1;
    dateOnly.date = "2026-01-02";
    ImportDrawsAndResults(store, {MakeDraw(1, 1, 2, 3)}, {dateOnly}, false);
    const ResultHistory stored = ReadResults(store);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].date, "2026-01-02");
    EXPECT_EQ(stored[0].prize(PrizeKind::Straight), (Prize{3, 90000}));
}

TEST(ResultImport, TheShippedFilesGoInAndComeBackOutUnchanged) {
    const BundledData data = ReadBundledData(N3_DATA_DIR);
    ASSERT_FALSE(data.error) << *data.error;
    const CsvParseResult history = ReadHistoryCsvFile(std::string(N3_DATA_DIR) + "/numbers3-history.csv");
    const CsvParseResult results = ReadHistoryCsvFile(std::string(N3_DATA_DIR) + "/numbers3-results.csv");
    ASSERT_TRUE(history.ok() && results.ok());
    EXPECT_EQ(data.firstDrawNo, history.draws.front().drawNo);
    EXPECT_EQ(data.lastDrawNo, history.draws.back().drawNo);
    EXPECT_EQ(BundledImportQuestion(data), "過去の当選データ（第" + std::to_string(data.firstDrawNo) + "回〜第" +
                                               std::to_string(data.lastDrawNo) + "回）を取り込みますか？");

    TempDir dir;
    const auto path = dir.file("x.db");
    {
        auto store = DrawStore::Open(path);
        const ResultImport in = ImportDrawsAndResults(store, data.draws, data.results, false);
        ASSERT_TRUE(in.ok());
        EXPECT_EQ(in.counts.added, int(history.draws.size()));
        EXPECT_EQ(in.results, int(results.results.size()));
    }
    const HistorySnapshot snap = LoadHistorySnapshot(path);
    EXPECT_EQ(WriteHistoryCsv(snap.history), WriteHistoryCsv(history.draws));
    EXPECT_EQ(snap.results, results.results);

    // Written out, read into a new file and written again: the same bytes.
    const std::string exported = WriteResultsCsv(snap.history, snap.results);
    const CsvParseResult back = ParseHistoryCsv(exported);
    ASSERT_TRUE(back.ok()) << back.error->line << ": " << back.error->reason;
    const auto path2 = dir.file("y.db");
    {
        auto store = DrawStore::Open(path2);
        ASSERT_TRUE(ImportDrawsAndResults(store, back.draws, back.results, false).ok());
    }
    const HistorySnapshot snap2 = LoadHistorySnapshot(path2);
    EXPECT_EQ(snap2.results, snap.results);
    EXPECT_EQ(WriteResultsCsv(snap2.history, snap2.results), exported);
}
