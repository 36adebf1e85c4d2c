// Files that carry dates and prizes: every column name, date and amount
// shape a result list may use, the results writer read back, and bad
// fields named with their line.
#include <gtest/gtest.h>

#include <cstdio>

#include "io/history_csv.h"
#include "io/result_amount.h"
#include "io/result_date.h"
#include "io/results_csv_writer.h"

using namespace n3;

namespace {

Prize P(std::optional<std::int64_t> winners, std::optional<std::int64_t> yen) { return Prize{winners, yen}; }

const DrawResult& Only(const CsvParseResult& r) {
    EXPECT_TRUE(r.ok()) << (r.error ? r.error->reason : "");
    EXPECT_TRUE(r.carriesResults);
    static const DrawResult none;
    return r.results.size() == 1 ? r.results[0] : none;
}

}  // namespace

TEST(ResultDate, EveryPublishedShapeGivesTheSameDay) {
    for (const char* text :
         {"2026-08-20", "2026/8/20", "2026/08/20", "2026.8.20", "2026年8月20日", "令和8年8月20日", "R8.8.20",
          "2026-08-20(木)", "2026/8/20 (木)", "令和8年8月20日(木)", "2026年8月20日 木曜日"})
        EXPECT_EQ(ParseResultDate(text), "2026-08-20") << text;
    EXPECT_EQ(ParseResultDate("平成6年10月7日(金)"), "1994-10-07");
    EXPECT_EQ(ParseResultDate("H6/10/7"), "1994-10-07");
    EXPECT_EQ(ParseResultDate("令和元年5月1日"), "2019-05-01");
    EXPECT_EQ(ParseResultDate("2024/2/29"), "2024-02-29");
    EXPECT_TRUE(IsDateWithoutYear("8/20"));
    EXPECT_TRUE(IsDateWithoutYear("8月20日(木)"));
    EXPECT_FALSE(IsDateWithoutYear("2026/8/20"));
    EXPECT_FALSE(IsDateWithoutYear("13/1"));
    for (const char* bad : {"", "2026/2/30", "2025/2/29", "2026/13/1", "2026-08", "8/20", "令和年8月20日",
                            "2026年8月20", "2026/8-20", "2026-08-20x", "昨日"})
        EXPECT_FALSE(ParseResultDate(bad).has_value()) << bad;
}

TEST(ResultAmount, UnitsCommasAndNoFigure) {
    EXPECT_EQ(ParseResultAmount("87100").value, 87100);
    EXPECT_EQ(ParseResultAmount("87,100").value, 87100);
    EXPECT_EQ(ParseResultAmount("87,100円").value, 87100);
    EXPECT_EQ(ParseResultAmount("1,294口").value, 1294);
    EXPECT_EQ(ParseResultAmount("0").value, 0);
    for (const char* none : {"", "該当なし", "-"}) {
        const AmountRead r = ParseResultAmount(none);
        EXPECT_TRUE(r.ok) << none;
        EXPECT_FALSE(r.value.has_value()) << none;
    }
    for (const char* bad : {"-5", "12a", "円", ",100", "100,", "1.5", "9999999999999999"})
        EXPECT_FALSE(ParseResultAmount(bad).ok) << bad;
}

TEST(ResultCsv, TheShippedShapeReadsDatesCountsAndPrizes) {
    const auto r = ParseHistoryCsv(
        "回号,抽せん日,第1数字,第2数字,第3数字,ストレート口数,ボックス口数,セット（ストレート）口数,"
        "セット（ボックス）口数,ミニ口数,ストレート当選金額,ボックス当選金額,セット（ストレート）当選金額,"
        "セット（ボックス）当選金額,ミニ当選金額\n"
        "7053,2026-08-20,9,1,9,91,188,205,248,429,88500,29500,59000,14700,8800\n");
    const DrawResult& d = Only(r);
    EXPECT_EQ(d.drawNo, 7053);
    EXPECT_EQ(d.date, "2026-08-20");
    EXPECT_EQ(d.prize(PrizeKind::Straight), P(91, 88500));
    EXPECT_EQ(d.prize(PrizeKind::Box), P(188, 29500));
    EXPECT_EQ(d.prize(PrizeKind::SetStraight), P(205, 59000));
    EXPECT_EQ(d.prize(PrizeKind::SetBox), P(248, 14700));
    EXPECT_EQ(d.prize(PrizeKind::Mini), P(429, 8800));
    ASSERT_EQ(r.draws.size(), 1u);
    EXPECT_EQ(r.draws[0].digits, (DrawDigits{9, 1, 9}));
}

TEST(ResultCsv, EveryColumnNameOfEachRoleIsRecognised) {
    // Draw number, date and number names, each in turn with the others fixed.
    for (const char* no : {"回号", "回別", "回数", "No", "開催回", "draw_number"})
        EXPECT_EQ(Only(ParseHistoryCsv(std::string(no) + ",抽せん日,当せん番号\n第12回,2026/8/20,048\n")).drawNo, 12)
            << no;
    for (const char* date : {"抽せん日", "抽選日", "日付", "開催日", "draw_date"})
        EXPECT_EQ(Only(ParseHistoryCsv("回号," + std::string(date) + ",当せん番号\n12,令和8年8月20日(木),048\n")).date,
                  "2026-08-20")
            << date;
    for (const char* number : {"当せん番号", "当選番号", "当選数字", "抽せん数字", "ナンバーズ3抽せん数字",
                               "ナンバーズ３抽せん数字", "winning_number"}) {
        const auto r = ParseHistoryCsv("回号,抽せん日," + std::string(number) + "\n12,2026-08-20,048\n");
        ASSERT_TRUE(r.ok()) << number << ": " << r.error->reason;
        EXPECT_EQ(r.draws[0].digits, (DrawDigits{0, 4, 8})) << number;
    }
    // Counts and prizes: every spelling of every prize.
    const struct {
        const char* winners;
        const char* yen;
        PrizeKind kind;
    } prizes[] = {
        {"ストレート口数", "ストレート当選金額", PrizeKind::Straight},
        {"ストレート_口数", "ストレート賞金", PrizeKind::Straight},
        {"ストレート当せん口数", "ストレート_金額", PrizeKind::Straight},
        {"ボックス口数", "ボックス当せん金額", PrizeKind::Box},
        {"セット(ストレート)口数", "セット(ストレート)当選金額", PrizeKind::SetStraight},
        {"セット（ストレート）_口数", "セット（ストレート）_賞金", PrizeKind::SetStraight},
        {"セットS口数", "セットS当選金額", PrizeKind::SetStraight},
        {"セット(ボックス)口数", "セット（ボックス）当選金額", PrizeKind::SetBox},
        {"セットB_口数", "セットB_金額", PrizeKind::SetBox},
        {"ミニ口数", "ミニ賞金", PrizeKind::Mini},
    };
    for (const auto& p : prizes) {
        const std::string body =
            std::string("回号,当せん番号,") + p.winners + "," + p.yen + "\n12,048,62口,\"87,100円\"\n";
        const CsvParseResult parsed = ParseHistoryCsv(body);
        const DrawResult& d = Only(parsed);
        EXPECT_EQ(d.prize(p.kind), P(62, 87100)) << p.winners << " " << p.yen;
        for (int k = 0; k < kPrizeKindCount; ++k)
            if (PrizeKind(k) != p.kind) {
                EXPECT_EQ(d.prizes[std::size_t(k)], Prize{}) << p.winners;
            }
    }
}

TEST(ResultCsv, NoFigureTriplesAndZeroPrizesStoreUnknownNeverZero) {
    const auto r = ParseHistoryCsv(
        "回号,抽せん日,当せん番号,ストレート口数,ストレート当選金額,ボックス口数,ボックス当選金額,"
        "セットB口数,セットB当選金額,ミニ口数,ミニ当選金額\n"
        "1,2026-08-19,777,0,0,0,0,0,0,664,6900\n"
        "2,2026-08-20,123,該当なし,-,5,\"1,000円\",,,1,100\n"
        "3,,456,,,,,,,,\n");
    ASSERT_TRUE(r.ok()) << r.error->reason;
    ASSERT_EQ(r.results.size(), 2u);  // draw 3 has nothing known: no entry
    const DrawResult& triple = r.results[0];
    EXPECT_EQ(triple.prize(PrizeKind::Straight), P(0, std::nullopt));
    EXPECT_EQ(triple.prize(PrizeKind::Box), Prize{});
    EXPECT_EQ(triple.prize(PrizeKind::SetBox), Prize{});
    EXPECT_EQ(triple.prize(PrizeKind::Mini), P(664, 6900));
    EXPECT_EQ(r.results[1].prize(PrizeKind::Straight), Prize{});
    EXPECT_EQ(r.results[1].prize(PrizeKind::Box), P(5, 1000));
    EXPECT_EQ(r.draws.size(), 3u);
}

TEST(ResultCsv, BadDatesAndAmountsNameTheLineAndStoreNothing) {
    const struct {
        const char* body;
        int line;
        const char* word;
    } cases[] = {
        {"回号,抽せん日,当せん番号\n1,2026-08-20,123\n2,2026/2/30,456\n", 3, "2026/2/30"},
        {"回号,当せん番号,ミニ当選金額\n1,123,100\n2,456,-100\n", 3, "-100"},
        {"回号,当せん番号,ボックス口数\n1,123,たくさん\n", 2, "たくさん"},
        {"回号,当せん番号,ミニ賞金,ミニ当選金額\n1,123,1,1\n", 1, "ミニ"},
    };
    for (const auto& c : cases) {
        const auto r = ParseHistoryCsv(c.body);
        ASSERT_FALSE(r.ok()) << c.body;
        EXPECT_EQ(r.error->line, c.line) << c.body;
        EXPECT_NE(r.error->reason.find(c.word), std::string::npos) << r.error->reason;
        EXPECT_TRUE(r.draws.empty());
        EXPECT_TRUE(r.results.empty());
    }
}

// A bad figure is echoed in the message cut short and without raw control
// characters, whatever the file held.
TEST(ResultCsv, EchoedFiguresAreCutAndCleaned) {
    const std::string longValue(5000, '9');
    for (const std::string& value : {std::string("\x14") + "54", "x" + longValue}) {
        const auto r = ParseHistoryCsv("回号,当せん番号,ストレート口数\n1,123," + value + "\n");
        ASSERT_FALSE(r.ok()) << value;
        EXPECT_LT(r.error->reason.size(), 400u) << r.error->reason;
        for (const char c : r.error->reason) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\n');
    }
}

TEST(ResultCsv, WrittenResultsReadBackToTheSameDrawsAndResults) {
    DrawHistory history;
    ResultHistory results;
    for (int no = 1; no <= 40; ++no) {
        Draw d;
        d.drawNo = no;
        // never a triple: the second digit is odd where the first is even and back
        d.digits = {no % 10, (no * 3 + 1) % 10, no % 4 == 0 ? std::optional<int>() : std::optional<int>((no * 7) % 10)};
        history.push_back(d);
        if (no % 3 == 0) continue;  // draws without results
        DrawResult r;
        r.drawNo = no;
        if (no % 5 != 0) {
            char date[16];
            std::snprintf(date, sizeof date, "2026-01-%02d", no % 28 + 1);
            r.date = date;
        }
        for (int k = 0; k < kPrizeKindCount; ++k)
            r.prizes[std::size_t(k)] =
                P(no * 10 + k, k == no % 5 ? std::nullopt : std::optional<std::int64_t>(no * 1000 + k));
        results.push_back(r);
    }
    const std::string csv = WriteResultsCsv(history, results);
    EXPECT_EQ(csv.substr(0, kResultsCsvHeader.size()), kResultsCsvHeader);
    const auto back = ParseHistoryCsv(csv);
    ASSERT_TRUE(back.ok()) << back.error->line << ": " << back.error->reason;
    ASSERT_EQ(back.draws.size(), history.size());
    for (std::size_t i = 0; i < history.size(); ++i) EXPECT_EQ(back.draws[i].digits, history[i].digits);
    EXPECT_EQ(back.results, results);
    EXPECT_EQ(WriteResultsCsv(back.draws, back.results), csv);
}
