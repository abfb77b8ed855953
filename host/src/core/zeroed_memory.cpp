// Zeroed memory from calloc or from the platform's large blocks.
#include "core/zeroed_memory.h"

#include <cstdlib>
#include <new>
#include <utility>

#include "platform/large_blocks.h"

namespace host {

ZeroedMemory::ZeroedMemory(size_t bytes) {
    if (bytes == 0) return;
    if (bytes < plat::kLargeBlockBytes) {
        data_ = static_cast<uint8_t *>(std::calloc(bytes, 1));
        if (!data_) throw std::bad_alloc();
        return;
    }
    data_ = static_cast<uint8_t *>(plat::allocateLargeBlock(bytes));
    if (!data_) throw std::bad_alloc();
    largeBytes_ = bytes;
}

ZeroedMemory::ZeroedMemory(ZeroedMemory &&other) noexcept {
    *this = std::move(other);
}

ZeroedMemory &ZeroedMemory::operator=(ZeroedMemory &&other) noexcept {
    if (this == &other) return *this;
    release();
    data_ = std::exchange(other.data_, nullptr);
    largeBytes_ = std::exchange(other.largeBytes_, 0);
    return *this;
}

ZeroedMemory::~ZeroedMemory() {
    release();
}

void ZeroedMemory::release() {
    if (largeBytes_)
        plat::freeLargeBlock(data_, largeBytes_);
    else
        std::free(data_);
    data_ = nullptr;
    largeBytes_ = 0;
}

}  // namespace host
