// Import counts and deleting several draws at once, on a real database.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/store/draw_store.h"
#include "scoped_environment.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

Draw D(int no, std::optional<int> a, std::optional<int> b, std::optional<int> c) {
    Draw d;
    d.drawNo = no;
    d.digits = {a, b, c};
    return d;
}

}  // namespace

TEST(ImportCounts, UnchangedRowsAreCountedApartAndLeftAlone) {
    TempDir dir;
    auto store = DrawStore::Open(dir.file("x.db"));
    store.Import({D(1, 1, 2, 3), D(2, 4, std::nullopt, 6), D(3, 7, 8, 9)});
    // 1 the same, 2 filled in, 3 the same, 4 new.
    const ImportCounts c = store.Import({D(1, 1, 2, 3), D(2, 4, 5, 6), D(3, 7, 8, 9), D(4, 0, 0, 0)});
    EXPECT_EQ(c.added, 1);
    EXPECT_EQ(c.replaced, 1);
    EXPECT_EQ(c.unchanged, 2);
    EXPECT_EQ(ImportSummary(c), "追加 1 件、更新 1 件、変更なし 2 件");
    EXPECT_EQ(store.ReadHistory()[1].digits[1], 5);
    // An empty digit differs from a stored one.
    const ImportCounts emptied = store.Import({D(2, 4, std::nullopt, 6)});
    EXPECT_EQ(emptied.replaced, 1);
    EXPECT_FALSE(store.ReadHistory()[1].digits[1].has_value());
}

TEST(DeleteDraws, AllGoOrNoneOnALockedDatabase) {
    const n3::testing::ShortBusyTimeout shortWait;
    TempDir dir;
    const std::string path = dir.file("x.db");
    auto store = DrawStore::Open(path);
    store.Import({D(1, 1, 1, 1), D(2, 2, 2, 2), D(3, 3, 3, 3), D(4, 4, 4, 4)});

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_THROW(store.DeleteDraws({2, 3}), StoreError);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(store.DrawCount(), 4);

    store.DeleteDraws({2, 3});
    const auto h = store.ReadHistory();
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ(h[0].drawNo, 1);
    EXPECT_EQ(h[1].drawNo, 4);
}
