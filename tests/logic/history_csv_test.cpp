// Reading a history file: the program's own format, the published shape,
// CP932 bytes, quoted fields, and every kind of bad input with its line.
#include <gtest/gtest.h>

#include "io/history_csv.h"
#include "test_history.h"

using namespace n3;

namespace {

// The draws of a parse as history() rows; -1 for an empty digit.
std::vector<std::array<int, 4>> Rows(const CsvParseResult& r) {
    std::vector<std::array<int, 4>> rows;
    for (const Draw& d : r.draws)
        rows.push_back({d.drawNo, d.digits[0].value_or(-1), d.digits[1].value_or(-1), d.digits[2].value_or(-1)});
    return rows;
}

using RowList = std::vector<std::array<int, 4>>;

}  // namespace

TEST(HistoryCsv, OwnFormatReadsWithBomCrLfAndEmptyDigits) {
    const auto r = ParseHistoryCsv("\xEF\xBB\xBF回数,第1数字,第2数字,第3数字\r\n1,0,4,8\r\n2,5,,\r\n9, 9 ,0,1\r\n");
    ASSERT_TRUE(r.ok()) << r.error->reason;
    EXPECT_EQ(Rows(r), (RowList{{1, 0, 4, 8}, {2, 5, -1, -1}, {9, 9, 0, 1}}));
}

TEST(HistoryCsv, WhatIsWrittenReadsBackTheSame) {
    auto h = n3::testing::generatedHistory(500, 3, 7);
    const auto r = ParseHistoryCsv(WriteHistoryCsv(h));
    ASSERT_TRUE(r.ok()) << r.error->reason;
    ASSERT_EQ(r.draws.size(), h.size());
    for (std::size_t i = 0; i < h.size(); ++i) {
        EXPECT_EQ(r.draws[i].drawNo, h[i].drawNo);
        EXPECT_EQ(r.draws[i].digits, h[i].digits);
    }
    EXPECT_TRUE(ParseHistoryCsv(WriteHistoryCsv({})).ok());  // header only: nothing to store
}

TEST(HistoryCsv, PublishedShapeReadsOneFieldNumbersAndIgnoresOtherColumns) {
    const auto r = ParseHistoryCsv(
        "回号,抽せん日,当せん番号,ストレート口数,ストレート当せん金額,備考\r\n"
        "第6797回,2025/08/22,048,\"1,234\",\"90,400\",\"「雨」, \"\"中止\"\" なし\"\r\n"
        "6798,2025-08-25,900,12,\"1,234,500\",\r\n"
        "\"第6799回\",2025/08/26,=\"007\",0,\"0\",\"二行に\r\nわたる備考\"\r\n"
        "第６８００回,2025/08/27,　１２３　,1,1,\r\n");
    ASSERT_TRUE(r.ok()) << r.error->line << ": " << r.error->reason;
    EXPECT_EQ(Rows(r), (RowList{{6797, 0, 4, 8}, {6798, 9, 0, 0}, {6799, 0, 0, 7}, {6800, 1, 2, 3}}));
}

TEST(HistoryCsv, HeaderNamesAreRecognisedWhereverTheColumnsStand) {
    const struct {
        const char* text;
        RowList rows;
    } cases[] = {
        {"抽選日,回別,当選番号\n2025/01/01,第5回,321\n", {{5, 3, 2, 1}}},
        {"開催回,抽せん数字\n7,000\n", {{7, 0, 0, 0}}},
        {"日付,ナンバーズ３,回\n2025/1/1,555,3\n", {{3, 5, 5, 5}}},
        {"回号,一の位,十の位,百の位\n4,1,2,3\n", {{4, 3, 2, 1}}},
        {"\"回数\",\"第１数字\",\"2桁目\",\"第3数字\",\"曜日\"\n2,7,,9,月\n", {{2, 7, -1, 9}}},
    };
    for (const auto& c : cases) {
        const auto r = ParseHistoryCsv(c.text);
        ASSERT_TRUE(r.ok()) << c.text << r.error->reason;
        EXPECT_EQ(Rows(r), c.rows) << c.text;
    }
}

TEST(HistoryCsv, BlankLinesAndEmptyRowsAreSkippedAndLinesStillCount) {
    const auto r = ParseHistoryCsv("\n\r\n回号,日付,当せん番号\n\n1,,111\n,,\n \n2,,222\r3,,333\r\n");
    ASSERT_TRUE(r.ok()) << r.error->reason;
    EXPECT_EQ(Rows(r), (RowList{{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}}));
    // Lone CR line ends and a line break inside quotes both advance the line count.
    const auto bad = ParseHistoryCsv("回号,備考,当せん番号\r1,\"a\nb\",111\r\n2,x,12a\n");
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error->line, 4);
}

TEST(HistoryCsv, Cp932BytesAreReadWhenTheFileIsNotUtf8) {
    // 回号,抽せん日,当せん番号,備考 / 第123回,2025/08/25,048,ソｱ髙  in CP932
    const std::string bytes =
        "\x89\xF1\x8D\x86,\x92\x8A\x82\xB9\x82\xF1\x93\xFA,\x93\x96\x82\xB9\x82\xF1\x94\xD4\x8D\x86,"
        "\x94\xF5\x8D\x6C\r\n"
        "\x91\xE6"
        "123\x89\xF1,2025/08/25,048,\x83\x5C\xB1\xFB\xFC\r\n"
        "\x91\xE6"
        "124\x89\xF1,2025/08/26,\"999\",\r\n";
    const auto r = ParseHistoryCsv(bytes);
    ASSERT_TRUE(r.ok()) << r.error->reason;
    EXPECT_EQ(Rows(r), (RowList{{123, 0, 4, 8}, {124, 9, 9, 9}}));

    // The program's own header in CP932.
    const auto own = ParseHistoryCsv(
        "\x89\xF1\x90\x94,\x91\xE6"
        "1\x90\x94\x8E\x9A,\x91\xE6"
        "2\x90\x94\x8E\x9A,\x91\xE6"
        "3\x90\x94\x8E\x9A\n5,1,2,3\n");
    ASSERT_TRUE(own.ok()) << own.error->reason;
    EXPECT_EQ(Rows(own), (RowList{{5, 1, 2, 3}}));
}

TEST(HistoryCsv, BytesNeitherUtf8NorCp932AreRefusedWithTheirLine) {
    const struct {
        std::string bytes;
        int line;
        const char* says;
    } cases[] = {
        {"回数,第1数字,第2数字,第3数字\n1,1,1,1\n2,\x80,1,1\n", 3, "Shift-JIS"},
        {"\xFF\xFE\x9E\x56\x70\x65", 1, "UTF-16"},
        {std::string("回数,第1数字,第2数字,第3数字\n1,1,1,1") + '\0', 2, "NUL"},
        // UTF-8 text with one stray byte: CP932 reads it as nonsense, and the reason says where UTF-8 broke.
        {"回号,当せん番号\n1,123\n2,\xB1\xB1\xB1\n", 1, "3行目"},
        {"\xEF\xBB\xBF回数,第1数字,第2数字,第3数字\n\x89\xF1\n", 2, "UTF-8として"},  // a BOM rules out CP932
    };
    for (const auto& c : cases) {
        const auto r = ParseHistoryCsv(c.bytes);
        ASSERT_FALSE(r.ok()) << c.bytes;
        EXPECT_TRUE(r.draws.empty());
        EXPECT_EQ(r.error->line, c.line) << r.error->reason;
        EXPECT_NE(r.error->reason.find(c.says), std::string::npos) << r.error->reason;
    }
}

TEST(HistoryCsv, EveryBadInputNamesItsLineAndKeepsNoDraws) {
    const struct {
        const char* text;
        int line;
        const char* says;
    } cases[] = {
        {"", 1, "空"},
        {"\r\n\n", 1, "空"},
        {"1,0,4,8\n2,1,1,1\n", 1, "見出し行がありません"},
        {"ナンバーズ3 当せん番号一覧\n回号,当せん番号\n1,123\n", 1, "回数の列"},
        {"回号,日付\n1,2025/01/01\n", 1, "当せん番号の列"},
        {"回数,第1数字,第2数字\n1,1,1\n", 1, "第3数字の列"},
        {"回号,回数,当せん番号\n", 1, "回数の列が2つ"},
        {"回号,当せん番号,当選番号\n", 1, "当せん番号の列が2つ"},
        {"回号,第1数字,百の位,第2数字,第3数字\n", 1, "第1数字の列が2つ"},
        {"回号,当せん番号,第1数字,第2数字,第3数字\n", 1, "両方"},
        {"回数,第1数字,第2数字,第3数字\n1,1,1,1\n32768,1,2,3\n", 3, "1～32767"},
        {"回号,当せん番号\n第0回,123\n", 2, "1～32767"},
        {"回号,当せん番号\n第99999999999回,123\n", 2, "1～32767"},
        {"回号,当せん番号\n-5,123\n", 2, "回数として読めません"},
        {"回号,当せん番号\n第一回,123\n", 2, "回数として読めません"},
        {"回号,当せん番号\n,123\n", 2, "回号が空"},
        {"回数,第1数字,第2数字,第3数字\n1,1,2,10\n", 2, "第3数字「10」が0～9"},
        {"回数,第1数字,第2数字,第3数字\n1,a,2,3\n", 2, "第1数字「a」"},
        {"回号,当せん番号\n1,1234\n", 2, "3桁ではありません"},
        {"回号,当せん番号\n1,0 4 8\n", 2, "3桁の数字ではありません"},
        {"回号,当せん番号\n1,\n", 2, "当せん番号が空"},
        {"回数,第1数字,第2数字,第3数字\n1,1,1,1\n4,1,2,3\n1,0,0,0\n", 4, "2行目と同じ"},
        {"回号,当せん番号\n第7回,111\n7,222\n", 3, "回数7が2回"},
        {"回数,第1数字,第2数字,第3数字\n1,1,2\n", 2, "項目が足りません（見出し行は4項目、この行は3項目）"},
        {"回数,第1数字,第2数字,第3数字\n1,1,2,3,4\n", 2, "項目が多すぎます"},
        {"回号,当せん番号\n1,\"123\n", 2, "閉じられていません"},
        {"回号,当せん番号\n1,\"12\"3\n", 2, "余分な文字"},
    };
    for (const auto& c : cases) {
        const auto r = ParseHistoryCsv(c.text);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_TRUE(r.draws.empty()) << c.text;
        EXPECT_EQ(r.error->line, c.line) << c.text << r.error->reason;
        EXPECT_NE(r.error->reason.find(c.says), std::string::npos) << c.text << " → " << r.error->reason;
    }
}

// A spreadsheet that stored 当せん番号 as a value wrote 52 for 052 and 7 for
// 007: those read as the three-digit numbers and are counted; the columns
// of separate digits keep their own rule.
TEST(HistoryCsv, NumbersThatLostTheirLeadingZerosArePaddedAndCounted) {
    const struct {
        const char* text;
        RowList rows;
        int padded;
    } cases[] = {
        {"回号,当せん番号\n1,52\n2,7\n3,123\n4,0\n", {{1, 0, 5, 2}, {2, 0, 0, 7}, {3, 1, 2, 3}, {4, 0, 0, 0}}, 3},
        {"回号,抽せん日,当せん番号\n第10回,2025/01/01,=\"48\"\n第11回,2025/01/02,048\n",
         {{10, 0, 4, 8}, {11, 0, 4, 8}},
         1},
        {"回号,当せん番号\n5,９\n", {{5, 0, 0, 9}}, 1},
        {"回号,当せん番号\n1,123\n2,456\n", {{1, 1, 2, 3}, {2, 4, 5, 6}}, 0},
        {"回数,第1数字,第2数字,第3数字\n1,0,0,7\n2,5,,\n", {{1, 0, 0, 7}, {2, 5, -1, -1}}, 0},
    };
    for (const auto& c : cases) {
        const auto r = ParseHistoryCsv(c.text);
        ASSERT_TRUE(r.ok()) << c.text << r.error->reason;
        EXPECT_EQ(Rows(r), c.rows) << c.text;
        EXPECT_EQ(r.paddedNumbers, c.padded) << c.text;
    }
    EXPECT_EQ(PaddedNumbersNote(0), "");
    EXPECT_NE(PaddedNumbersNote(3).find("3 行"), std::string::npos);
    // A digit column never pads: "07" in 第3数字 is still refused.
    const auto digits = ParseHistoryCsv("回数,第1数字,第2数字,第3数字\n1,0,0,07\n");
    ASSERT_FALSE(digits.ok());
    EXPECT_NE(digits.error->reason.find("第3数字「07」"), std::string::npos) << digits.error->reason;
}

TEST(HistoryCsv, EmptyExtraFieldsOnlyInPublishedShapesWithMoreColumns) {
    // The program's own shape has exactly its four fields (two for the
    // draw number and the three-digit number): "1,1,2,3," is a broken row.
    for (const char* text :
         {"回数,第1数字,第2数字,第3数字\n1,1,2,3\n2,1,2,3,\n", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n2,1,2,3,,\n",
          "回号,当せん番号\n1,123\n2,456,\n"}) {
        const auto r = ParseHistoryCsv(text);
        ASSERT_FALSE(r.ok()) << text;
        EXPECT_EQ(r.error->line, 3) << text;
        EXPECT_NE(r.error->reason.find("項目が多すぎます"), std::string::npos) << r.error->reason;
    }
    // A published list with further columns may end its rows with empty fields.
    const auto r = ParseHistoryCsv("回号,抽せん日,当せん番号\n1,2025/01/01,123,,\n");
    ASSERT_TRUE(r.ok()) << r.error->reason;
    EXPECT_EQ(Rows(r), (RowList{{1, 1, 2, 3}}));
}
