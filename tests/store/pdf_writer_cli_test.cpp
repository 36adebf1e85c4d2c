// `print --pdf` writes the way the CSV export does: through links, into a
// FIFO, to standard output; never over a write-protected file, a folder or
// a file it could not finish (a full disk keeps the older file and fails);
// the print program ends with the command-line tool, and parts a killed
// print left are cleaned up.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli_run.h"
#include "file_bytes.h"
#include "temp_dir.h"
#include "test_paths.h"

using n3::testing::Cli;
using n3::testing::RunShell;
using n3::testing::TempDir;
namespace fs = std::filesystem;

namespace {

using n3::testing::FileBytes;

bool PrintProgramBuilt() { return fs::exists(fs::path(n3::testing::kCliPath).parent_path() / "numbers3zubarin-print"); }

class PdfTarget : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrintProgramBuilt()) GTEST_SKIP() << "built without the desktop program";
        std::string csv = "回数,第1数字,第2数字,第3数字\n";
        for (int i = 1; i <= 300; ++i)
            csv += std::to_string(i) + "," + std::to_string(i % 10) + "," + std::to_string(i * 3 % 10) + "," +
                   std::to_string(i * 7 % 10) + "\n";
        ASSERT_EQ(Cli("--db " + db + " import " + dir.write("h.csv", csv)).status, 0);
    }
    n3::testing::CliRun Print(const std::string& target, const std::string& redirect = "2>&1") {
        return Cli("--db " + db + " print 出現頻度分析 --pdf " + target, redirect);
    }
    TempDir dir;
    std::string db = dir.file("d.db");
};

TEST_F(PdfTarget, ALinkIsWrittenThroughAndStaysALink) {
    const std::string real = dir.write("real.pdf", "old");
    fs::create_symlink(real, dir.file("link.pdf"));
    const auto r = Print(dir.file("link.pdf"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(fs::is_symlink(dir.file("link.pdf")));
    EXPECT_EQ(FileBytes(real).substr(0, 5), "%PDF-");
}

TEST_F(PdfTarget, AFifoAndALinkToItAreWrittenIntoNeverReplaced) {
    for (const std::string name : {"fifo", "fifo-link"}) {
        const std::string fifo = dir.file("fifo");
        if (!fs::exists(fifo)) {
            ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        }
        if (name == "fifo-link") fs::create_symlink(fifo, dir.file(name));
        const std::string out = dir.file(name + ".read");
        const auto r = RunShell("cat " + fifo + " > " + out + " & " + std::string(n3::testing::kCliPath) + " --db " +
                                db + " print 出現頻度分析 --pdf " + dir.file(name) + " 2>&1; s=$?; wait; exit $s");
        EXPECT_EQ(r.status, 0) << name << r.out;
        EXPECT_TRUE(fs::is_fifo(fifo)) << name;
        EXPECT_EQ(FileBytes(out).substr(0, 5), "%PDF-") << name;
    }
}

TEST_F(PdfTarget, TheNullDeviceAndALinkToItTakeThePrintAndStayTheDevice) {
    fs::create_symlink("/dev/null", dir.file("null-link"));
    for (const std::string& target : {std::string("/dev/null"), dir.file("null-link")}) {
        const auto r = Print(target);
        EXPECT_EQ(r.status, 0) << target << r.out;
        EXPECT_TRUE(fs::is_character_file("/dev/null")) << target;
    }
    EXPECT_TRUE(fs::is_symlink(dir.file("null-link")));
}

TEST_F(PdfTarget, DashIsStandardOutput) {
    const auto r = Print("- > " + dir.file("piped"), "2>/dev/null");
    ASSERT_EQ(r.status, 0);
    const std::string pdf = FileBytes(dir.file("piped"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

TEST_F(PdfTarget, AWriteProtectedFileOrAFolderIsRefusedAndKept) {
    const std::string locked = dir.write("locked.pdf", "keep me");
    ::chmod(locked.c_str(), 0444);
    auto r = Print(locked);
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("書き込みが禁止"), std::string::npos) << r.out;
    EXPECT_EQ(FileBytes(locked), "keep me");
    fs::create_directory(dir.file("folder.pdf"));
    r = Print(dir.file("folder.pdf"));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(fs::is_directory(dir.file("folder.pdf")));
}

TEST_F(PdfTarget, AFullDiskKeepsTheOlderFileAndFails) {
    // A file size limit of 8 KB stands for a disk with 8 KB free: every
    // write past it fails (EFBIG) as it would with ENOSPC.
    const std::string old = dir.write("full.pdf", "the older pdf");
    const auto r = RunShell("trap '' XFSZ; ulimit -f 16; " + std::string(n3::testing::kCliPath) + " --db " + db +
                            " print 出現頻度分析 --pdf " + old + " 2>&1");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("元のファイルは変更していません"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("ページ\n"), std::string::npos) << r.out;
    EXPECT_EQ(FileBytes(old), "the older pdf");
    for (const auto& entry : fs::directory_iterator(dir.file("")))
        EXPECT_EQ(entry.path().filename().string().find("n3tmp"), std::string::npos) << entry.path();
}

TEST_F(PdfTarget, ThePrintProgramEndsWithTheCommandLineTool) {
    // Writing into a FIFO nobody reads keeps the print program waiting;
    // killing the command-line tool must end it too.
    const std::string fifo = dir.file("stuck");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto r =
        RunShell(std::string(n3::testing::kCliPath) + " --db " + db + " print 出現頻度分析 --pdf " + fifo +
                 " 2>/dev/null & cli=$!; "
                 "until grep -q . /proc/$cli/task/$cli/children 2>/dev/null || ! [ -e /proc/$cli/task ]; do :; done; "
                 "helper=$(cat /proc/$cli/task/$cli/children); "
                 "kill -9 $cli; "
                 "timeout 20 sh -c \"while [ -e /proc/$helper ] && ! grep -q '^State:.Z' "
                 "/proc/$helper/status 2>/dev/null; do :; done\"");
    EXPECT_EQ(r.status, 0) << "the print program outlived the command-line tool";
}

TEST_F(PdfTarget, StalePartsOfAKilledPrintAreRemovedLiveOnesKept) {
    const std::string stale = dir.write("out.pdf.Ab12Cd.part.pdf", "half");
    const std::string live = dir.write("out.pdf.Zz99Yy.part.pdf", "being written");
    const std::string other = dir.write("out.pdf.mine.part.pdf", "not of our naming");
    const int held = ::open(live.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const auto r = Print(dir.file("out.pdf"));
    ::close(held);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(other));
}

}  // namespace
