// The ticket book's CSV: written and read back unchanged, refused whole.
#include <gtest/gtest.h>

#include "tickets/ticket_csv.h"

using namespace n3;

TEST(TicketCsv, RoundTripKeepsLeadingZerosAndMemos) {
    std::vector<Purchase> book(3);
    book[0] = {0, "2024-01-05", 6400, 5, "048", TicketKind::Straight, 2, "毎週の分"};
    book[1] = {0, "2024-01-06", 6401, 1, "07", TicketKind::Mini, 1, "カンマ, と \"引用\""};
    book[2] = {0, "2024-02-29", 6402, 20, "112", TicketKind::Set, 99, ""};
    book[0].id = 7;
    book[0].受け取り済み = true;
    const std::string csv = WriteTicketCsv(book);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), kTicketCsvHeading);
    const TicketCsvResult back = ReadTicketCsv(csv);
    ASSERT_TRUE(back.ok()) << back.error;
    EXPECT_EQ(back.purchases, book);
}

TEST(TicketCsv, FullWidthDigitsAndCommandWordsRead) {
    const TicketCsvResult r =
        ReadTicketCsv("購入日,最初の回数,継続回数,番号,種類,口数,メモ\n2024-01-05,６４００,1,048,box,1\n");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.purchases[0].最初の回数, 6400);
    EXPECT_EQ(r.purchases[0].種類, TicketKind::Box);
}

TEST(TicketCsv, AnyBadLineRefusesTheWholeFile) {
    const std::string head = "購入日,最初の回数,継続回数,番号,種類,口数,メモ\r\n";
    const std::string good = "2024-01-05,6400,1,048,ストレート,1,\r\n";
    const struct {
        std::string body;
        int line;
        const char* reason;
    } cases[] = {
        {head + good + "2024-01-05,6400,1,555,ボックス,1,\r\n", 3, "ゾロ目"},
        {head + good + good + "2024-01-05,6400,21,123,セット,1,\r\n", 4, "継続回数"},
        {head + "2024-01-05,x,1,123,セット,1,\r\n", 2, "最初の回数"},
        {head + "2024-01-05,6400,1,123,くじ,1,\r\n", 2, "種類"},
        {head + "2024-01-05,6400,1,123\r\n", 2, "項目の数"},
        {head + "2024-01-05,6400,1,48,ミニ,100,\r\n", 2, "口数"},
        {"日付,回\r\n" + good, 1, "見出し"},
        {std::string(kTicketCsvHeading) +
             "\r\n3,2024-01-05,6400,1,048,ストレート,1,,済\r\n3,2024-01-05,6400,1,048,ストレート,1,,\r\n",
         3, "重なって"},
        {std::string(kTicketCsvHeading) + "\r\n3,2024-01-05,6400,1,048,ストレート,1,,はい\r\n", 2, "受け取り済み"},
        {std::string(kTicketCsvHeading) + "\r\n-3,2024-01-05,6400,1,048,ストレート,1,,\r\n", 2, "id"},
        {std::string(kTicketCsvHeading) + "\r\n" + good, 2, "項目の数"},
        {"", 1, "見出し"},
    };
    for (const auto& c : cases) {
        const TicketCsvResult r = ReadTicketCsv(c.body);
        EXPECT_FALSE(r.ok()) << c.body;
        EXPECT_TRUE(r.purchases.empty());
        EXPECT_EQ(r.errorLine, c.line) << r.error;
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
    }
}
