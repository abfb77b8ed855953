// Zeroed memory for pixels: large blocks from the platform's huge-page
// allocator (see platform/large_blocks.h), so a 128 MB image is filled with
// 64 faults rather than 32,768; small blocks from calloc.
#pragma once

#include <cstddef>
#include <cstdint>

namespace host {

class ZeroedMemory {
public:
    ZeroedMemory() = default;
    // `bytes` zero bytes; throws std::bad_alloc when the system has none.
    explicit ZeroedMemory(size_t bytes);
    ZeroedMemory(ZeroedMemory &&other) noexcept;
    ZeroedMemory &operator=(ZeroedMemory &&other) noexcept;
    ZeroedMemory(const ZeroedMemory &) = delete;
    ZeroedMemory &operator=(const ZeroedMemory &) = delete;
    ~ZeroedMemory();

    uint8_t *data() const { return data_; }

private:
    void release();

    uint8_t *data_ = nullptr;
    size_t largeBytes_ = 0;  // the block's size when it is a large block
};

}  // namespace host
