// What the update says when the disk fails under the database: a failed
// write, a full disk reported by the sync, a failed or short read. Each
// says what happened in plain Japanese and asks to try again; none says
// the file is damaged, and none stores half a draw. A file that is really
// damaged (its check fails) is still called 壊れています.
#include <gtest/gtest.h>

#include "draw_update_fixture.h"
#include "faulty_vfs.h"
#include "platform/net/draw_updater.h"
#include "raw_sqlite.h"

namespace n3::testing {
namespace {

struct Injected {
    const char* name;
    FaultyDisk::Fault fault;
    const char* says;
};
void PrintTo(const Injected& c, std::ostream* out) { *out << c.name; }

class DiskFault : public DrawUpdateTest, public ::testing::WithParamInterface<Injected> {};

TEST_P(DiskFault, DuringAnUpdateIsSaidPlainlyAndARerunCompletes) {
    HttpOptions quick;
    quick.minInterval = std::chrono::milliseconds(0);
    UpdateRequest request;
    request.today = "2026-09-01";
    UpdateOutcome out;
    {
        FaultyDisk disk;
        const auto database = Database::Open(db_, false);
        disk.arm(GetParam().fault);
        HttpClient http(quick);
        out = UpdateDraws(*database, server_->base(), http, {}, request);
        ASSERT_TRUE(disk.fired());
    }
    EXPECT_TRUE(out.failed()) << out.message;
    EXPECT_NE(out.message.find(GetParam().says), std::string::npos) << out.message;
    EXPECT_NE(out.message.find("もう一度お試しください"), std::string::npos) << out.message;
    for (const char* never : {"disk I/O error", "壊れています", "database disk image is malformed", "I/O"})
        EXPECT_EQ(out.message.find(never), std::string::npos) << out.message;
    EXPECT_EQ(RawValue(db_, "PRAGMA integrity_check"), "ok");
    // Every draw stored has its results: nothing half-stored.
    const auto stored = Stored();
    for (int no = 7054; no <= 7060; ++no)
        EXPECT_EQ(stored.count(no) == 1, FindResult(StoredResults(), no) != nullptr) << no;

    HttpClient again(quick);
    const auto database = Database::Open(db_, false);
    const UpdateOutcome rerun = UpdateDraws(*database, server_->base(), again, {}, request);
    EXPECT_FALSE(rerun.failed()) << rerun.message;
    EXPECT_EQ(Stored().at(7060), "519");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DiskFault,
    ::testing::Values(
        Injected{"FailedWrite", FaultyDisk::Fault::Write, "書き込めませんでした（ディスクへの書き込みに失敗"},
        Injected{"DiskFullAtSync", FaultyDisk::Fault::SyncDiskFull, "ディスクの空き容量が足りない"},
        Injected{"FailedRead", FaultyDisk::Fault::Read, "読み込めませんでした（ディスクからの読み込みに失敗"},
        Injected{"ShortRead", FaultyDisk::Fault::ShortRead,
                 "正しく読み込めませんでした（ファイルの検査では異常は見つかりません）"}),
    [](const ::testing::TestParamInfo<Injected>& p) { return std::string(p.param.name); });

TEST(DamagedFile, ThatFailsItsCheckIsStillCalledDamaged) {
    TempDir dir;
    const std::string path = dir.file("damaged.db");
    {
        DrawStore store = DrawStore::Open(path, true);
        std::vector<Draw> draws;
        for (int no = 1; no <= 3000; ++no) draws.push_back(MakeDraw(no, "123"));
        store.Import(draws);
    }
    // Garbage over a page in the middle of the table's tree.
    std::string bytes = Bytes(path);
    ASSERT_GT(bytes.size(), 8u * 4096);
    for (std::size_t i = 5 * 4096; i < 6 * 4096; ++i) bytes[i] = char(0xA5);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    std::string message;
    try {
        const auto database = Database::Open(path, false);
        (void)database->ReadSnapshot();
    } catch (const StoreError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find("壊れています"), std::string::npos) << message;
}

}  // namespace
}  // namespace n3::testing
