// The command line for each game: --game on every command, the shipped
// tables of both games, four-digit CSV files told by their columns, and the
// windows ナンバーズ4 has.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"
#include "core/game.h"
#include "file_bytes.h"
#include "game_params.h"
#include "temp_dir.h"
#include "test_paths.h"

using namespace n3;
using n3::testing::Cli;
using n3::testing::FileBytes;
using n3::testing::TempDir;

namespace {

std::string ShippedResults(const Game& game) {
    return FileBytes(std::string(n3::testing::kDataDir) + "/numbers" + std::to_string(game.id) + "-results.csv");
}

std::string GameOption(const Game& game) { return " --game " + std::to_string(game.id); }

class GameCli : public ::testing::TestWithParam<const Game*> {
protected:
    const Game& game = *GetParam();
    TempDir dir;
    std::string db = dir.file("d.db");
};

}  // namespace

TEST_P(GameCli, ImportBundledFillsTheGameAloneAndExportGivesTheShippedTableBack) {
    const auto r = Cli("--db " + db + GameOption(game) + " import-bundled");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("追加 7053 件"), std::string::npos) << r.out;
    for (const Game* other : kGames) {
        const std::string exported = Cli("--db " + db + GameOption(*other) + " export", "2>/dev/null").out;
        // A header and 7053 draws, or the header alone.
        EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), other == &game ? 7054 : 1);
    }
    const std::string exported = Cli("--db " + db + GameOption(game) + " export --results", "2>/dev/null").out;
    const std::string shipped = ShippedResults(game);
    EXPECT_EQ(exported.substr(0, exported.find('\n')), shipped.substr(0, shipped.find('\n')));
    EXPECT_NE(exported.find(shipped.substr(shipped.find("\n7053,") + 1)), std::string::npos);

    // The exported file names its game by its columns: it goes back in
    // without --game, and with the other game's --game it is refused.
    const std::string file = dir.write("r.csv", exported);
    const std::string copy = dir.file("e.db");
    for (const Game* other : kGames)
        if (other != &game) {
            const auto refused = Cli("--db " + copy + GameOption(*other) + " import " + file);
            EXPECT_EQ(refused.status, 2) << refused.out;
            EXPECT_NE(refused.out.find("--game " + std::to_string(game.id)), std::string::npos) << refused.out;
        }
    ASSERT_EQ(Cli("--db " + copy + " import " + file).status, 0);
    EXPECT_TRUE(Cli("--db " + copy + GameOption(game) + " export --results", "2>/dev/null").out == exported);
}

INSTANTIATE_TEST_SUITE_P(Games, GameCli, ::testing::ValuesIn(kGames), n3::testing::GameParamName);

TEST(SecondGameCli, ImportBundledWithoutGameFillsBothAndOtherGameNumbersAreRefused) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    const auto r = Cli("--db " + db + " import-bundled");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("当選結果 7053 件（ナンバーズ4）"), std::string::npos) << r.out;
    for (const char* wrong : {"5", "x", "34"}) {
        const auto refused = Cli("--db " + db + " --game " + wrong + " stats");
        EXPECT_EQ(refused.status, 2) << refused.out;
        EXPECT_NE(refused.out.find("--game には 3 か 4 を指定してください"), std::string::npos) << refused.out;
    }
    // Full-width digits name the game too.
    EXPECT_EQ(Cli("--db " + db + " --game ４ stats").status, 0);
    // The shipped ナンバーズ3 table's draws whose straight prize disagrees
    // with their own box and set prizes.
    const std::string list = Cli("--db " + db + " show 当選結果一覧 --format json", "2>/dev/null").out;
    EXPECT_NE(list.find("\"prizeRuleBroken\": [108, 110, 168]"), std::string::npos);
}

TEST(SecondGameCli, TheWindowsOfTheSecondGameAndTheirNumbers) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    const std::string file = dir.write("n4.csv",
                                       "回号,抽せん日,第1数字,第2数字,第3数字,第4数字,ストレート当選金額\n"
                                       "1,2026-08-18,1,2,3,4,900000\n"
                                       "2,2026-08-19,4,3,2,1,950000\n"
                                       "3,2026-08-20,0,0,1,2,800000\n");
    ASSERT_EQ(Cli("--db " + db + " import " + file).status, 0);
    const std::string listed = Cli("--db " + db + " --game 4 show '?'").out;
    for (const char* window : {"数字検索", "次回の抽せん", "出現頻度分析", "数字合計分析", "購入記録"})
        EXPECT_NE(listed.find(window), std::string::npos) << window << listed;
    EXPECT_EQ(listed.find("ミニ分析"), std::string::npos) << listed;
    const auto mini = Cli("--db " + db + " --game 4 show ミニ分析");
    EXPECT_EQ(mini.status, 2);
    EXPECT_NE(mini.out.find("ナンバーズ4にはありません"), std::string::npos) << mini.out;

    const std::string next = Cli("--db " + db + " --game 4 show 次回の抽せん --format json", "2>/dev/null").out;
    EXPECT_NE(next.find("\"draw\": 4, \"date\": \"2026-08-21\""), std::string::npos) << next.substr(0, 400);
    EXPECT_NE(next.find("\"kind\": \"ボックス（ダブルダブル）\", \"chance\": 0.0006"), std::string::npos);

    const std::string lookup =
        Cli("--db " + db + " --game 4 show 数字検索 --number １２３４ --format json", "2>/dev/null").out;
    EXPECT_NE(lookup.find("\"number\": \"1234\", \"draws\": 3, \"straightCount\": 1"), std::string::npos)
        << lookup.substr(0, 400);
    EXPECT_NE(lookup.find("\"boxCount\": 2"), std::string::npos);
    const auto wrongNumber = Cli("--db " + db + " --game 4 show 数字検索 --number 12345");
    EXPECT_EQ(wrongNumber.status, 2);
    EXPECT_NE(wrongNumber.out.find("0000～9999"), std::string::npos) << wrongNumber.out;
}

TEST(SecondGameCli, EachPurchaseIsCheckedAgainstItsGameAndSummedPerGame) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    const std::string four = dir.write("n4.csv",
                                       "回号,抽せん日,第1数字,第2数字,第3数字,第4数字,ストレート当選金額,"
                                       "ボックス当選金額\n1,2026-08-18,1,1,2,3,900000,75000\n");
    const std::string three = dir.write("n3.csv",
                                        "回号,抽せん日,第1数字,第2数字,第3数字,ストレート当選金額,"
                                        "ボックス当選金額\n1,2026-08-18,1,2,3,90000,15000\n");
    ASSERT_EQ(Cli("--db " + db + " import " + four).status, 0);
    ASSERT_EQ(Cli("--db " + db + " import " + three).status, 0);
    const std::string add = " tickets add --draw 1 --type box --date 2026-08-17 --number ";
    ASSERT_EQ(Cli("--db " + db + " --game 4" + add + "3211").status, 0);  // 12 orders
    ASSERT_EQ(Cli("--db " + db + add + "321").status, 0);
    const auto quadruple = Cli("--db " + db + " --game 4" + add + "1111");
    EXPECT_EQ(quadruple.status, 2);
    EXPECT_NE(quadruple.out.find("ゾロ目（1111）はボックスでは買えません。"), std::string::npos) << quadruple.out;

    const std::string json = Cli("--db " + db + " tickets check --format json", "2>/dev/null").out;
    EXPECT_NE(json.find("\"number\":\"3211\",\"type\":\"ボックス\",\"units\":1,\"draw\":1,\"drawn\":\"1123\","
                        "\"outcome\":\"ボックス 当せん\",\"yen\":75000"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"drawn\":\"123\",\"outcome\":\"ボックス 当せん\",\"yen\":15000"), std::string::npos) << json;
    EXPECT_NE(json.find("\"total\":{\"purchases\":2,\"units\":2,\"spent\":400,\"won\":90000"), std::string::npos);
    EXPECT_NE(json.find("{\"game\":3,\"totals\":{\"purchases\":1,\"units\":1,\"spent\":200,\"won\":15000"),
              std::string::npos);
    EXPECT_NE(json.find("{\"game\":4,\"totals\":{\"purchases\":1,\"units\":1,\"spent\":200,\"won\":75000"),
              std::string::npos);
}
