// The ticket book's monthly budget line in the settings file: read, written,
// kept when the option flags are written, and ignored by their reading.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "file_bytes.h"
#include "settings/settings_file.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

using n3::testing::FileBytes;

}  // namespace

TEST(MonthlyBudget, WrittenReadAndKeptBesideTheFlags) {
    TempDir dir;
    const std::string path = dir.file("ナンバーズ3ズバリン.ini");
    EXPECT_FALSE(ReadMonthlyBudget(path).yen);  // no file: no budget
    OptionFlags flags{};
    flags[2] = true;
    ASSERT_TRUE(WriteInitFile(path, flags).ok());
    const std::string flagsOnly = FileBytes(path);
    EXPECT_EQ(flagsOnly, SettingsFileText(flags));  // no budget: the file is as it always was

    ASSERT_TRUE(WriteMonthlyBudget(path, 10000).ok());
    EXPECT_EQ(FileBytes(path), flagsOnly + "月の予算=10000\r\n");
    EXPECT_EQ(ReadMonthlyBudget(path).yen, 10000);

    // The flags read as before, and writing them keeps the budget.
    OptionFlags read{};
    ASSERT_TRUE(ReadInitFile(path, read).ok());
    EXPECT_EQ(read, flags);
    flags[2] = false;
    ASSERT_TRUE(WriteInitFile(path, flags).ok());
    EXPECT_EQ(FileBytes(path), SettingsFileText(flags) + "月の予算=10000\r\n");

    ASSERT_TRUE(WriteMonthlyBudget(path, std::nullopt).ok());
    EXPECT_FALSE(ReadMonthlyBudget(path).yen);
    EXPECT_TRUE(ReadMonthlyBudget(path).ok());
}

TEST(MonthlyBudget, BadValueIsReportedWithItsLine) {
    TempDir dir;
    const std::string path = dir.write("s.ini", "Option1=True\r\n月の予算=たくさん\r\n");
    const MonthlyBudgetResult r = ReadMonthlyBudget(path);
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.yen);
    EXPECT_NE(r.error.find("2行目"), std::string::npos) << r.error;
    ASSERT_TRUE(ParseMonthlyBudget(" 12,000 "));
    EXPECT_EQ(*ParseMonthlyBudget(" 12,000 "), 12000);
    ASSERT_TRUE(ParseMonthlyBudget(""));  // empty: read, and no budget
    EXPECT_FALSE(ParseMonthlyBudget("")->has_value());
    EXPECT_FALSE(ParseMonthlyBudget("-5"));
    EXPECT_FALSE(ParseMonthlyBudget("99999999999"));
}
