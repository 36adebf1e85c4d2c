// Splitting CSV text into records: quotes, blanks and line numbers.
#include <gtest/gtest.h>

#include "io/csv_records.h"

using namespace n3;

namespace {

std::vector<CsvRecord> ReadAll(std::string_view text, std::optional<CsvError>* error = nullptr) {
    CsvReader reader(text);
    std::vector<CsvRecord> records;
    CsvRecord r;
    while (reader.Next(r)) records.push_back(r);
    if (error) *error = reader.error();
    return records;
}

using Fields = std::vector<std::string>;

}  // namespace

TEST(CsvRecords, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
    const auto records = ReadAll(" a , \"1,234,500\" ,\"say \"\"hi\"\"\",\"\"\n\"two\r\nlines\",x\"y\nlast,");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "1,234,500", "say \"hi\"", ""}));
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[1].fields, (Fields{"two\r\nlines", "x\"y"}));
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[2].fields, (Fields{"last", ""}));
    EXPECT_EQ(records[2].line, 4);
}

TEST(CsvRecords, BlankRecordsAreMarkedAndAFinalLineEndAddsNoRecord) {
    const auto records = ReadAll("\n , ,\n\"\"\na\n");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_TRUE(records[0].blank());
    EXPECT_TRUE(records[1].blank());
    EXPECT_TRUE(records[2].blank());
    EXPECT_FALSE(records[3].blank());
    EXPECT_EQ(records[3].line, 4);
}

TEST(CsvRecords, UnreadableQuotingStopsWithItsLine) {
    std::optional<CsvError> error;
    EXPECT_EQ(ReadAll("a\nb,\"open\n\nstill open", &error).size(), 1u);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 2);  // where the record starts
    EXPECT_EQ(ReadAll("a\n\"x\n\"y,z", &error).size(), 1u);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 3);  // where the stray text follows the closing quote
}
