// The bank's per-draw result file: one block or many, Shift_JIS on disk,
// the Numbers 4 part skipped, a broken block named by its line.
#include <gtest/gtest.h>
#include <iconv.h>

#include "io/history_csv.h"

using namespace n3;

namespace {

std::string ToCp932(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string in = utf8;
    std::string out(in.size() * 2 + 16, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const std::size_t rc = iconv(cd, &src, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    EXPECT_NE(rc, std::size_t(-1));
    out.resize(out.size() - outLeft);
    return out;
}

std::string Block(int no, const std::string& date, const std::string& number, const std::string& straight) {
    return "A50\r\n第" + std::to_string(no) + "回ナンバーズ,数字選択式全国自治宝くじ," + date +
           ",東京 宝くじドリーム館\r\n"
           "支払期間,令和8年9月18日から令和9年9月17日まで\r\n"
           "ナンバーズ３抽せん数字," +
           number + "\r\nストレート," + number + "," + straight +
           "\r\n"
           "ボックス,253口,29000円\r\n"
           "セット（ストレート）,162口,58000円\r\n"
           "セット（ボックス）,419口,14500円\r\n"
           "ミニ,下２ケタ,468口,8700円\r\n"
           "ナンバーズ４抽せん数字,6916\r\n"
           "ストレート,6916,10口,1000000円\r\n"
           "ボックス,該当なし\r\n";
}

}  // namespace

TEST(BankResultFile, OneBlockInShiftJisReadsTheDrawAndEveryPrize) {
    const auto r = ParseHistoryCsv(ToCp932(Block(7073, "令和8年9月17日", "188", "62口,87100円")));
    ASSERT_TRUE(r.ok()) << r.error->line << ": " << r.error->reason;
    ASSERT_EQ(r.draws.size(), 1u);
    EXPECT_EQ(r.draws[0].drawNo, 7073);
    EXPECT_EQ(r.draws[0].digits, (DrawDigits{1, 8, 8}));
    ASSERT_EQ(r.results.size(), 1u);
    const DrawResult& d = r.results[0];
    EXPECT_EQ(d.date, "2026-09-17");
    // The last day of the 支払期間 line is the claim deadline.
    EXPECT_EQ(d.claimDeadline, "2027-09-17");
    EXPECT_EQ(d.prize(PrizeKind::Straight), (Prize{62, 87100}));  // not the Numbers 4 straight
    EXPECT_EQ(d.prize(PrizeKind::Box), (Prize{253, 29000}));
    EXPECT_EQ(d.prize(PrizeKind::SetStraight), (Prize{162, 58000}));
    EXPECT_EQ(d.prize(PrizeKind::SetBox), (Prize{419, 14500}));
    EXPECT_EQ(d.prize(PrizeKind::Mini), (Prize{468, 8700}));
}

TEST(BankResultFile, ManyBlocksReadInOrderAndNoWinnerReadsAsUnknown) {
    const std::string text =
        Block(7074, "令和8年9月18日", "901", "該当なし") + Block(7073, "令和8年9月17日", "188", "62口,87100円");
    const auto r = ParseHistoryCsv(text);  // UTF-8 reads too
    ASSERT_TRUE(r.ok()) << r.error->line << ": " << r.error->reason;
    ASSERT_EQ(r.draws.size(), 2u);
    ASSERT_EQ(r.results.size(), 2u);
    EXPECT_EQ(r.results[0].drawNo, 7073);
    EXPECT_EQ(r.results[1].drawNo, 7074);
    EXPECT_EQ(r.results[1].date, "2026-09-18");
    EXPECT_EQ(r.results[1].prize(PrizeKind::Straight), Prize{});
}

TEST(BankResultFile, BrokenBlocksNameTheirLineAndGiveNothing) {
    const std::string good = Block(7073, "令和8年9月17日", "188", "62口,87100円");
    const struct {
        std::string text;
        int line;
        const char* word;
    } cases[] = {
        {good + Block(7073, "令和8年9月18日", "188", "1口,1円"), 14, "2回"},
        {good + "A50\r\n第7074回ナンバーズ,x,令和8年9月18日\r\nストレート,1,1口,1円\r\n", 14, "抽せん数字"},
        {good + "A50\r\n第7074回ナンバーズ,x,令和8年9月18日\r\nナンバーズ３抽せん数字,18\r\n", 15, "18"},
        {good + "A50\r\n第7074回ナンバーズ,x,令和8年9月18日\r\nナンバーズ３抽せん数字,181\r\nボックス,多い,1円\r\n", 16,
         "多い"},
        {good + "A50\r\n第7074回ナンバーズ,x,令和8年9月18日\r\n何か,1\r\n", 15, "何か"},
    };
    for (const auto& c : cases) {
        const auto r = ParseHistoryCsv(c.text);
        ASSERT_FALSE(r.ok()) << c.line;
        EXPECT_EQ(r.error->line, c.line) << r.error->reason;
        EXPECT_NE(r.error->reason.find(c.word), std::string::npos) << r.error->reason;
        EXPECT_TRUE(r.draws.empty());
        EXPECT_TRUE(r.results.empty());
    }
}
