// The settings file: its reading rules, Shift-JIS files from the old
// system, bad lines, and the rewrite at the end.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "file_bytes.h"
#include "settings/settings_file.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

using n3::testing::FileBytes;

OptionFlags OnlyOn(std::initializer_list<int> indexes) {
    OptionFlags flags{};
    for (int i : indexes) flags[std::size_t(i)] = true;
    return flags;
}

struct Read {
    OptionFlags flags{};
    SettingsFileResult result;
};

Read ReadText(const TempDir& dir, const std::string& bytes) {
    Read r;
    r.result = ReadInitFile(dir.write("ナンバーズ3ズバリン.ini", bytes), r.flags);
    return r;
}

}  // namespace

TEST(SettingsFile, MissingFileIsTheFirstRunNotAnError) {
    TempDir dir;
    OptionFlags flags{};
    const auto r = ReadInitFile(dir.file("ナンバーズ3ズバリン.ini"), flags);
    EXPECT_TRUE(r.fileMissing);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(flags, OptionFlags{});
}

TEST(SettingsFile, ReadingRules) {
    TempDir dir;
    EXPECT_EQ(ReadText(dir, "").flags, OptionFlags{});
    EXPECT_EQ(ReadText(dir, "バラツキ分析Opt=True").flags, OnlyOn({3}));
    // Any letter case; numbers are on when not zero.
    EXPECT_EQ(ReadText(dir, "頻度分析Opt=TRUE\r\n間隔分析Opt=-1\r\n出現回数分析Opt=0\r\n数字合計分析Opt=0.5\r\n").flags,
              OnlyOn({0, 1, 6}));
    // A later line wins; lower-case false turns a flag off again.
    EXPECT_EQ(ReadText(dir, "頻度分析Opt=True\r\n頻度分析Opt=false\r\n").flags, OptionFlags{});
    // Keys are exact: a blank before "=", another case or an unknown key is skipped.
    const auto skipped = ReadText(dir, "頻度分析Opt =True\r\n頻度分析opt=True\r\nその他=abc\r\n\r\n# memo\r\n");
    EXPECT_TRUE(skipped.result.ok()) << skipped.result.error;
    EXPECT_EQ(skipped.flags, OptionFlags{});
    // Any order, any line end; what follows a second "=" does not count.
    EXPECT_EQ(ReadText(dir, "分割データ分析Opt=True=False\n5分割傾向分析Opt=True\r組合せパターン分析Opt=True").flags,
              OnlyOn({7, 8, 9}));
}

TEST(SettingsFile, ShiftJisFileFromTheOldSystemReads) {
    TempDir dir;
    // 頻度分析Opt=True, バラツキ分析Opt=-1, 5分割傾向分析Opt=true in code page 932.
    const std::string sjis =
        "\x95\x70\x93\x78\x95\xaa\x90\xcd"
        "Opt=True\r\n"
        "\x83\x6f\x83\x89\x83\x63\x83\x4c\x95\xaa\x90\xcd"
        "Opt=-1\r\n"
        "5\x95\xaa\x8a\x84\x8c\x58\x8c\xfc\x95\xaa\x90\xcd"
        "Opt=true\r\n";
    const auto r = ReadText(dir, sjis);
    EXPECT_TRUE(r.result.ok()) << r.result.error;
    EXPECT_EQ(r.flags, OnlyOn({0, 3, 8}));
}

TEST(SettingsFile, BadLinesAreSkippedReportedOnceAndTheRestIsRead) {
    TempDir dir;
    const std::string path = dir.file("ナンバーズ3ズバリン.ini");
    auto bad = ReadText(dir, "頻度分析Opt=True\r\n間隔分析Opt=はい\r\n出現回数分析Opt=True\r\n");
    EXPECT_EQ(bad.flags, OnlyOn({0, 2}));
    EXPECT_NE(bad.result.error.find(path), std::string::npos) << bad.result.error;
    EXPECT_NE(bad.result.error.find("2行目"), std::string::npos) << bad.result.error;

    // A known key without "=", and an empty value, are errors too.
    auto noEquals = ReadText(dir, "その他\r\n間隔分析Opt=True\r\nバラツキ分析Opt\r\n頻度分析Opt=True\r\n");
    EXPECT_EQ(noEquals.flags, OnlyOn({0, 1}));
    EXPECT_NE(noEquals.result.error.find("3行目"), std::string::npos) << noEquals.result.error;
    EXPECT_FALSE(ReadText(dir, "頻度分析Opt=\r\n").result.ok());

    // Bytes that are neither UTF-8 nor Shift-JIS, after a Shift-JIS line.
    auto garbage = ReadText(dir,
                            "\x95\x70\x93\x78\x95\xaa\x90\xcd"
                            "Opt=True\r\n\xff\xfe\r\n");
    EXPECT_EQ(garbage.flags, OnlyOn({0}));
    EXPECT_NE(garbage.result.error.find("2行目"), std::string::npos) << garbage.result.error;
}

TEST(SettingsFile, OneBadLineAmongTenLosesNoOtherChoiceAtTheRewrite) {
    TempDir dir;
    OptionFlags chosen{};
    for (int i = 0; i < kOptionFlagCount; ++i) chosen[std::size_t(i)] = i % 3 != 1;
    std::string text = SettingsFileText(chosen);
    // The third line broken, and two more bad lines at the end.
    const std::string third = std::string(kOptionKeys[2]) + "=";
    text.replace(text.find(third), third.size() + (chosen[2] ? 4 : 5), third + "ja");
    text += std::string(kOptionKeys[0]) + "\r\n" + std::string(kOptionKeys[5]) + "=\x01\x02" + std::string(100, 'x') +
            "\r\n";
    const Read r = ReadText(dir, text);
    OptionFlags expected = chosen;
    expected[2] = false;  // the one flag that could not be read
    EXPECT_EQ(r.flags, expected);
    // One message: the first bad line with its reason, the others by number.
    EXPECT_NE(r.result.error.find("3行目の値「ja」"), std::string::npos) << r.result.error;
    EXPECT_NE(r.result.error.find("3、11、12行目"), std::string::npos) << r.result.error;

    // What was read is what the exit writes back.
    const std::string path = dir.file("ナンバーズ3ズバリン.ini");
    ASSERT_TRUE(WriteInitFile(path, r.flags).ok());
    OptionFlags again{};
    EXPECT_TRUE(ReadInitFile(path, again).ok());
    EXPECT_EQ(again, expected);
}

TEST(SettingsFile, EchoedValuesAreShortAndWithoutControlCharacters) {
    TempDir dir;
    const Read r = ReadText(dir, std::string(kOptionKeys[0]) + "=\x1b[31m" + std::string(100000, 'y') + "\r\n");
    ASSERT_FALSE(r.result.ok());
    EXPECT_EQ(r.result.error.find('\x1b'), std::string::npos);
    EXPECT_NE(r.result.error.find("?[31m" + std::string(35, 'y') + "…」"), std::string::npos) << r.result.error;
    EXPECT_LT(r.result.error.size(), 400u);
}

TEST(SettingsFile, DeviceOrHugeFileIsRefusedWithoutReadingIt) {
    TempDir dir;
    OptionFlags flags{};
    const auto device = ReadInitFile("/dev/zero", flags);
    EXPECT_FALSE(device.ok());
    EXPECT_FALSE(device.fileMissing);
    EXPECT_NE(device.error.find("通常のファイルではありません"), std::string::npos) << device.error;
}

TEST(SettingsFile, UnreadableFileIsReported) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("ナンバーズ3ズバリン.ini"));
    OptionFlags flags{};
    const auto r = ReadInitFile(dir.file("ナンバーズ3ズバリン.ini"), flags);
    EXPECT_FALSE(r.fileMissing);
    EXPECT_NE(r.error.find("ナンバーズ3ズバリン.ini"), std::string::npos);
    EXPECT_EQ(flags, OptionFlags{});
}

TEST(SettingsFile, BooleanValues) {
    EXPECT_EQ(ParseBooleanValue("fAlSe"), false);
    EXPECT_EQ(ParseBooleanValue(" True "), true);
    EXPECT_EQ(ParseBooleanValue("-0.0"), false);
    EXPECT_EQ(ParseBooleanValue("1e-3"), true);
    EXPECT_EQ(ParseBooleanValue("+2"), true);
    EXPECT_EQ(ParseBooleanValue(""), std::nullopt);
    EXPECT_EQ(ParseBooleanValue("Truee"), std::nullopt);
    EXPECT_EQ(ParseBooleanValue("1x"), std::nullopt);
    EXPECT_EQ(ParseBooleanValue("."), std::nullopt);
    EXPECT_EQ(ParseBooleanValue("1e"), std::nullopt);
}

TEST(SettingsFile, WritesTenLinesInKeyOrderWhateverWasRead) {
    TempDir dir;
    const std::string path = dir.write(
        "ナンバーズ3ズバリン.ini", "分割データ分析Opt=True\r\nその他=1\r\n頻度分析Opt=True\r\n頻度分析Opt=True\r\n");
    OptionFlags flags{};
    ASSERT_TRUE(ReadInitFile(path, flags).ok());
    flags[3] = true;
    ASSERT_TRUE(WriteInitFile(path, flags).ok());
    EXPECT_EQ(FileBytes(path),
              "頻度分析Opt=True\r\n間隔分析Opt=False\r\n出現回数分析Opt=False\r\nバラツキ分析Opt=True\r\n"
              "引っ張り分析Opt=False\r\n連番飛び石分析Opt=False\r\n数字合計分析Opt=False\r\n"
              "組合せパターン分析Opt=False\r\n5分割傾向分析Opt=False\r\n分割データ分析Opt=True\r\n");
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("")), {}), 1);
}

TEST(SettingsFile, RoundTripOfEveryFlag) {
    TempDir dir;
    const std::string path = dir.file("ナンバーズ3ズバリン.ini");
    for (int i = 0; i < kOptionFlagCount; ++i) {
        OptionFlags written{};
        written.fill(true);
        written[std::size_t(i)] = false;  // all on but one, and then one alone
        for (const OptionFlags& flags : {written, OnlyOn({i})}) {
            ASSERT_TRUE(WriteInitFile(path, flags).ok());
            OptionFlags read{};
            ASSERT_TRUE(ReadInitFile(path, read).ok());
            EXPECT_EQ(read, flags) << i;
        }
    }
}

TEST(SettingsFile, FailedWriteKeepsTheOldFileAndNamesIt) {
    TempDir dir;
    const std::string missingFolder = dir.file("なし/ナンバーズ3ズバリン.ini");
    const auto r = WriteInitFile(missingFolder, OnlyOn({1}));
    EXPECT_NE(r.error.find(missingFolder), std::string::npos) << r.error;

    const std::string path = dir.write("ナンバーズ3ズバリン.ini", "頻度分析Opt=True\r\n");
    ::chmod(dir.file("").c_str(), 0500);  // the folder takes no new file
    const auto locked = WriteInitFile(path, OnlyOn({1}));
    ::chmod(dir.file("").c_str(), 0700);
    if (::geteuid() != 0) {  // root writes anyway
        EXPECT_FALSE(locked.ok());
        EXPECT_EQ(FileBytes(path), "頻度分析Opt=True\r\n");
    }
}
