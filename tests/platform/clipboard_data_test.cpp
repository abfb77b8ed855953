// The in-process clipboard: text and DIB round trips, ownership of the
// blocks, one opener at a time, the change listener and registered formats.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <platform/embed.h>

namespace {

HGLOBAL textBlock(const char *text) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::strcpy(static_cast<char *>(GlobalLock(h)), text);
    GlobalUnlock(h);
    return h;
}

const HWND kWindowA = reinterpret_cast<HWND>(0x1230);
const HWND kWindowB = reinterpret_cast<HWND>(0x4560);

class ClipboardTest : public testing::Test {
protected:
    void SetUp() override {
        plat::setClipboardListener({});
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        CloseClipboard();
    }
    void TearDown() override {
        plat::setClipboardListener({});
        if (CloseClipboard()) ADD_FAILURE() << "test left the clipboard open";
    }
    static void put(HWND owner, UINT format, HGLOBAL block) {
        ASSERT_TRUE(OpenClipboard(owner));
        ASSERT_TRUE(EmptyClipboard());
        ASSERT_EQ(SetClipboardData(format, block), block);
        ASSERT_TRUE(CloseClipboard());
    }
};

TEST_F(ClipboardTest, TextRoundTrip) {
    EXPECT_FALSE(plat::clipboardText().has_value());
    put(kWindowA, CF_TEXT, textBlock("x\ty\r\n1\t2\r\n"));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
    EXPECT_EQ(plat::clipboardText(), "x\ty\r\n1\t2\r\n");
    ASSERT_TRUE(OpenClipboard(kWindowB));
    HGLOBAL h = GetClipboardData(CF_TEXT);
    EXPECT_STREQ(static_cast<const char *>(GlobalLock(h)), "x\ty\r\n1\t2\r\n");
    GlobalUnlock(h);
    EXPECT_EQ(GetClipboardData(CF_DIB), nullptr);
    CloseClipboard();
}

TEST_F(ClipboardTest, DibPictureRoundTrip) {
    HGLOBAL block = GlobalAlloc(GHND, sizeof(BITMAPINFOHEADER) + 3 * 2 * 4);
    auto *info = static_cast<BITMAPINFOHEADER *>(GlobalLock(block));
    *info = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 3, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    reinterpret_cast<uint32_t *>(info + 1)[5] = 0x00FF8000;
    GlobalUnlock(block);
    put(kWindowA, CF_DIB, block);
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto *read = static_cast<const BITMAPINFOHEADER *>(GlobalLock(GetClipboardData(CF_DIB)));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->biWidth, 3);
    EXPECT_EQ(read->biBitCount, 32);
    EXPECT_EQ(reinterpret_cast<const uint32_t *>(read + 1)[5], 0x00FF8000u);
    GlobalUnlock(block);
    CloseClipboard();
}

TEST_F(ClipboardTest, TheClipboardOwnsAndFreesItsBlocks) {
    HGLOBAL first = textBlock("one");
    put(kWindowA, CF_TEXT, first);
    EXPECT_EQ(GetClipboardOwner(), kWindowA);
    ASSERT_TRUE(OpenClipboard(kWindowB));
    SetClipboardData(CF_TEXT, textBlock("two"));  // replacing frees the old block
    EXPECT_EQ(GlobalSize(first), 0u);
    EXPECT_EQ(GetClipboardOwner(), kWindowA);  // only emptying takes ownership
    HGLOBAL second = GetClipboardData(CF_TEXT);
    EmptyClipboard();
    EXPECT_EQ(GetClipboardOwner(), kWindowB);
    EXPECT_EQ(GlobalSize(second), 0u);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    CloseClipboard();
}

TEST_F(ClipboardTest, OneOpenerAtATimeAndChangesOnlyWhileOpen) {
    HGLOBAL h = textBlock("x");
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_TEXT, h), nullptr);
    EXPECT_EQ(GetLastError(), 1418u);  // ERROR_CLIPBOARD_NOT_OPEN
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    ASSERT_TRUE(OpenClipboard(kWindowA));
    EXPECT_FALSE(OpenClipboard(kWindowB));
    int notABlock = 0;
    EXPECT_EQ(SetClipboardData(CF_TEXT, &notABlock), nullptr);
    EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    GlobalFree(h);
}

TEST_F(ClipboardTest, ListenerHearsOfChangesOnlyWhenClosed) {
    int calls = 0;
    std::optional<std::string> seen;
    plat::setClipboardListener([&] {
        ++calls;
        seen = plat::clipboardText();
    });
    ASSERT_TRUE(OpenClipboard(kWindowA));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, textBlock("table"));
    EXPECT_EQ(calls, 0);
    CloseClipboard();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, "table");
    ASSERT_TRUE(OpenClipboard(kWindowA));
    GetClipboardData(CF_TEXT);
    CloseClipboard();
    EXPECT_EQ(calls, 1);
}

// One number per name whatever its case, from 0xC000; names come back as registered.
TEST_F(ClipboardTest, RegisteredFormatsHaveOneNumberPerName) {
    const UINT svg = RegisterClipboardFormatA("image/svg+xml");
    const UINT other = RegisterClipboardFormatA("Test Other Format");
    EXPECT_GE(svg, 0xC000u);
    EXPECT_NE(svg, other);
    EXPECT_EQ(RegisterClipboardFormatA("IMAGE/SVG+XML"), svg);
    EXPECT_EQ(RegisterClipboardFormatA(""), 0u);
    char name[8] = "";
    EXPECT_EQ(GetClipboardFormatNameA(svg, name, sizeof name), 7);
    EXPECT_STREQ(name, "image/s") << "cut to the buffer with its NUL";
    EXPECT_EQ(GetClipboardFormatNameA(CF_TEXT, name, sizeof name), 0);
    put(kWindowA, svg, textBlock("<svg/>"));
    EXPECT_TRUE(IsClipboardFormatAvailable(svg));
    EXPECT_FALSE(IsClipboardFormatAvailable(other));
}

}  // namespace
