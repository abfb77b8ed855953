// PIXBUF32: memory blocks, image facts and regions for plug-ins.
#include <pixbuf32.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <new>

#include "core/host_reset.h"
#include "core/image_store.h"
#include "core/region.h"

namespace {

// Blocks are tracked, so freeing an address that is not a live block is
// ignored instead of corrupting the heap.
std::map<const void *, std::unique_ptr<std::byte[]>> &blocks() {
    static std::map<const void *, std::unique_ptr<std::byte[]>> live;
    return live;
}

// The plug-in's largest blocks are a few megabytes (profile arrays of at most
// 65,535 x 3 doubles); a request above this is refused like a failed
// allocation rather than taking the machine's memory.
constexpr DWORD kMaxBlockBytes = DWORD{256} << 20;

// Blocks without MEMBLOCK_ZEROINIT have undefined contents on Windows; here
// they are filled with this byte so that runs are repeatable and a read
// before a write shows.
constexpr unsigned char kUninitialisedFill = 0xCD;

}  // namespace

extern "C" {

LPVOID WINAPI MemAllocBlock(UINT flags, DWORD size) {
    if (size == 0 || size > kMaxBlockBytes) return nullptr;
    try {
        auto block = std::make_unique_for_overwrite<std::byte[]>(size);
        std::memset(block.get(), (flags & MEMBLOCK_ZEROINIT) ? 0 : kUninitialisedFill, size);
        void *address = block.get();
        blocks().emplace(address, std::move(block));
        return address;
    } catch (const std::bad_alloc &) {
        return nullptr;  // no exception crosses the library boundary
    }
}

void WINAPI MemFreeBlock(LPVOID block) {
    blocks().erase(block);
}

LONG WINAPI ImgGetInfo(LONG imageId, LONG code, LONG, LONG, LPVOID out) {
    const host::Image *image = host::images().find(imageId);
    if (!image || !out) return -1;
    switch (code) {
        case IMGINFO_CLASS: {
            const DWORD cls = static_cast<DWORD>(image->cls);
            std::memcpy(out, &cls, sizeof cls);
            return 0;
        }
        case IMGINFO_SIZE: {
            const WORD size[2] = {static_cast<WORD>(image->width), static_cast<WORD>(image->height)};
            std::memcpy(out, size, sizeof size);
            return 0;
        }
        case IMGINFO_RANGE: {
            if (image->cls != host::ImageClass::Float) return -2;
            const auto [low, high] = image->valueRange();
            const double range[2] = {low, high};
            std::memcpy(out, range, sizeof range);
            return 0;
        }
        default:
            return -2;
    }
}

HIMGREGION WINAPI ImgOpenRegion(LONG imageId, LONG kind, LONG x1, LONG y1, LONG x2, LONG y2) {
    const host::Image *image = host::images().find(imageId);
    if (!image || kind != 1) return nullptr;
    host::Region region;
    region.imageId = imageId;
    region.left = std::min(x1, x2);
    region.right = std::max(x1, x2);
    region.top = std::min(y1, y2);
    region.bottom = std::max(y1, y2);
    // A rectangle that reaches past the image edges is kept as given (reads
    // outside the image give 0); only one with no pixel in the image fails.
    if (region.right < 0 || region.bottom < 0 || region.left >= image->width || region.top >= image->height)
        return nullptr;
    return static_cast<HIMGREGION>(host::addRegion(region));
}

LONG WINAPI ImgRegionInfo(HIMGREGION handle, LONG code, LONG, LONG, LPVOID out) {
    const host::Region *region = host::findRegion(handle);
    if (!region || !out) return -1;
    if (code != REGIONINFO_RECT) return -2;
    const LONG rect[4] = {region->left, region->top, region->right, region->bottom};
    std::memcpy(out, rect, sizeof rect);
    return 0;
}

}  // extern "C"

namespace host {

void freeAllBlocks() {
    blocks().clear();
}

}  // namespace host
