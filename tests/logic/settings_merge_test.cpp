// Writing the settings file puts in what the run set and keeps every other
// line: comments, unknown keys, lines the user added or edited meanwhile.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/bounded_read.h"
#include "settings/settings.h"
#include "settings/settings_other_keys.h"
#include "settings/update_settings.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string AllFlags(const char* value) {
    std::string text;
    for (const auto key : kOptionKeys) text += std::string(key) + "=" + value + "\r\n";
    return text;
}

TEST(SettingsMerge, ChangedKeysAreRewrittenInPlaceAndEveryOtherLineStays) {
    const std::string current =
        "; メモ\r\n頻度分析Opt=False\r\n\r\nFoo=bar\r\n月の予算=100\r\n間隔分析Opt=1\r\nLastImportFolder=/old\n";
    OptionFlags flags{};
    flags[0] = true;   // changed in the run
    flags[1] = false;  // read as 1 (on), not changed: the file's line stays
    const OtherSettings others = {{"月の予算", "2000"}, {"LastImportFolder", "/new"}, {"更新元", "https://a.test/"}};
    const std::string text = MergedSettingsFileText(current, flags, others, {"頻度分析Opt", "月の予算", "更新元"});
    std::string expected =
        "; メモ\r\n頻度分析Opt=True\r\n\r\nFoo=bar\r\n月の予算=2000\r\n間隔分析Opt=1\r\n"
        "LastImportFolder=/old\r\n";
    // The flags the file lacks follow in their order, then the other keys.
    for (std::size_t i = 2; i < kOptionKeys.size(); ++i) expected += std::string(kOptionKeys[i]) + "=False\r\n";
    expected += "更新元=https://a.test/\r\n";
    EXPECT_EQ(text, expected);
}

TEST(SettingsMerge, AnEmptyFileGetsTheWholeSettingsAsBefore) {
    OptionFlags flags{};
    const OtherSettings others = {{"A", "1"}, {"B", "2"}};
    EXPECT_EQ(MergedSettingsFileText("", flags, others, {}), AllFlags("False") + "A=1\r\nB=2\r\n");
    EXPECT_EQ(MergedSettingsFileText("", flags, others, {}), SettingsFileText(flags, others));
}

TEST(SettingsMerge, TheRunsSettingsObjectKeepsWhatTheUserWroteMeanwhile) {
    TempDir dir;
    const std::string path = dir.write("n3.ini", "# 自分で書いた説明\r\n" + AllFlags("False") + "月の予算=500\r\n");
    Settings settings(path);
    ASSERT_TRUE(settings.Read().ok());
    // Behind the program's back: a new key, a comment, a flag it does not change.
    {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out << "; あとから\r\nMyKey=ok\r\n数字合計分析Opt=True\r\n";
    }
    ASSERT_TRUE(settings.setOptionFlag(0, true).ok());
    ASSERT_TRUE(settings.setValue("LastImportFolder", "/data").ok());
    ASSERT_TRUE(settings.Write().ok());
    const std::string text = Slurp(path);
    for (const char* line : {"# 自分で書いた説明\r\n", "; あとから\r\n", "MyKey=ok\r\n", "数字合計分析Opt=True\r\n",
                             "頻度分析Opt=True\r\n", "月の予算=500\r\n", "LastImportFolder=/data\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_EQ(text.find("頻度分析Opt=False"), std::string::npos);
    // Read again, the user's flag line counts (a later line wins).
    Settings again(path);
    ASSERT_TRUE(again.Read().ok());
    EXPECT_TRUE(again.optionFlag(6));
    EXPECT_TRUE(again.optionFlag(0));
}

// A line the program cannot decode, in a file it otherwise reads.
class UndecodableLine : public ::testing::TestWithParam<std::string> {};

TEST_P(UndecodableLine, IsKeptByteForByteWithEveryOtherLine) {
    TempDir dir;
    const std::string before = "[General]\r\n# 説明\r\n" + GetParam() + "\r\n更新元=https://a.test/\r\n" +
                               AllFlags("False") + "月の予算=500\r\n";
    const std::string path = dir.write("n3.ini", before);
    Settings settings(path);
    settings.Read();
    ASSERT_TRUE(settings.setOptionFlag(0, true).ok());
    const std::string after = Slurp(path);
    std::string expected = before;
    expected.replace(expected.find("=False"), 6, "=True");
    EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, UndecodableLine,
                         ::testing::Values(std::string("a\0b", 3), std::string("; \x93\xFA\x96\x7B\x8C\xEA"),
                                           std::string("\xFF\xFE=\x80"), std::string("月の予算\xFF")));

TEST(SettingsMerge, AFileThatCannotBeReadIsNeverWrittenOver) {
    TempDir dir;
    const std::string path = dir.write("n3.ini", "更新元=https://a.test/\r\n");
    std::filesystem::resize_file(path, kMaxInputFileBytes + 1);  // sparse: too large to read
    Settings settings(path);
    settings.Read();
    const SettingsFileResult saved = settings.setOptionFlag(0, true);
    EXPECT_NE(saved.error.find(path), std::string::npos) << saved.error;
    EXPECT_NE(saved.error.find("そのまま残しています"), std::string::npos) << saved.error;
    EXPECT_EQ(std::filesystem::file_size(path), kMaxInputFileBytes + 1);
    EXPECT_EQ(Slurp(path).rfind("更新元=https://a.test/\r\n", 0), 0U);
}

struct SourceCase {
    const char* typed;
    const char* completed;
};
void PrintTo(const SourceCase& c, std::ostream* out) { *out << c.typed; }

class CompletedSource : public ::testing::TestWithParam<SourceCase> {};

TEST_P(CompletedSource, TheClosingSlashIsAddedAndBlanksDropped) {
    EXPECT_EQ(CompleteUpdateSource(GetParam().typed), GetParam().completed);
}

INSTANTIATE_TEST_SUITE_P(Typed, CompletedSource,
                         ::testing::Values(SourceCase{"https://a.test/csv", "https://a.test/csv/"},
                                           SourceCase{"https://a.test/csv/", "https://a.test/csv/"},
                                           SourceCase{"  https://a.test/csv\t", "https://a.test/csv/"},
                                           SourceCase{"https://a.test", "https://a.test/"},
                                           SourceCase{"https://a.test/csv?x=1", "https://a.test/csv?x=1"},
                                           SourceCase{"", ""}));

TEST(CompletedSource, TheSettingsFilesAddressIsCompletedToo) {
    const UpdateSettings s = UpdateSettingsFrom({{"更新元", " https://b.test/numbers/csv "}});
    EXPECT_EQ(s.source, "https://b.test/numbers/csv/");
}

}  // namespace
