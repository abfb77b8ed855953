// Fixture of the control tests: a visible top-level parent window with a
// known background colour that records the notifications it gets and lets a
// test answer the WM_CTLCOLOR* messages; helpers to click at a point of a
// control and to read the pixels of a control from a capture of the parent.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include <platform/embed.h>
#include <windows.h>

#include "support/msg_sequence.h"

namespace controls_test {

using namespace testing_support;  // ExpectedMsg, MessageLog, sequenceMatches and the row flags

// The id `make` gives a control unless told otherwise.
constexpr int kId = 100;

// The parent's background, unlike any system colour.
constexpr COLORREF kParentBackground = RGB(0x12, 0x34, 0x56);

// A colour as captures hold it (0x00RRGGBB).
inline uint32_t pixelOf(COLORREF c) {
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) |
           GetBValue(c);
}
inline uint32_t sysPixel(int index) {
    return pixelOf(GetSysColor(index));
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc{};
            wc.lpfnWndProc = parentProc;
            wc.hbrBackground = CreateSolidBrush(kParentBackground);
            wc.lpszClassName = "ControlsTestParent";
            registered = RegisterClassA(&wc) != 0;
        }
        current() = this;
        parent_ = CreateWindowExA(0, "ControlsTestParent", "", WS_POPUP | WS_VISIBLE, 40, 40, 400, 300,
                                  nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
        plat::pumpMessages();
    }
    void TearDown() override {
        plat::resetWindowManager();
        current() = nullptr;
    }

    HWND make(const char *cls, DWORD style, const char *text, RECT r = {10, 10, 110, 30}, int id = kId) {
        HWND hwnd = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                    r.right - r.left, r.bottom - r.top, parent_,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        EXPECT_NE(hwnd, nullptr) << cls;
        return hwnd;
    }

    POINT screenPoint(HWND hwnd, int x, int y) {
        POINT p{x, y};
        ClientToScreen(hwnd, &p);
        return p;
    }
    void moveTo(HWND hwnd, int x, int y) {
        POINT p = screenPoint(hwnd, x, y);
        plat::inputMouseMove(p.x, p.y);
    }
    void clickAt(HWND hwnd, int x, int y) {
        moveTo(hwnd, x, y);
        plat::inputMouseDown(plat::MouseButton::Left);
        plat::inputMouseUp(plat::MouseButton::Left);
    }

    // The pixels of a control's client area, after painting everything.
    struct ControlPixels {
        plat::Image image;
        POINT origin{};  // the control's client (0, 0) in the image
        uint32_t at(int x, int y) const {
            int px = origin.x + x, py = origin.y + y;
            if (px < 0 || py < 0 || px >= image.width || py >= image.height) return 0xFFFFFFFF;
            return image
                .pixels[static_cast<size_t>(py) * static_cast<size_t>(image.width) + static_cast<size_t>(px)];
        }
    };
    ControlPixels pixelsOf(HWND control) {
        plat::pumpMessages();
        ControlPixels out;
        if (std::optional<plat::Image> image = plat::captureWindow(parent_, true)) out.image = *image;
        MapWindowPoints(control, parent_, &out.origin, 1);
        return out;
    }
    uint32_t pixel(HWND control, int x, int y) { return pixelsOf(control).at(x, y); }

    // WM_COMMAND wParams the parent received.
    std::vector<WPARAM> commands_;
    // Answers WM_CTLCOLOR* for the parent when set (0 means DefWindowProc's answer).
    std::function<LRESULT(UINT, HDC, HWND)> onCtlColor_;
    HWND parent_ = nullptr;

private:
    static ControlsTest *&current() {
        static ControlsTest *test = nullptr;
        return test;
    }
    static LRESULT CALLBACK parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        ControlsTest *test = current();
        if (test && message == WM_COMMAND) test->commands_.push_back(wParam);
        if (test && test->onCtlColor_ && message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            LRESULT answer =
                test->onCtlColor_(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            if (answer) return answer;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
};

// The entries of a log that went to one window.
inline std::vector<plat::SpyMessage> entriesOf(const MessageLog &log, HWND hwnd) {
    std::vector<plat::SpyMessage> out;
    for (const plat::SpyMessage &m : log.entries())
        if (m.hwnd == hwnd) out.push_back(m);
    return out;
}

}  // namespace controls_test
