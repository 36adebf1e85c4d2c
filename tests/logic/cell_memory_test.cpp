#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "core/cell_memory.h"
#include "core/grid_model.h"

using namespace n3;

namespace {

constexpr std::size_t kMiB = std::size_t(1) << 20;

bool AllZero(const void* block, std::size_t bytes) {
    const auto* p = static_cast<const unsigned char*>(block);
    return std::all_of(p, p + bytes, [](unsigned char b) { return b == 0; });
}

}  // namespace

// A block given back and asked for again, at the same size or a little
// smaller or larger (a grid with a row less or more), is the same memory,
// cleared.
TEST(CellMemory, AReusedBlockComesBackZeroed) {
    for (const std::size_t second : {3 * kMiB, 3 * kMiB - 128, 3 * kMiB + 128}) {
        void* first = AllocateZeroedCells(3 * kMiB);
        ASSERT_TRUE(AllZero(first, 3 * kMiB));
        std::memset(first, 0xab, 3 * kMiB);
        FreeZeroedCells(first, 3 * kMiB);
        void* again = AllocateZeroedCells(second);
        EXPECT_EQ(again, first) << second;
        EXPECT_TRUE(AllZero(again, second)) << second;
        FreeZeroedCells(again, second);
    }
}

// A grid's cells grown by a row, however the size falls, keep their place.
TEST(CellMemory, AGridGrownByARowFindsItsBlockAgain) {
    for (const std::size_t rows : {32767u, 16384u, 8200u}) {
        std::vector<std::uint32_t, ZeroedAllocator<std::uint32_t>> cells(32 * rows);
        const void* before = cells.data();
        std::fill(cells.begin(), cells.end(), 7u);
        cells = decltype(cells)();
        cells = decltype(cells)(32 * (rows + 1));
        EXPECT_EQ(cells.data(), before) << rows;
        EXPECT_TRUE(AllZero(cells.data(), cells.size() * sizeof(std::uint32_t))) << rows;
    }
}

// A block reused for a request smaller than it holds is kept again at
// what it holds: a grid growing a little at a time, freed and rebuilt each
// time, never gets a block too small for its cells.
TEST(CellMemory, AGrowingGridNeverGetsABlockTooSmall) {
    for (std::size_t bytes = 4 * kMiB; bytes < 4 * kMiB + 600 * 1024; bytes += 20 * 1024) {
        auto* block = static_cast<unsigned char*>(AllocateZeroedCells(bytes));
        EXPECT_GE(malloc_usable_size(block), bytes) << bytes;
        EXPECT_TRUE(AllZero(block, bytes)) << bytes;
        std::memset(block, 0x5a, bytes);
        FreeZeroedCells(block, bytes);
    }
}

TEST(CellMemory, SmallBlocksAreZeroedAndNotKept) {
    const std::size_t before = KeptCellBytes();
    std::vector<void*> blocks;
    for (std::size_t bytes : {std::size_t(0), std::size_t(1), std::size_t(4096), kMiB - 1}) {
        void* block = AllocateZeroedCells(bytes);
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(AllZero(block, bytes)) << bytes;
        blocks.push_back(block);
        std::memset(block, 0xcd, bytes);
        FreeZeroedCells(block, bytes);
    }
    EXPECT_EQ(KeptCellBytes(), before);
}

// What is kept stays within its bound however many large grids are dropped,
// and a block larger than the bound is not kept at all.
TEST(CellMemory, KeptMemoryStaysBounded) {
    std::vector<void*> blocks;
    for (int i = 0; i < 12; ++i) blocks.push_back(AllocateZeroedCells(12 * kMiB));
    for (void* block : blocks) FreeZeroedCells(block, 12 * kMiB);
    EXPECT_GT(KeptCellBytes(), 0u);
    EXPECT_LE(KeptCellBytes(), 64 * kMiB);

    const std::size_t before = KeptCellBytes();
    void* huge = AllocateZeroedCells(80 * kMiB);
    FreeZeroedCells(huge, 80 * kMiB);
    EXPECT_LE(KeptCellBytes(), 64 * kMiB);
    EXPECT_LE(KeptCellBytes(), before);
}

// Threads building grids at once never share a block: each finds its own
// pattern intact after the others wrote theirs.
TEST(CellMemory, ThreadsNeverShareABlock) {
    constexpr int kThreads = 4;
    std::vector<int> faults(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t, &faults] {
            for (int round = 0; round < 20; ++round) {
                const std::size_t bytes = 2 * kMiB;
                auto* block = static_cast<unsigned char*>(AllocateZeroedCells(bytes));
                if (!AllZero(block, bytes)) ++faults[std::size_t(t)];
                std::memset(block, t + 1, bytes);
                std::this_thread::yield();
                if (std::any_of(block, block + bytes, [t](unsigned char b) { return b != t + 1; }))
                    ++faults[std::size_t(t)];
                FreeZeroedCells(block, bytes);
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(faults, std::vector<int>(kThreads, 0));
}

// A grid built where a dropped grid's cells were starts empty, in the
// default style, whatever the dropped one held.
TEST(CellMemory, AGridBuiltAfterADroppedOneStartsEmpty) {
    constexpr int kColumns = 32, kRows = 20000;
    {
        GridModel dropped;
        dropped.setSize(kColumns, kRows);
        dropped.gridLinesOnBlock(dropped.all(), colours::LineBlue);
        dropped.setBackground(dropped.all(), colours::HeaderPink);
        for (int r = 1; r <= kRows; ++r)
            for (int c = 1; c <= kColumns; ++c) dropped.setNumber(c, r, r * c);
    }
    GridModel grid;
    grid.setSize(kColumns, kRows);
    int filled = 0, styled = 0;
    for (int c = 1; c <= kColumns; ++c)
        for (int r = 1; r <= kRows; ++r) {
            filled += grid.isEmpty(c, r) ? 0 : 1;
            styled += grid.style(c, r) == CellStyle{} ? 0 : 1;
        }
    EXPECT_EQ(filled, 0);
    EXPECT_EQ(styled, 0);
}
