// Zeroed memory for pixels. Large blocks come straight from the system,
// aligned to and advised for huge pages: a fresh page costs a fault on first
// write, and on virtual machines a fault of a small page costs about as much
// as one of a huge page, so a 128 MB image filled with small pages spends
// most of its decoding time in faults. Small blocks come from calloc.
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
    void *mapped_ = nullptr;  // the system's block when the memory is mapped
    size_t mappedBytes_ = 0;
};

}  // namespace host
