// Digits already stored never change without being asked for, whatever the
// shape of the file, and a draw whose digits change loses the prizes that
// were published for the old ones.
#include <gtest/gtest.h>

#include <ostream>

#include "cli_run.h"
#include "make_draw.h"
#include "platform/store/result_store.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::Cli;
using n3::testing::TempDir;

namespace {

struct FileShape {
    const char* name;
    const char* body;  // draw 2 as 999
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const FileShape& c, std::ostream* out) { *out << c.name; }

class DifferingDigits : public ::testing::TestWithParam<FileShape> {};

TEST_P(DifferingDigits, AreRefusedNamingBothValuesUntilReplaceIsGiven) {
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(
        Cli("--db " + db + " import " + dir.write("a.csv", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n2,1,9,1\n")).status,
        0);
    const std::string before = Cli("--db " + db + " export").out;
    const auto refused = Cli("--db " + db + " import " + dir.write("b.csv", GetParam().body));
    EXPECT_EQ(refused.status, 1) << refused.out;
    EXPECT_NE(refused.out.find("第2回"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("「191」"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("「999」"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("--replace"), std::string::npos) << refused.out;
    EXPECT_EQ(Cli("--db " + db + " export").out, before);

    const auto replaced = Cli("--db " + db + " import " + dir.file("b.csv") + " --replace");
    EXPECT_EQ(replaced.status, 0) << replaced.out;
    EXPECT_NE(Cli("--db " + db + " export").out.find("2,9,9,9"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryShape, DifferingDigits,
                         ::testing::Values(FileShape{"Columns", "回数,第1数字,第2数字,第3数字\n2,9,9,9\n"},
                                           FileShape{"Number", "回号,当せん番号\n第2回,999\n"},
                                           FileShape{"Results", "回号,抽せん日,当せん番号\n第2回,2026-01-06,999\n"}),
                         [](const auto& p) { return std::string(p.param.name); });

using n3::testing::MakeDraw;

DrawResult Paid(int no, std::int64_t boxYen) {
    DrawResult r;
    r.drawNo = no;
    r.date = "2026-01-05";
    r.prize(PrizeKind::Box) = Prize{10, boxYen};
    return r;
}

TEST(ReplacedDigits, DropTheDrawsResultsUnlessTheSameFileBringsNewOnes) {
    TempDir dir;
    auto store = DrawStore::Open(dir.file("x.db"));
    ASSERT_TRUE(ImportDrawsAndResults(store, {MakeDraw(1, 9, 1, 9), MakeDraw(2, 1, 2, 3)},
                                      {Paid(1, 30000), Paid(2, 40000)}, false)
                    .ok());
    // Draw 1 becomes 111: the box prize published for 919 no longer holds.
    ASSERT_TRUE(ImportDrawsAndResults(store, {MakeDraw(1, 1, 1, 1), MakeDraw(2, 1, 2, 3)}, {}, true).ok());
    ResultHistory results = ReadResults(store);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].drawNo, 2);

    // Replaced again with the new prizes in the same file: the new ones stay,
    // and none of the old figures is merged in.
    DrawResult fresh;
    fresh.drawNo = 2;
    fresh.prize(PrizeKind::Straight) = Prize{5, 90000};
    ASSERT_TRUE(ImportDrawsAndResults(store, {MakeDraw(2, 4, 5, 6)}, {fresh}, true).ok());
    results = ReadResults(store);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], fresh);
}

}  // namespace
