#include "FePages.h"

#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace lexorin {

void* MapPages(std::size_t bytes) {
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    return block;
}

void UnmapPages(void* block, std::size_t bytes) noexcept {
    munmap(block, bytes);
}

void ReleasePages(void* from, void* to) noexcept {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(from) + page - 1) & ~(page - 1);
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(to) & ~(page - 1);
    if (start < end)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
}

} // namespace lexorin
