// Large blocks: anonymous mappings trimmed to start on a huge page.
#include "platform/large_blocks.h"

#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

namespace plat {

namespace {

size_t pageRounded(size_t bytes) {
    const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

}  // namespace

void *allocateLargeBlock(size_t bytes) noexcept {
    if (bytes == 0 || bytes > SIZE_MAX / 2 - kLargeBlockBytes) return nullptr;
    const size_t length = pageRounded(bytes);
    // One huge page more than asked for, so that the block can start on one;
    // what lies before and after the block goes back at once.
    const size_t mapped = length + kLargeBlockBytes;
    void *base = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) return nullptr;
    const uintptr_t first = reinterpret_cast<uintptr_t>(base);
    const uintptr_t start = (first + kLargeBlockBytes - 1) & ~uintptr_t{kLargeBlockBytes - 1};
    if (start > first) ::munmap(base, start - first);
    const uintptr_t tail = start + length, end = first + mapped;
    if (end > tail) ::munmap(reinterpret_cast<void *>(tail), end - tail);
    void *block = reinterpret_cast<void *>(start);
    ::madvise(block, length, MADV_HUGEPAGE);
    return block;
}

void freeLargeBlock(void *block, size_t bytes) noexcept {
    if (block) ::munmap(block, pageRounded(bytes));
}

}  // namespace plat
