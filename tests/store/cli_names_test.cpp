// The command line's words: windows named by their menu captions, the usage
// on request, and options no command knows refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "temp_dir.h"
#include "windows/main_commands.h"
#include "windows/window_table.h"

using n3::testing::Cli;
using n3::testing::TempDir;

namespace {

struct NameCase {
    const char* menuCaption;
    const char* className;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const NameCase& c, std::ostream* out) { *out << c.className; }

class WindowNameTest : public ::testing::TestWithParam<NameCase> {};

// The caption and the class name print the same table.
TEST_P(WindowNameTest, MenuCaptionPrintsTheSameWindowAsTheClassName) {
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import " +
                  dir.write("h.csv", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n2,4,5,6\n3,7,8,9\n4,0,1,2\n"))
                  .status,
              0);
    const std::string settings = " --settings " + dir.file("s.ini");
    const auto byCaption =
        Cli("--db " + db + " show " + GetParam().menuCaption + settings + " --format json", "2>/dev/null");
    const auto byClass =
        Cli("--db " + db + " show " + GetParam().className + settings + " --format json", "2>/dev/null");
    EXPECT_EQ(byCaption.status, 0) << byCaption.out;
    ASSERT_EQ(byClass.status, 0) << byClass.out;
    EXPECT_EQ(byCaption.out, byClass.out);
    EXPECT_FALSE(byCaption.out.empty());
}

INSTANTIATE_TEST_SUITE_P(Captions, WindowNameTest,
                         ::testing::Values(NameCase{"10分割データ分析", "分割10データ分析"},
                                           NameCase{"5分割傾向分析", "分割5傾向分析"},
                                           NameCase{"一発ズバリン予想", "一発ズバリン"},
                                           NameCase{"購入記録", "購入記録"}));

TEST(CliUsage, HelpInEveryFormPrintsUsageToStandardOutputAndExitsZero) {
    for (const char* words : {"--help", "help", "-h", "show --help", "--db x.db help"}) {
        const auto r = Cli(words, "2>/dev/null");
        EXPECT_EQ(r.status, 0) << words;
        EXPECT_NE(r.out.find("使い方: numbers3zubarin-cli"), std::string::npos) << words;
        EXPECT_NE(r.out.find("show WINDOW"), std::string::npos) << words;
    }
}

// The usage is Japanese: one line per command, saying what it does, with
// an example that names the command.
TEST(CliUsage, EachCommandHasOneJapaneseLineWithAnExample) {
    const auto r = Cli("--help", "2>/dev/null");
    ASSERT_EQ(r.status, 0);
    for (const char* command :
         {"import", "export", "stats", "where", "show", "import-bundled", "update", "backtest", "print", "tickets"}) {
        const std::string head = std::string("  ") + command + " ";
        const std::size_t at = r.out.find(head);
        ASSERT_NE(at, std::string::npos) << command << "\n" << r.out;
        const std::string line = r.out.substr(at, r.out.find('\n', at) - at);
        EXPECT_NE(line.find("例: numbers3zubarin-cli " + std::string(command)), std::string::npos) << line;
        // Says what it does, in Japanese, before the example.
        const std::string what = line.substr(head.size(), line.find("例:") - head.size());
        EXPECT_NE(std::find_if(what.begin(), what.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }),
                  what.end())
            << line;
    }
    EXPECT_NE(r.out.find("--version"), std::string::npos);
    EXPECT_EQ(r.out.find("usage:"), std::string::npos);
}

TEST(CliUsage, VersionPrintsTheProgramAndItsVersion) {
    const auto r = Cli("--version", "2>/dev/null");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("numbers3zubarin-cli ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find_first_of("0123456789"), std::string::npos) << r.out;
}

TEST(CliUsage, ShowQuestionMarkListsTheWindowNamesAndSucceeds) {
    TempDir dir;
    const auto r = Cli("--db " + dir.file("d.db") + " show ?", "2>/dev/null");
    EXPECT_EQ(r.status, 0) << r.out;
    for (const char* name : {"出現頻度分析", "一発ズバリン", "次回の抽せん", "購入記録"})
        EXPECT_NE(r.out.find(std::string(name) + "\n"), std::string::npos) << name << "\n" << r.out;
}

// --number takes a number as --numbers does: leading zeros optional.
TEST(CliUsage, NumberWithoutLeadingZerosIsTheSameNumber) {
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(
        Cli("--db " + db + " import " + dir.write("h.csv", "回数,第1数字,第2数字,第3数字\n1,0,1,2\n2,2,1,0\n")).status,
        0);
    const std::string show = "--db " + db + " show 数字検索 --settings " + dir.file("s.ini") + " --format json";
    const auto padded = Cli(show + " --number 012", "2>&1");
    ASSERT_EQ(padded.status, 0) << padded.out;
    EXPECT_EQ(Cli(show + " --number 12", "2>&1").out, padded.out);
    EXPECT_EQ(Cli(show + " --number ０１２", "2>&1").out, padded.out);
    EXPECT_EQ(Cli(show + " --number 7", "2>&1").out, Cli(show + " --number 007", "2>&1").out);
    EXPECT_EQ(Cli(show + " --number 1234", "2>&1").status, 2);
}

// An update source without its closing "/" is taken as the folder it names.
TEST(CliUsage, SourceWithoutTheClosingSlashIsCompletedNotRefused) {
    TempDir dir;
    const auto r = Cli("--db " + dir.file("d.db") + " update --source http://127.0.0.1:1/csv");
    EXPECT_NE(r.status, 2) << r.out;
    EXPECT_EQ(r.out.find("/ で終わる"), std::string::npos) << r.out;
}

TEST(CliUsage, UnknownOptionsAreRefusedWithExitTwoAndNamed) {
    TempDir dir;
    const auto db = dir.file("d.db");
    for (const char* words :
         {"stats --frmo 3", "show 出現頻度分析 --form 1", "export --verbose 1", "--colour x stats"}) {
        const auto r = Cli("--db " + db + " " + words);
        EXPECT_EQ(r.status, 2) << words;
        EXPECT_NE(r.out.find("はありません"), std::string::npos) << r.out;
    }
    // A memo that reads "help" is a memo, not a request for the usage.
    const auto memo =
        Cli("--db " + db + " tickets add --draw 1 --number 123 --type box --memo help --settings " + dir.file("s.ini"));
    EXPECT_EQ(memo.status, 0) << memo.out;
}

}  // namespace

namespace {

TEST(CliImport, NumbersWithoutLeadingZerosArePaddedAndTheSummarySaysHowMany) {
    TempDir dir;
    const auto db = dir.file("d.db");
    const auto r = Cli("--db " + db + " import " + dir.write("h.csv", "回号,当せん番号\n1,52\n2,7\n3,123\n"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("2 行は、先頭の0を補って"), std::string::npos) << r.out;
    EXPECT_EQ(Cli("--db " + db + " export").out, "回数,第1数字,第2数字,第3数字\r\n1,0,5,2\r\n2,0,0,7\r\n3,1,2,3\r\n");
}

}  // namespace

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

}  // namespace

// Scripts ask the program for the windows instead of keeping a list.
TEST(WindowsCommand, ListsTheWindowsOfAMenuInMenuOrder) {
    TempDir dir;
    const auto db = " --db " + dir.file("d.db");
    std::vector<std::string> analyses;
    for (const auto* row : n3::WindowsInMenu(n3::kAnalysisMenu)) analyses.emplace_back(row->className);
    ASSERT_GE(analyses.size(), 17u);  // the seventeen analyses and more
    for (const std::string menu : {"データ分析", "analysisMenu"}) {
        const auto run = Cli(db + " windows " + menu, "2>&1");
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(Lines(run.out), analyses) << menu;
    }
    const auto all = Cli(db + " windows", "2>&1");
    ASSERT_EQ(all.status, 0) << all.out;
    const std::vector<std::string> every = Lines(all.out);
    for (const char* name :
         {"一発ズバリン", "当選データ入力", "購入記録", "バージョン情報", "当選結果一覧", "予想の検証"})
        EXPECT_EQ(std::count(every.begin(), every.end(), name), 1) << name;
    EXPECT_EQ(every.size(), n3::AnalysisWindowTable().size() + 4);
}

TEST(WindowsCommand, AMenuItDoesNotKnowIsAUsageError) {
    TempDir dir;
    const auto run = Cli(" --db " + dir.file("d.db") + " windows 無いメニュー", "2>&1");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("メニュー「無いメニュー」はありません"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("「データ分析」"), std::string::npos) << run.out;
}
