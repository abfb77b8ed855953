// The frame's status line: the pointer's image position and pixel value over
// image windows (gray and RGB, zoomed), nothing elsewhere, and the plug-in's prompt.
#include <gtest/gtest.h>

#include <functional>

#include <hostmsg.h>
#include <platform/embed.h>

#include "core/image_store.h"
#include "frame/frame_commands.h"
#include "frame/frame_window.h"
#include "frame_test_support.h"
#include "window/image_window.h"

namespace frame_test {
namespace {

// Moves the pointer to a client point of the window, as a hand does.
void pointAt(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    plat::inputMouseMove(p.x, p.y);
    plat::pumpMessages();
}

// The text the status line window shows, which must be what the frame says it shows.
std::string shownStatus(HWND frame) {
    HWND line = GetWindow(frame, GW_CHILD);
    char text[256] = "";
    GetWindowTextA(line, text, sizeof text);
    EXPECT_EQ(text, host::frameStatusText());
    return text;
}

TEST_F(FrameTest, StatusLineFollowsThePointer) {
    ASSERT_TRUE(host::openImageFile(writeGray("g.pgm", 20, 10)));
    HWND gray = host::activeImageWindow();
    ASSERT_TRUE(host::openImageFile(writeRgb("c.ppm", 20, 10)));
    HWND rgb = host::activeImageWindow();
    // The RGB window was placed over the gray one: move it aside.
    SetWindowPos(rgb, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    struct Case {
        HWND window;
        int x, y;
        double zoom;
        const char *status;
    } cases[] = {
        {gray, 3, 2, 1, "x=3 y=2 value=23"},
        {gray, 19, 9, 1, "x=19 y=9 value=109"},
        {gray, 7, 5, 2, "x=3 y=2 value=23"},
        {gray, 30, 5, 1, ""},  // right of the image, inside the client area
        {rgb, 4, 6, 1, "x=4 y=6 value=4,8,18"},
        {rgb, 9, 9, 4, "x=2 y=2 value=2,4,6"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.status);
        host::setClientSize(c.window, 40, 20);
        host::setZoom(c.window, c.zoom);
        pointAt(c.window, c.x, c.y);
        EXPECT_EQ(shownStatus(frame_), c.status);
    }
    // A file of several pages shows its first; the line says how many there are.
    host::images().find(host::imageOfWindow(gray))->pageCount = 3;
    host::setZoom(gray, 1);
    pointAt(gray, 3, 2);
    EXPECT_EQ(shownStatus(frame_), "x=3 y=2 value=23  page 1 of 3");
    host::images().find(host::imageOfWindow(gray))->pageCount = 1;
    // Over the frame itself nothing is shown.
    pointAt(gray, 3, 2);
    EXPECT_NE(shownStatus(frame_), "");
    RECT r{};
    GetWindowRect(frame_, &r);
    plat::inputMouseMove(r.right - 60, r.bottom - 60);
    plat::pumpMessages();
    EXPECT_EQ(shownStatus(frame_), "");
}

// Wherever the pointer goes from an image's client area, the position goes
// with it, even where the window under the pointer tells the frame nothing.
TEST_F(FrameTest, StatusLineDropsThePositionOffTheImage) {
    ASSERT_TRUE(host::openImageFile(writeGray("g.pgm", 20, 10)));
    HWND image = host::activeImageWindow();
    host::setClientSize(image, 10, 5);
    RECT client{};
    GetClientRect(image, &client);
    POINT below{client.right / 2, client.bottom + 2};  // on the frame, under the client area
    ClientToScreen(image, &below);
    // A window of the module's lying over the image's right half.
    POINT right{client.right / 2, 0};
    ClientToScreen(image, &right);
    HWND module = CreateWindowExA(0, "static", "", WS_POPUP | WS_VISIBLE | SS_NOTIFY, right.x, right.y, 40,
                                  40, frame_, nullptr, nullptr, nullptr);
    ASSERT_NE(module, nullptr);
    struct Case {
        const char *name;
        std::function<void()> leave;
    } cases[] = {
        {"captured, past the client area's edge",
         [&] {
             SetCapture(image);
             plat::inputMouseMove(below.x, below.y);
             ReleaseCapture();
         }},
        {"onto a module window, then a prompt",
         [&] {
             plat::inputMouseMove(right.x + 2, right.y + 2);
             SendMessageA(frame_, HostPrompt, 0, reinterpret_cast<LPARAM>("Click"));
             SendMessageA(frame_, HostPrompt, static_cast<WPARAM>(-1), 0);
         }},
        {"onto a module window, then the image repaints",
         [&] {
             plat::inputMouseMove(right.x + 2, right.y + 2);
             InvalidateRect(image, nullptr, TRUE);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        pointAt(image, 1, 1);
        ASSERT_EQ(shownStatus(frame_), "x=1 y=1 value=11");
        c.leave();
        plat::pumpMessages();
        EXPECT_EQ(shownStatus(frame_), "");
    }
    DestroyWindow(module);
}

TEST_F(FrameTest, StatusLineShowsThePrompt) {
    ASSERT_TRUE(host::openImageFile(writeGray("g.pgm", 20, 10)));
    HWND image = host::activeImageWindow();
    SendMessageA(frame_, HostPrompt, 0, reinterpret_cast<LPARAM>("Click the start of the line"));
    EXPECT_EQ(shownStatus(frame_), "Click the start of the line");
    pointAt(image, 1, 1);
    EXPECT_EQ(shownStatus(frame_), "x=1 y=1 value=11    Click the start of the line");
    SendMessageA(frame_, HostPrompt, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(shownStatus(frame_), "x=1 y=1 value=11");
}

}  // namespace
}  // namespace frame_test
