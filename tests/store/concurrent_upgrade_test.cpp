// Six programs opening one older-version database at once (the desktop
// program and a command line right after installing): the one that wins
// the write lock upgrades it; the others read the version again under the
// lock, find the upgrade done and go on. None fails with a false reason.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "platform/store/schema.h"
#include "raw_sqlite.h"
#include "temp_dir.h"
#include "test_paths.h"

namespace n3::testing {
namespace {

TEST(ConcurrentUpgrade, SixProgramsOnOneVersion1FileAllGoOn) {
    TempDir dir;
    for (int round = 0; round < 4; ++round) {
        const std::string path = dir.file("six" + std::to_string(round) + ".db");
        ASSERT_EQ(RawExec(path, kVersion1), SQLITE_OK);
        std::string line;
        for (int i = 0; i < 6; ++i)
            line += "(" + std::string(n3::testing::kCliPath) + " --db " + path + " tickets list >/dev/null 2>" +
                    dir.file("err" + std::to_string(i)) + " || echo FAILED) & ";
        const CliRun r = RunShell(line + "wait");
        std::string errors;
        for (int i = 0; i < 6; ++i) errors += Bytes(dir.file("err" + std::to_string(i)));
        EXPECT_EQ(r.out.find("FAILED"), std::string::npos) << errors;
        EXPECT_EQ(errors.find("すでにあります"), std::string::npos) << errors;
        EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
        EXPECT_EQ(RawValue(SchemaBackupPath(path, 1), "PRAGMA user_version"), "1");
        EXPECT_EQ(RawValue(path, "SELECT count(*) FROM 当選データ"), "3");
    }
}

}  // namespace
}  // namespace n3::testing
