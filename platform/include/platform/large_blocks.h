// Large zeroed blocks straight from the system, aligned to and advised for
// huge pages. A fresh page costs a fault on its first write, and on virtual
// machines a fault of a small page costs about as much as one of a huge page
// (about 12 us here), so a window surface or an image filled with small pages
// spends most of its making in faults. Plain C++ for the platform and the host
// alike; the module never includes this header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

namespace plat {

// Blocks from this size up are worth huge pages; smaller ones would waste
// most of one.
inline constexpr size_t kLargeBlockBytes = size_t{2} << 20;

// `bytes` (at least kLargeBlockBytes) zero bytes starting on a huge page, or
// nullptr when the system has none. Advice only: without huge pages the
// memory is still good.
void *allocateLargeBlock(size_t bytes) noexcept;
// Returns a block of allocateLargeBlock with the size it was asked for.
void freeLargeBlock(void *block, size_t bytes) noexcept;

// A std::allocator that takes large blocks from the system as above and
// small ones from operator new.
template <class T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U> &) noexcept {}

    T *allocate(size_t n) {
        if (n > SIZE_MAX / sizeof(T)) throw std::bad_array_new_length();
        const size_t bytes = n * sizeof(T);
        if (bytes < kLargeBlockBytes) return static_cast<T *>(::operator new(bytes));
        if (void *block = allocateLargeBlock(bytes)) return static_cast<T *>(block);
        throw std::bad_alloc();
    }
    void deallocate(T *p, size_t n) noexcept {
        const size_t bytes = n * sizeof(T);
        if (bytes < kLargeBlockBytes)
            ::operator delete(p);
        else
            freeLargeBlock(p, bytes);
    }
    template <class U>
    bool operator==(const LargeBlockAllocator<U> &) const noexcept {
        return true;
    }
};

}  // namespace plat
