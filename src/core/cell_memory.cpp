#include "core/cell_memory.h"

#include <algorithm>
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
    std::size_t bytes;  // what it holds
};

struct KeptBlocks {
    std::mutex mutex;
    std::vector<Block> blocks;  // kept for reuse, oldest first
    std::size_t bytes = 0;
    // The large blocks in use, with what each holds: a block handed out for
    // fewer bytes than it holds is kept again at its full size, never at the
    // size it was last asked for.
    std::vector<Block> lent;
};

// Never destroyed: grids freed while the program exits still find it.
KeptBlocks& Kept() {
    static KeptBlocks* const kept = new KeptBlocks;
    return *kept;
}

std::size_t Capacity(std::size_t bytes) { return (bytes + kStep - 1) / kStep * kStep + kStep; }

}  // namespace

void* AllocateZeroedCells(std::size_t bytes) {
    if (bytes < kKeptFrom) {
        if (void* small = std::calloc(bytes ? bytes : 1, 1)) return small;
        throw std::bad_alloc();
    }
    const std::size_t capacity = Capacity(bytes);
    KeptBlocks& kept = Kept();
    Block block{nullptr, capacity};
    {
        const std::lock_guard lock(kept.mutex);
        // The smallest block that holds the request without wasting more
        // than an eighth of it.
        auto best = kept.blocks.end();
        for (auto it = kept.blocks.begin(); it != kept.blocks.end(); ++it)
            if (it->bytes >= bytes && it->bytes <= capacity + capacity / 8 &&
                (best == kept.blocks.end() || it->bytes < best->bytes))
                best = it;
        if (best != kept.blocks.end()) {
            block = *best;
            kept.bytes -= best->bytes;
            kept.blocks.erase(best);
        }
    }
    if (block.memory)
        std::memset(block.memory, 0, bytes);
    else if (!(block.memory = std::calloc(block.bytes, 1)))
        throw std::bad_alloc();
    try {
        const std::lock_guard lock(kept.mutex);
        kept.lent.push_back(block);
    } catch (...) {
        std::free(block.memory);
        throw;
    }
    return block.memory;
}

void FreeZeroedCells(void* memory, std::size_t bytes) {
    if (!memory) return;
    if (bytes < kKeptFrom) {
        std::free(memory);
        return;
    }
    KeptBlocks& kept = Kept();
    std::vector<void*> dropped;
    {
        const std::lock_guard lock(kept.mutex);
        const auto lent =
            std::find_if(kept.lent.begin(), kept.lent.end(), [memory](const Block& b) { return b.memory == memory; });
        if (lent == kept.lent.end()) {
            dropped.push_back(memory);
        } else {
            kept.blocks.push_back(*lent);
            kept.bytes += lent->bytes;
            kept.lent.erase(lent);
        }
        // The oldest go first; a block larger than the whole bound is not
        // kept at all.
        while (kept.bytes > kKeptBytes || kept.blocks.size() > kKeptBlocks) {
            dropped.push_back(kept.blocks.front().memory);
            kept.bytes -= kept.blocks.front().bytes;
            kept.blocks.erase(kept.blocks.begin());
        }
    }
    for (void* block : dropped) std::free(block);
}

std::size_t KeptCellBytes() {
    KeptBlocks& kept = Kept();
    const std::lock_guard lock(kept.mutex);
    return kept.bytes;
}

}  // namespace n3
