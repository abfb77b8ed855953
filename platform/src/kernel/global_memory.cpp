// GlobalAlloc, GlobalLock, GlobalUnlock, GlobalFree, GlobalSize.
//
// A moveable block is named by an opaque handle from its own handle range and
// reached through GlobalLock; a fixed block is named by its own address, as
// on Windows. Every block is registered, so an unknown or freed value is
// refused instead of being dereferenced. Blocks never actually move.
#include "kernel/global_memory.h"

#include <cstring>
#include <map>
#include <memory>

#include "internal/handles.h"
#include "kernel/win_errors.h"

namespace {

struct Block {
    std::unique_ptr<std::byte[]> data;
    size_t size = 0;
    bool moveable = false;
    unsigned lockCount = 0;
};

// Bytes of a block allocated without GMEM_ZEROINIT. Windows leaves them
// undefined; a fixed pattern keeps runs repeatable and makes code that
// forgets GMEM_ZEROINIT visible.
constexpr unsigned char kUninitialisedByte = 0xCD;

struct Registry {
    plat::HandleTable<Block> moveable{plat::kGlobalHandleBase};
    std::map<const void *, std::unique_ptr<Block>> fixed;

    Block *find(HGLOBAL h) {
        if (h == nullptr) return nullptr;
        if (Block *b = moveable.find(h)) return b;
        auto it = fixed.find(h);
        return it == fixed.end() ? nullptr : it->second.get();
    }
};

Registry &registry() {
    static Registry r;
    return r;
}

Block *findOrFail(HGLOBAL h) {
    Block *block = registry().find(h);
    if (block == nullptr) SetLastError(ERROR_INVALID_HANDLE);
    return block;
}

}  // namespace

namespace plat {
bool isGlobalBlock(HGLOBAL block) {
    return registry().find(block) != nullptr;
}
}  // namespace plat

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, size_t dwBytes) {
    auto block = std::make_unique<Block>();
    block->size = dwBytes;
    block->moveable = (uFlags & GMEM_MOVEABLE) != 0;
    // One byte at least, so that even an empty fixed block has an address.
    block->data.reset(new (std::nothrow) std::byte[dwBytes == 0 ? 1 : dwBytes]);
    if (!block->data) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    std::memset(block->data.get(), (uFlags & GMEM_ZEROINIT) ? 0 : kUninitialisedByte, dwBytes);
    if (block->moveable) return registry().moveable.add<HGLOBAL>(std::move(block));
    void *address = block->data.get();
    registry().fixed.emplace(address, std::move(block));
    return address;
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
    Block *block = findOrFail(hMem);
    if (block == nullptr) return nullptr;
    if (!block->moveable) return block->data.get();
    // An empty moveable block is a discarded one: there is nothing to lock.
    if (block->size == 0) return nullptr;
    ++block->lockCount;
    return block->data.get();
}

// Returns whether the block is still locked. Fixed blocks have no lock count
// and always succeed.
BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
    Block *block = findOrFail(hMem);
    if (block == nullptr) return FALSE;
    if (!block->moveable) return TRUE;
    if (block->lockCount == 0) {
        SetLastError(plat::kErrorNotLocked);
        return FALSE;
    }
    --block->lockCount;
    if (block->lockCount == 0) SetLastError(ERROR_SUCCESS);
    return block->lockCount > 0 ? TRUE : FALSE;
}

// NULL on success, the handle itself when it names no block. A locked block
// is freed all the same, as Windows does.
HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
    if (hMem == nullptr) return nullptr;
    Registry &r = registry();
    if (r.moveable.remove(hMem) || r.fixed.erase(hMem) != 0) return nullptr;
    SetLastError(ERROR_INVALID_HANDLE);
    return hMem;
}

size_t WINAPI GlobalSize(HGLOBAL hMem) {
    Block *block = findOrFail(hMem);
    return block == nullptr ? 0 : block->size;
}

}  // extern "C"
