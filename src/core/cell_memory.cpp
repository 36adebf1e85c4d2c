#include "core/cell_memory.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace n3 {

namespace {

// Below this a block comes straight from calloc, which reuses small blocks
// well on its own.
constexpr std::size_t kKeptFrom = std::size_t(1) << 20;
// A large block is made this much larger than asked, rounded to this step,
// so that a grid grown by a few rows still fits the block it had.
constexpr std::size_t kStep = std::size_t(64) << 10;
// At most this much is kept, in at most this many blocks: enough for the
// cells of a few of the largest grids.
constexpr std::size_t kKeptBytes = std::size_t(64) << 20;
constexpr std::size_t kKeptBlocks = 8;

struct Block {
    void* memory;
    std::size_t bytes;  // the capacity it is counted at
};

struct KeptBlocks {
    std::mutex mutex;
    std::vector<Block> blocks;  // oldest first
    std::size_t bytes = 0;
};

// Never destroyed: grids freed while the program exits still find it.
KeptBlocks& Kept() {
    static KeptBlocks* const kept = new KeptBlocks;
    return *kept;
}

std::size_t Capacity(std::size_t bytes) { return (bytes + kStep - 1) / kStep * kStep + kStep; }

}  // namespace

void* AllocateZeroedCells(std::size_t bytes) {
    if (bytes >= kKeptFrom) {
        const std::size_t capacity = Capacity(bytes);
        void* reused = nullptr;
        {
            KeptBlocks& kept = Kept();
            const std::lock_guard lock(kept.mutex);
            // The smallest block that holds the request without wasting
            // more than an eighth of it. A block is counted at the capacity
            // of the size it was last asked for, never more than it holds.
            auto best = kept.blocks.end();
            for (auto it = kept.blocks.begin(); it != kept.blocks.end(); ++it)
                if (it->bytes >= bytes && it->bytes <= capacity + capacity / 8 &&
                    (best == kept.blocks.end() || it->bytes < best->bytes))
                    best = it;
            if (best != kept.blocks.end()) {
                reused = best->memory;
                kept.bytes -= best->bytes;
                kept.blocks.erase(best);
            }
        }
        if (reused) return std::memset(reused, 0, bytes);
        if (void* fresh = std::calloc(capacity, 1)) return fresh;
        throw std::bad_alloc();
    }
    if (void* small = std::calloc(bytes ? bytes : 1, 1)) return small;
    throw std::bad_alloc();
}

void FreeZeroedCells(void* block, std::size_t bytes) {
    if (!block) return;
    if (bytes >= kKeptFrom) {
        const std::size_t capacity = Capacity(bytes);
        std::vector<void*> dropped;
        {
            KeptBlocks& kept = Kept();
            const std::lock_guard lock(kept.mutex);
            kept.blocks.push_back({block, capacity});
            kept.bytes += capacity;
            // The oldest go first; a block larger than the whole bound is
            // not kept at all.
            while (kept.bytes > kKeptBytes || kept.blocks.size() > kKeptBlocks) {
                dropped.push_back(kept.blocks.front().memory);
                kept.bytes -= kept.blocks.front().bytes;
                kept.blocks.erase(kept.blocks.begin());
            }
        }
        for (void* memory : dropped) std::free(memory);
        return;
    }
    std::free(block);
}

std::size_t KeptCellBytes() {
    KeptBlocks& kept = Kept();
    const std::lock_guard lock(kept.mutex);
    return kept.bytes;
}

}  // namespace n3
