// Memory for the large work arrays of a tree construction.
//
// Blocks of a megabyte or more are mapped from the system directly, so that
// freeing one gives its pages back at once (the heap may keep them resident
// for later use), and a block read once from the front can give back its
// pages as the reading goes on. Smaller blocks come from the heap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lexorin {

constexpr std::size_t PageBlockBytes = std::size_t(1) << 20;

void* MapPages(std::size_t bytes);
void UnmapPages(void* block, std::size_t bytes) noexcept;
// Gives the pages that lie wholly inside [from, to) back to the system; they
// read as zeros afterwards. Only for memory of MapPages.
void ReleasePages(void* from, void* to) noexcept;

template <typename T> class TPageAllocator {
public:
    using value_type = T;
    TPageAllocator() = default;
    template <typename U> TPageAllocator(const TPageAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < PageBlockBytes)
            return std::allocator<T>().allocate(count);
        return static_cast<T*>(MapPages(bytes));
    }
    void deallocate(T* block, std::size_t count) noexcept {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < PageBlockBytes)
            std::allocator<T>().deallocate(block, count);
        else
            UnmapPages(block, bytes);
    }
    template <typename U> bool operator==(const TPageAllocator<U>&) const noexcept { return true; }
};

template <typename T> using TPageVector = std::vector<T, TPageAllocator<T>>;

// Gives back the pages of values[0, count) of an array that is read from
// the front once, when the array has its own mapped block.
template <typename T> void ReleaseFront(TPageVector<T>& values, std::size_t count) noexcept {
    if (values.capacity() * sizeof(T) >= PageBlockBytes)
        ReleasePages(values.data(), values.data() + count);
}

} // namespace lexorin
