// PIXBUF32 memory blocks: contents by flag, refused sizes, and frees of
// addresses that are not live blocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include <pixbuf32.h>

namespace {

bool allBytes(const void *block, DWORD size, uint8_t value) {
    const auto *p = static_cast<const uint8_t *>(block);
    return std::all_of(p, p + size, [value](uint8_t b) { return b == value; });
}

TEST(MemAllocBlock, ContentsFollowTheFlags) {
    for (int round = 0; round < 3; ++round) {  // a dirtied, freed block never shows through
        void *zeroed = MemAllocBlock(MEMBLOCK_ZEROINIT, 4096);
        void *moveable = MemAllocBlock(MEMBLOCK_MOVEABLE, 1000);
        ASSERT_TRUE(zeroed && moveable);
        EXPECT_TRUE(allBytes(zeroed, 4096, 0));
        EXPECT_TRUE(allBytes(moveable, 1000, 0xCD));  // undefined on Windows; repeatable here
        std::fill_n(static_cast<double *>(moveable), 125, 1.5);
        std::fill_n(static_cast<uint8_t *>(zeroed), 4096, 7);
        MemFreeBlock(zeroed);
        MemFreeBlock(moveable);
    }
}

TEST(MemAllocBlock, ZeroAndOversizedRequestsGiveNull) {
    EXPECT_EQ(MemAllocBlock(MEMBLOCK_ZEROINIT, 0), nullptr);
    EXPECT_EQ(MemAllocBlock(MEMBLOCK_MOVEABLE, 0xFFFFFFFFu), nullptr);
    EXPECT_EQ(MemAllocBlock(MEMBLOCK_MOVEABLE, (256u << 20) + 1), nullptr);
}

TEST(MemFreeBlock, UnknownAddressesAreIgnored) {
    int onStack = 0;
    MemFreeBlock(nullptr);
    MemFreeBlock(&onStack);
    void *block = MemAllocBlock(MEMBLOCK_ZEROINIT, 16);
    MemFreeBlock(static_cast<char *>(block) + 1);  // inside a block, not its address
    EXPECT_TRUE(allBytes(block, 16, 0));           // still live (ASan would see a use after free)
    MemFreeBlock(block);
    MemFreeBlock(block);  // a second free is ignored too
}

}  // namespace
