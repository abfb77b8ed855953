// Global memory: moveable handles, fixed pointers, lock counts, freeing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <windows.h>

namespace {

TEST(GlobalMemory, MoveableBlockIsAnOpaqueHandleAndFixedBlockItsOwnPointer) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 16);
    char *p = static_cast<char *>(GlobalLock(h));
    ASSERT_NE(p, nullptr);
    EXPECT_NE(static_cast<void *>(p), h);
    std::strcpy(p, "kept");
    GlobalUnlock(h);
    EXPECT_STREQ(static_cast<char *>(GlobalLock(h)), "kept");
    GlobalUnlock(h);
    EXPECT_EQ(GlobalSize(h), 16u);
    EXPECT_EQ(GlobalFree(h), nullptr);
    HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);  // a discarded block: nothing to lock
    EXPECT_EQ(GlobalLock(empty), nullptr);
    GlobalFree(empty);
    HGLOBAL fixed = GlobalAlloc(GPTR, 8);  // a fixed block is its own pointer
    EXPECT_EQ(GlobalLock(fixed), fixed);
    EXPECT_EQ(GlobalSize(fixed), 8u);
    EXPECT_TRUE(GlobalUnlock(fixed));
    EXPECT_EQ(GlobalFree(fixed), nullptr);
}

TEST(GlobalMemory, ZeroInitClearsAndPlainAllocationDoesNot) {
    HGLOBAL zeroed = GlobalAlloc(GHND, 64), plain = GlobalAlloc(GMEM_MOVEABLE, 64);
    auto *z = static_cast<unsigned char *>(GlobalLock(zeroed));
    auto *p = static_cast<unsigned char *>(GlobalLock(plain));
    EXPECT_EQ(std::count(z, z + 64, 0), 64);
    EXPECT_LT(std::count(p, p + 64, 0), 64);
    GlobalFree(zeroed);
    GlobalFree(plain);
}

TEST(GlobalMemory, UnlockReportsWhetherLocksRemain) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 4);
    GlobalLock(h);
    GlobalLock(h);
    EXPECT_TRUE(GlobalUnlock(h));
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GetLastError(), 158u);  // ERROR_NOT_LOCKED
    GlobalLock(h);
    EXPECT_EQ(GlobalFree(h), nullptr) << "a locked block is freed all the same";
}

TEST(GlobalMemory, FreedAndUnknownHandlesFailWithoutFaulting) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalFree(h), h);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    int local = 0;
    EXPECT_EQ(GlobalLock(&local), nullptr);
    EXPECT_EQ(GlobalFree(&local), static_cast<HGLOBAL>(&local));
    EXPECT_EQ(GlobalFree(nullptr), nullptr);
}

}  // namespace
