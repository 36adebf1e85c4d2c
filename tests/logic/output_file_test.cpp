// Where a finished output may go: a regular file (replaced whole), a
// character device or a FIFO (written into, never replaced), standard
// output; a folder is refused with the reason.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "file_bytes.h"
#include "io/output_file.h"
#include "temp_dir.h"

namespace n3 {
namespace {

using n3::testing::FileBytes;

namespace fs = std::filesystem;

TEST(OutputFile, TheNullDeviceIsWrittenIntoAndStaysADevice) {
    EXPECT_EQ(WriteOutputFile("/dev/null", std::string(70'000, 'x')), "");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    testing::TempDir dir;
    fs::create_symlink("/dev/null", dir.file("null"));
    EXPECT_EQ(WriteOutputFile(dir.file("null"), "%PDF-"), "");
    EXPECT_TRUE(fs::is_symlink(dir.file("null")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(OutputFile, ARegularFileIsReplacedAndAFolderRefused) {
    testing::TempDir dir;
    const std::string file = dir.write("out.pdf", "old");
    EXPECT_EQ(WriteOutputFile(file, "new"), "");
    EXPECT_EQ(FileBytes(file), "new");
    fs::create_directories(dir.file("folder"));
    EXPECT_NE(WriteOutputFile(dir.file("folder"), "new"), "");
    EXPECT_TRUE(fs::is_directory(dir.file("folder")));
}

}  // namespace
}  // namespace n3
