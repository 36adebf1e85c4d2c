#pragma once
// Zeroed memory for the cells of large grids. A window's grid is dropped
// and built again at nearly the same size each time the history changes;
// a block of many megabytes handed back to the system and asked for again
// is zero-filled by the kernel one page at a time, which costs more than
// writing the grid. Large blocks are therefore kept for reuse (a few, up to
// a bound) and cleared here instead.
#include <cstddef>
#include <new>
#include <utility>

namespace n3 {

// `bytes` of zeroed memory; throws std::bad_alloc when there is none.
void* AllocateZeroedCells(std::size_t bytes);
// Gives back a block from AllocateZeroedCells of the same `bytes`.
void FreeZeroedCells(void* block, std::size_t bytes);
// What is kept for reuse now, in bytes (for tests and benchmarks).
std::size_t KeptCellBytes();

// An allocator of zeroed elements. Elements made without a value keep the
// zeros they came with, so a vector of it is only ever created at its full
// size, never grown or shrunk in place.
template <class T>
struct ZeroedAllocator {
    using value_type = T;
    ZeroedAllocator() = default;
    template <class U>
    ZeroedAllocator(const ZeroedAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(AllocateZeroedCells(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) { FreeZeroedCells(p, n * sizeof(T)); }
    template <class U>
    void construct(U*) noexcept {}
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    friend bool operator==(ZeroedAllocator, ZeroedAllocator) { return true; }
};

}  // namespace n3
