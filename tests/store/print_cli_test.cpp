// `numbers3zubarin-cli print`: a PDF without a screen, through the Qt
// program beside the command-line tool, which itself loads no Qt.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "temp_dir.h"
#include "test_paths.h"

using n3::testing::TempDir;

namespace {

using n3::testing::Cli;
using n3::testing::RunShell;
using Output = n3::testing::CliRun;

bool PrintProgramBuilt() {
    return std::filesystem::exists(std::filesystem::path(n3::testing::kCliPath).parent_path() /
                                   "numbers3zubarin-print");
}

std::string Head(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string s(n, '\0');
    in.read(s.data(), std::streamsize(n));
    s.resize(std::size_t(in.gcount()));
    return s;
}

// Draws 1..120 as a history CSV file.
std::string HundredAndTwentyDraws() {
    std::string csv = "回数,第1数字,第2数字,第3数字\n";
    for (int i = 1; i <= 120; ++i)
        csv += std::to_string(i) + "," + std::to_string(i % 10) + "," + std::to_string(i * 3 % 10) + "," +
               std::to_string(i * 7 % 10) + "\n";
    return csv;
}

}  // namespace

TEST(PrintCli, WritesThePdfOfAWindowAndRejectsBadRequests) {
    if (!PrintProgramBuilt()) GTEST_SKIP() << "built without the desktop program";
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import " + dir.write("h.csv", HundredAndTwentyDraws())).status, 0);

    const auto pdf = dir.file("bunkatsu.pdf");
    const Output ok = Cli("--db " + db + " print 分割10データ分析 --pdf " + pdf + " --settings " + dir.file("s.ini"));
    ASSERT_EQ(ok.status, 0) << ok.out;
    EXPECT_EQ(Head(pdf, 5), "%PDF-");
    const Output info = RunShell("pdfinfo " + pdf + " 2>&1");
    EXPECT_NE(info.out.find("Pages:"), std::string::npos);
    // 120 draws under three header rows do not fit on one page.
    EXPECT_EQ(info.out.find("Pages:           1\n"), std::string::npos) << info.out;

    const auto landscape = dir.file("prediction.pdf");
    ASSERT_EQ(Cli("--db " + db + " print 一発ズバリン --landscape --pdf " + landscape).status, 0);
    EXPECT_NE(RunShell("pdfinfo " + landscape + " 2>&1").out.find("842 x 595"), std::string::npos);

    const auto none = dir.file("none.pdf");
    EXPECT_EQ(Cli("--db " + db + " print 無い窓 --pdf " + none).status, 2);
    EXPECT_EQ(Cli("--db " + db + " print 分割10データ分析").status, 2);
    EXPECT_EQ(Cli("--db " + db + " print 分割10データ分析 --pdf " + dir.file("no/such/folder.pdf")).status, 1);
    EXPECT_FALSE(std::filesystem::exists(none));
}

TEST(PrintCli, TheCommandLineToolLoadsNoQt) {
    const Output libs = RunShell(std::string("ldd ") + n3::testing::kCliPath + " 2>&1");
    ASSERT_EQ(libs.status, 0);
    EXPECT_NE(libs.out.find("libc.so"), std::string::npos);
    EXPECT_EQ(libs.out.find("libQt"), std::string::npos) << libs.out;
}

// --from/--to narrow every window that has a range, in `show` and in
// `print`, and are refused, naming the window, where a window has none.
TEST(PrintCli, ARangeNarrowsListsOfDrawsAndIsRefusedWhereThereIsNone) {
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import " + dir.write("h.csv", HundredAndTwentyDraws())).status, 0);
    const auto rowsOf = [&](const std::string& range) {
        const Output out = Cli("--db " + db + " show 数字合計分析 --format csv" + range, "2>/dev/null");
        EXPECT_EQ(out.status, 0) << out.out;
        return std::vector<bool>{out.out.find("\n101,") != std::string::npos,
                                 out.out.find("\n110,") != std::string::npos,
                                 out.out.find("\n111,") != std::string::npos};
    };
    EXPECT_EQ(rowsOf(""), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(rowsOf(" --from 101 --to 110"), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(rowsOf(" --from 111"), (std::vector<bool>{false, false, true}));

    for (const char* window : {"出現頻度分析", "一発ズバリン", "配当分析"}) {
        const Output refused = Cli("--db " + db + " show " + window + " --from 100");
        EXPECT_EQ(refused.status, 2) << window;
        EXPECT_NE(refused.out.find("には回の範囲がありません"), std::string::npos) << refused.out;
    }
    if (!PrintProgramBuilt()) return;
    const auto pagesOf = [&](const std::string& range) {
        const Output out = Cli("--db " + db + " print 数字合計分析 --pdf " + dir.file("sum.pdf") + range);
        EXPECT_EQ(out.status, 0) << out.out;
        return std::atoi(out.out.substr(out.out.rfind(": ") + 2).c_str());
    };
    EXPECT_LT(pagesOf(" --from 111"), pagesOf(""));
    const Output refused = Cli("--db " + db + " print 出現頻度分析 --from 5 --pdf " + dir.file("f.pdf"));
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.out.find("「出現頻度分析」には回の範囲がありません"), std::string::npos) << refused.out;
}
