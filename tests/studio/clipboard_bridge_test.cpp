// The clipboard exchange, with the platform's real clipboard and a fake
// desktop clipboard that counts what it is given.
#include <cstring>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include <platform/embed.h>
#include <windows.h>

#include "bridge/clipboard_bridge.h"

namespace studio {
namespace {

class FakeDesktop final : public DesktopClipboard {
public:
    std::optional<std::string> contents;
    int sets = 0;
    std::optional<std::string> text() override { return contents; }
    void setText(const std::string &text) override {
        contents = text;
        ++sets;
    }
};

// Puts one block of a format on the platform's clipboard, as a window copying would.
void copyBlock(UINT format, const std::string &bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    std::memcpy(GlobalLock(block), bytes.c_str(), bytes.size() + 1);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(format, block);
    CloseClipboard();
}

class ClipboardBridgeTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::setClipboardListener([this] { bridge.platformChanged(); });
        copyBlock(CF_TEXT, "");
        desktop.sets = 0;
        desktop.contents.reset();
    }
    void TearDown() override { plat::setClipboardListener({}); }

    FakeDesktop desktop;
    ClipboardBridge bridge{desktop};
};

// Text as it is, a chart picture as its SVG text, each copy once.
TEST_F(ClipboardBridgeTest, PlatformCopiesGoToTheDesktopAsText) {
    const std::pair<UINT, std::string> copies[] = {{CF_TEXT, "x\ty\r\n1\t2\r\n"},
                                                   {RegisterClipboardFormatA("image/svg+xml"), "<svg/>"}};
    for (const auto &[format, bytes] : copies) {
        copyBlock(format, bytes);
        EXPECT_EQ(desktop.contents, bytes);
    }
    EXPECT_EQ(desktop.sets, 2);
}

TEST_F(ClipboardBridgeTest, DesktopTextBecomesPlatformTextOnceWithoutEcho) {
    desktop.contents = "pasted 1.5";
    bridge.desktopMayHaveChanged();
    EXPECT_EQ(plat::clipboardText(), "pasted 1.5");
    // The platform's listener saw its own change but gave the desktop nothing back.
    EXPECT_EQ(desktop.sets, 0);
    // Unchanged desktop text is not put back over what the platform copied since.
    copyBlock(CF_TEXT, "copied here");
    EXPECT_EQ(desktop.contents, "copied here");
    desktop.contents = "copied here";
    bridge.desktopMayHaveChanged();
    EXPECT_EQ(plat::clipboardText(), "copied here");
    // New desktop text replaces it.
    desktop.contents = "newer";
    bridge.desktopMayHaveChanged();
    EXPECT_EQ(plat::clipboardText(), "newer");
}

TEST_F(ClipboardBridgeTest, EmptyOrMissingDesktopTextLeavesThePlatformAlone) {
    copyBlock(CF_TEXT, "kept");
    desktop.contents.reset();
    bridge.desktopMayHaveChanged();
    desktop.contents = "";
    bridge.desktopMayHaveChanged();
    EXPECT_EQ(plat::clipboardText(), "kept");
}

TEST_F(ClipboardBridgeTest, AClipboardHeldOpenElsewhereFailsCleanly) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(setPlatformClipboardText("blocked"));
    CloseClipboard();
    EXPECT_TRUE(setPlatformClipboardText("free"));
    EXPECT_EQ(platformClipboardText(), "free");
}

}  // namespace
}  // namespace studio
