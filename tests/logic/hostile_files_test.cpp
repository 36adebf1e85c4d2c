// Input files as a hostile or careless user hands them over: devices and
// huge files, values that would flood a message, write-protected and
// linked targets, temporaries left by a killed write, very long names.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "file_bytes.h"
#include "io/bounded_read.h"
#include "io/echo_text.h"
#include "io/file_io.h"
#include "io/history_csv.h"
#include "io/replace_target.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;
namespace fs = std::filesystem;

namespace {

using n3::testing::FileBytes;

std::vector<std::string> Names(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.file(""))) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(EchoText, CutsLongValuesAndHidesControlCharacters) {
    EXPECT_EQ(EchoText("第123回"), "第123回");
    EXPECT_EQ(EchoText(std::string(41, 'a')), std::string(40, 'a') + "…");
    EXPECT_EQ(EchoText(std::string(40, 'a')), std::string(40, 'a'));
    // Characters, not bytes: forty kanji stay whole.
    std::string kanji;
    for (int i = 0; i < 45; ++i) kanji += "数";
    EXPECT_EQ(EchoText(kanji), kanji.substr(0, 40 * 3) + "…");
    EXPECT_EQ(EchoText("a\nb\rc\td\x1b\x7f"
                       "e\xC2\x85"),
              "a?b?c?d??e?");
    EXPECT_EQ(EchoText("\xff\xE3\x81"), "???");  // broken UTF-8: one "?" a byte
}

TEST(BoundedRead, OnlyRegularFilesUpToTheLimit) {
    TempDir dir;
    // Devices and folders are refused before a byte is read (/dev/zero
    // would otherwise grow until memory runs out).
    for (const char* path : {"/dev/zero", "/dev/urandom"}) {
        const auto r = ReadWholeFile(path);
        EXPECT_FALSE(r.missing);
        EXPECT_NE(r.error.find("通常のファイルではありません"), std::string::npos) << path << r.error;
        EXPECT_TRUE(r.bytes.empty());
    }
    EXPECT_EQ(ReadWholeFile(dir.file("")).error, "フォルダです");
    // A named pipe without a writer does not hang the reader.
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_NE(ReadWholeFile(dir.file("pipe")).error.find("通常のファイルではありません"), std::string::npos);

    const std::string path = dir.write("big.csv", std::string(5000, 'x'));
    EXPECT_EQ(ReadBoundedFile(path, 5000).bytes.size(), 5000u);
    const auto tooBig = ReadBoundedFile(path, 4999);
    EXPECT_NE(tooBig.error.find("ファイルが大きすぎます"), std::string::npos) << tooBig.error;
    EXPECT_TRUE(tooBig.bytes.empty());

    // The real limit, through the CSV reader: a 65 MB file is refused by its size.
    const std::string huge = dir.file("huge.csv");
    {
        std::ofstream out(huge, std::ios::binary);
        out << "回数,第1数字,第2数字,第3数字\n";
    }
    fs::resize_file(huge, kMaxInputFileBytes + 1);
    const auto csv = ReadHistoryCsvFile(huge);
    ASSERT_FALSE(csv.ok());
    EXPECT_EQ(csv.error->line, 0);
    EXPECT_NE(csv.error->reason.find("64 MB"), std::string::npos) << csv.error->reason;
}

TEST(HistoryCsvMessages, EchoedValuesAreCutAndClean) {
    // A 10 MB field would otherwise be echoed whole into the message box.
    const std::string field(10 << 20, '7');
    const auto r = ParseHistoryCsv("回数,第1数字,第2数字,第3数字\n1,1,2,3\n" + field + ",1,2,3\n");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error->line, 3);
    EXPECT_LT(r.error->reason.size(), 300u);
    EXPECT_NE(r.error->reason.find("「" + std::string(40, '7') + "…」"), std::string::npos) << r.error->reason;

    const auto control = ParseHistoryCsv("回数,第1数字,第2数字,第3数字\n1,\"\x1b]0;x\x07\",2,3\n");
    ASSERT_FALSE(control.ok());
    EXPECT_EQ(control.error->reason.find('\x1b'), std::string::npos);
    EXPECT_EQ(control.error->reason.find('\x07'), std::string::npos);
    EXPECT_NE(control.error->reason.find("「?]0;x?」"), std::string::npos) << control.error->reason;
}

TEST(ReplaceFile, WriteProtectedFileIsRefusedAndKept) {
    TempDir dir;
    const std::string path = dir.write("out.csv", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const std::string reason = ReplaceFile(path, "new");
    EXPECT_NE(reason.find("読み取り専用"), std::string::npos) << reason;
    EXPECT_EQ(FileBytes(path), "old");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_EQ(Names(dir), std::vector<std::string>{"out.csv"});
}

TEST(ReplaceFile, WritesThroughLinksIntoTheTargetsFolder) {
    TempDir dir;
    fs::create_directory(dir.file("real"));
    const std::string target = dir.write("real/history.csv", "old");
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("real/history.csv", dir.file("link.csv"));     // relative
    fs::create_symlink(dir.file("link.csv"), dir.file("link2.csv"));  // a link to a link
    ASSERT_EQ(ReplaceFile(dir.file("link2.csv"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(dir.file("link.csv")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link2.csv")));
    EXPECT_EQ(FileBytes(target), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // The temporary was made beside the target, and is gone.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("real")), {}), 1);

    // A link to a write-protected file protects it as well.
    ::chmod(target.c_str(), 0444);
    EXPECT_NE(ReplaceFile(dir.file("link.csv"), "newer"), "");
    EXPECT_EQ(FileBytes(target), "new");
    // A link that points nowhere yet creates its target.
    fs::create_symlink("real/new.ini", dir.file("new-link.ini"));
    ASSERT_EQ(ReplaceFile(dir.file("new-link.ini"), "made"), "");
    EXPECT_EQ(FileBytes(dir.file("real/new.ini")), "made");
    EXPECT_TRUE(fs::is_symlink(dir.file("new-link.ini")));
}

TEST(ReplaceFile, TemporariesOfAKilledWriteGoAtTheNextWrite) {
    TempDir dir;
    const std::string path = dir.write("out.csv", "old");
    const std::string stale = TemporaryPattern(path).replace(TemporaryPattern(path).size() - 6, 6, "aB3xQ9");
    std::ofstream(stale) << "half";
    std::ofstream(stale + "-journal") << "half";
    // The user's own files with similar names stay.
    dir.write("out.csv.backup", "mine");
    dir.write("out.csv.202401", "mine");
    dir.write("other.csv" + stale.substr(path.size()), "another file's");
    ASSERT_EQ(ReplaceFile(path, "new"), "");
    EXPECT_EQ(FileBytes(path), "new");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(stale + "-journal"));
    EXPECT_EQ(Names(dir).size(), 4u);
    EXPECT_TRUE(fs::exists(dir.file("out.csv.backup")));
    EXPECT_TRUE(fs::exists(dir.file("out.csv.202401")));
}

TEST(ReplaceFile, LongNamesDoNotFailBecauseOfTheTemporary) {
    TempDir dir;
    for (std::size_t length : {200u, 245u, 250u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".csv";
        const std::string path = dir.file(name);
        ASSERT_EQ(ReplaceFile(path, "1"), "") << length;
        ASSERT_EQ(ReplaceFile(path, "2"), "") << length;  // over an existing one
        EXPECT_EQ(FileBytes(path), "2");
        EXPECT_LE(fs::path(TemporaryPattern(path)).filename().string().size() + 8, 255u);
    }
    // Multi-byte names are cut between characters.
    std::string kana;
    for (int i = 0; i < 84; ++i) kana += "あ";  // 252 bytes
    ASSERT_EQ(ReplaceFile(dir.file(kana), "x"), "");
    EXPECT_EQ(FileBytes(dir.file(kana)), "x");
    EXPECT_EQ(Names(dir).size(), 5u);
}
