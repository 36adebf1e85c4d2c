#include "settings/settings_other_keys.h"
#include "file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace n3;

namespace {

struct TempFile {
    TempFile() {
        path = (std::filesystem::temp_directory_path() /
                ("n3-other-keys-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini"))
                   .string();
    }
    ~TempFile() { std::filesystem::remove(path); }
    void write(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
    std::string read() const { return n3::testing::FileBytes(path); }
    std::string path;
};

}  // namespace

TEST(SettingsOtherKeys, TheFlagLinesStayExactlyAndTheOtherKeysFollow) {
    TempFile file;
    OptionFlags flags{};
    flags[1] = flags[4] = true;
    const OtherSettings others{{"MainWindowPlacement", "10,20,800,600,1"}, {"LastImportFolder", "/home/利用者/データ"}};
    ASSERT_TRUE(WriteInitFile(file.path, flags, others).ok());
    const std::string text = file.read();
    EXPECT_EQ(text, SettingsFileText(flags) +
                        "LastImportFolder=/home/利用者/データ\r\n"
                        "MainWindowPlacement=10,20,800,600,1\r\n");

    // The flags read as before; the other keys read back.
    OptionFlags read{};
    ASSERT_TRUE(ReadInitFile(file.path, read).ok());
    EXPECT_EQ(read, flags);
    EXPECT_EQ(ReadOtherSettings(file.path), others);
}

TEST(SettingsOtherKeys, ReadingSkipsFlagsBrokenLinesAndMissingFiles) {
    TempFile file;
    EXPECT_TRUE(ReadOtherSettings(file.path).empty());
    file.write(std::string(kOptionKeys[0]) + "=True\r\nno equals sign\r\n=value without key\r\nA=1\nB=\x82\xa0\rA=2");
    EXPECT_EQ(ReadOtherSettings(file.path), (OtherSettings{{"A", "2"}}));
}

TEST(SettingsOtherKeys, WhatCouldBreakTheFileIsLeftOut) {
    const OptionFlags flags{};
    const std::string text = SettingsFileText(
        flags,
        {{"Good", "yes"}, {"Bad=Key", "x"}, {"Line", "one\r\ntwo"}, {"", "x"}, {std::string(kOptionKeys[2]), "True"}});
    EXPECT_EQ(text, SettingsFileText(flags) + "Good=yes\r\n");
}
