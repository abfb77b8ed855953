// Zeroed memory from calloc or from anonymous mappings advised for huge pages.
#include "core/zeroed_memory.h"

#include <cstdlib>
#include <new>
#include <utility>

#include <sys/mman.h>

namespace host {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;

}  // namespace

ZeroedMemory::ZeroedMemory(size_t bytes) {
    if (bytes == 0) return;
    if (bytes < kHugePage) {
        data_ = static_cast<uint8_t *>(std::calloc(bytes, 1));
        if (!data_) throw std::bad_alloc();
        return;
    }
    // One huge page more than asked for, so that the block can start on one.
    if (bytes > SIZE_MAX - kHugePage) throw std::bad_alloc();
    mappedBytes_ = bytes + kHugePage;
    mapped_ = ::mmap(nullptr, mappedBytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped_ == MAP_FAILED) {
        mapped_ = nullptr;
        throw std::bad_alloc();
    }
    const uintptr_t start =
        (reinterpret_cast<uintptr_t>(mapped_) + kHugePage - 1) & ~uintptr_t{kHugePage - 1};
    data_ = reinterpret_cast<uint8_t *>(start);
    ::madvise(data_, bytes, MADV_HUGEPAGE);  // advice only: without huge pages the memory is still good
}

ZeroedMemory::ZeroedMemory(ZeroedMemory &&other) noexcept {
    *this = std::move(other);
}

ZeroedMemory &ZeroedMemory::operator=(ZeroedMemory &&other) noexcept {
    if (this == &other) return *this;
    release();
    data_ = std::exchange(other.data_, nullptr);
    mapped_ = std::exchange(other.mapped_, nullptr);
    mappedBytes_ = std::exchange(other.mappedBytes_, 0);
    return *this;
}

ZeroedMemory::~ZeroedMemory() {
    release();
}

void ZeroedMemory::release() {
    if (mapped_)
        ::munmap(mapped_, mappedBytes_);
    else
        std::free(data_);
    data_ = nullptr;
    mapped_ = nullptr;
    mappedBytes_ = 0;
}

}  // namespace host
