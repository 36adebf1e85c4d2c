// The run's settings object: read once, each change written at once.
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "file_bytes.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

using n3::testing::FileBytes;

TEST(SettingsObject, EachChangeReachesTheFileAndAnUnchangedValueWritesNothing) {
    TempDir dir;
    const std::string path = dir.write("n3.ini", "出現回数分析Opt=True\r\n月の予算=3,000\r\n");
    Settings settings(path);
    ASSERT_TRUE(settings.Read().ok());
    EXPECT_TRUE(settings.optionFlag(2));
    ASSERT_TRUE(settings.monthlyBudget().ok());
    EXPECT_EQ(settings.monthlyBudget().yen, 3000);

    ASSERT_TRUE(settings.setOptionFlag(4, true).ok());
    EXPECT_NE(FileBytes(path).find("引っ張り分析Opt=True"), std::string::npos);
    ASSERT_TRUE(settings.setMonthlyBudget(5000).ok());
    EXPECT_NE(FileBytes(path).find("月の予算=5000"), std::string::npos);

    // A value set to what it already is leaves the file alone.
    std::ofstream(path, std::ios::binary) << "untouched";
    ASSERT_TRUE(settings.setOptionFlag(4, true).ok());
    ASSERT_TRUE(settings.setValue(settings_keys::kMonthlyBudget, "5000").ok());
    EXPECT_EQ(FileBytes(path), "untouched");

    Settings again(path);
    again.Read();
    EXPECT_FALSE(again.optionFlag(4));
    ASSERT_TRUE(settings.Write().ok());
    ASSERT_TRUE(again.Read().ok());
    EXPECT_TRUE(again.optionFlag(4));
    EXPECT_EQ(again.monthlyBudget().yen, 5000);
}

TEST(SettingsObject, ABadBudgetIsNamedAndAnUnwritableFileIsReported) {
    TempDir dir;
    const std::string path = dir.write("n3.ini", "月の予算=たくさん\r\n");
    Settings settings(path);
    ASSERT_TRUE(settings.Read().ok());
    EXPECT_FALSE(settings.monthlyBudget().ok());
    EXPECT_FALSE(settings.monthlyBudget().yen.has_value());

    Settings nowhere(dir.file("no/such/folder/n3.ini"));
    EXPECT_TRUE(nowhere.Read().fileMissing);
    const SettingsFileResult saved = nowhere.setOptionFlag(0, true);
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(nowhere.optionFlag(0));  // kept for the run all the same
}

TEST(SettingsObject, WithoutAPathNothingIsWritten) {
    Settings memory;
    EXPECT_TRUE(memory.Read().fileMissing);
    EXPECT_TRUE(memory.setOptionFlag(1, true).ok());
    EXPECT_TRUE(memory.setValue("x", "y").ok());
    EXPECT_EQ(memory.value("x"), "y");
    EXPECT_TRUE(memory.optionFlag(1));
}

}  // namespace
