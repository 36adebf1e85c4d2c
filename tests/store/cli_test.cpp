// The command-line tool run as a user would: exit codes, output, and the
// database left as it was on failure.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "platform/store/draw_store.h"
#include "temp_dir.h"

using n3::testing::TempDir;

namespace {

struct Run {
    int status;
    std::string out;
};

Run Cli(const std::string& args) {
    const std::string cmd = std::string(N3_CLI_PATH) + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    const int status = pclose(p);
    return {WEXITSTATUS(status), out};
}

}  // namespace

TEST(Cli, ImportThenStatsAndExport) {
    TempDir dir;
    const auto db = dir.file("d.db");
    const auto csv = dir.write("h.csv", "\xEF\xBB\xBF回数,第1数字,第2数字,第3数字\n1,1,1,1\n2,5,5,\n3,2,7,2\n");
    ASSERT_EQ(Cli("--db " + db + " import " + csv).status, 0);
    const auto stats = Cli("--db " + db + " stats");
    EXPECT_EQ(stats.status, 0);
    EXPECT_NE(stats.out.find("DigitCount[1]=3\n"), std::string::npos);
    EXPECT_NE(stats.out.find("DigitCount[2]=2\n"), std::string::npos);
    EXPECT_NE(stats.out.find("LatestDrawNo=3\n"), std::string::npos);
    const auto exported = Cli("--db " + db + " export");
    EXPECT_EQ(exported.out, "回数,第1数字,第2数字,第3数字\r\n1,1,1,1\r\n2,5,5,\r\n3,2,7,2\r\n");
}

TEST(Cli, BadLinesNameFileAndLineAndStoreNothing) {
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import " + dir.write("ok.csv", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n")).status, 0);
    const struct {
        const char* body;
        int line;
    } cases[] = {
        {"回数,第1数字,第2数字,第3数字\r\n2,1,2,3\r\n3,1,2\r\n", 3},
        {"回数,第1数字,第2数字,第3数字\n2,1,2,3\n32768,1,2,3\n", 3},
        {"回数,第1数字,第2数字,第3数字\n2,1,2,10\n", 2},
        {"回数,第1数字,第2数字,第3数字\n2,1,2,3\n4,1,2,3\n2,0,0,0\n", 4},
        {"回,数字\n2,1,2,3\n", 1},
        {"", 1},
    };
    for (const auto& c : cases) {
        const auto file = dir.write("bad.csv", c.body);
        const auto r = Cli("--db " + db + " import " + file);
        EXPECT_EQ(r.status, 2) << c.body;
        EXPECT_NE(r.out.find(file + ":" + std::to_string(c.line) + ":"), std::string::npos) << r.out;
    }
    EXPECT_EQ(n3::DrawStore::Open(db).DrawCount(), 1);
}

TEST(Cli, BadArgumentsAndUnknownWindowsExitWithTwo) {
    TempDir dir;
    EXPECT_EQ(Cli("").status, 2);
    EXPECT_EQ(Cli("frobnicate").status, 2);
    EXPECT_EQ(Cli("show").status, 2);
    EXPECT_EQ(Cli("--db " + dir.file("d.db") + " show 出現頻度分析 --format xml").status, 2);
    const auto unknown = Cli("--db " + dir.file("d.db") + " show いない分析");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.out.find("出現頻度分析"), std::string::npos);
}
