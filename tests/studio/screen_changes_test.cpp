// What the desktop app relies on from the platform: the screen's revision and
// dirty rectangle after painting, direct drawing, moving, z-order and
// hiding; partial composition; a screen resized while windows exist; typed
// characters and the wheel.
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <platform/embed.h>
#include <windows.h>

namespace {

using Logged = std::pair<UINT, WPARAM>;  // message, wParam
std::vector<Logged> g_log;

LRESULT CALLBACK recordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR || message == WM_MOUSEWHEEL || message == WM_KEYDOWN)
        g_log.push_back({message, wParam});
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class ScreenChanges : public ::testing::Test {
protected:
    void SetUp() override {
        plat::resetWindowManager();
        plat::setScreenSize(400, 300);
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc{};
            wc.lpfnWndProc = recordingProc;
            wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            wc.lpszClassName = "ScreenChangesTest";
            registered = RegisterClassA(&wc) != 0;
        }
        g_log.clear();
    }
    void TearDown() override { plat::resetWindowManager(); }

    static HWND makeWindow(int x, int y, int w, int h, DWORD style = WS_OVERLAPPEDWINDOW) {
        HWND hwnd = CreateWindowExA(0, "ScreenChangesTest", "t", style, x, y, w, h, nullptr, nullptr, nullptr,
                                    nullptr);
        ShowWindow(hwnd, SW_SHOWNORMAL);
        plat::pumpMessages();
        return hwnd;
    }
    // The dirty rectangle after settling, and the next one (which must be empty).
    static RECT settle() {
        plat::pumpMessages();
        RECT dirty = plat::takeScreenDirtyRect();
        RECT again = plat::takeScreenDirtyRect();
        EXPECT_TRUE(IsRectEmpty(&again));
        return dirty;
    }
};

void expectRect(const RECT &r, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST_F(ScreenChanges, EachKindOfChangeDirtiesWhatItTouches) {
    HWND a = makeWindow(10, 20, 100, 80);
    HWND b = makeWindow(200, 100, 50, 40);
    settle();
    const uint64_t quiet = plat::screenRevision();
    EXPECT_EQ(plat::screenRevision(), quiet) << "nothing happened, nothing changed";

    // Painting a part of a client area dirties no more than the window.
    RECT part{0, 0, 10, 10};
    InvalidateRect(a, &part, TRUE);
    RECT dirty = settle();
    EXPECT_GT(plat::screenRevision(), quiet);
    POINT origin{0, 0};
    ClientToScreen(a, &origin);
    EXPECT_LE(dirty.left, origin.x);
    EXPECT_GE(dirty.right, origin.x + 10);
    EXPECT_LE(dirty.right, 110);
    EXPECT_LE(dirty.bottom, 100);

    // Drawing through GetDC outside painting counts too.
    HDC dc = GetDC(b);
    RECT fill{0, 0, 5, 5};
    FillRect(dc, &fill, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(b, dc);
    dirty = plat::takeScreenDirtyRect();
    EXPECT_GE(dirty.left, 200);
    EXPECT_LE(dirty.right, 250);

    // A move dirties where the window was and where it is now.
    SetWindowPos(b, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    expectRect(settle(), 200, 100, 350, 240);

    // Raising a window dirties both windows whose places in the order changed.
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    expectRect(settle(), 10, 20, 350, 240);

    // Hiding dirties what the window covered.
    ShowWindow(b, SW_HIDE);
    expectRect(settle(), 300, 200, 350, 240);
}

TEST_F(ScreenChanges, PartialCaptureEqualsThatPartOfTheWholeScreen) {
    makeWindow(-20, 50, 150, 100);
    makeWindow(60, 80, 120, 90);
    settle();
    plat::Image whole = plat::captureScreen();
    RECT area{-5, 40, 150, 200};  // sticks out of the screen on the left: clipped
    plat::Image part = plat::captureScreenRect(area);
    ASSERT_EQ(part.width, 150);
    ASSERT_EQ(part.height, 160);
    for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x)
            ASSERT_EQ(part.pixels[y * part.width + x], whole.pixels[(y + 40) * whole.width + x])
                << x << "," << y;
    EXPECT_EQ(plat::captureScreenRect(RECT{500, 0, 600, 10}).width, 0);
}

TEST_F(ScreenChanges, ResizingTheScreenRefitsMaximisedWindowsOnly) {
    HWND normal = makeWindow(10, 10, 100, 100);
    HWND maximised = makeWindow(0, 0, 100, 100);
    ShowWindow(maximised, SW_SHOWMAXIMIZED);
    settle();
    plat::setScreenSize(640, 480);
    RECT dirty = settle();
    expectRect(dirty, 0, 0, 640, 480);
    RECT client{};
    GetClientRect(maximised, &client);
    EXPECT_EQ(client.right, 640);
    RECT r{};
    GetWindowRect(normal, &r);
    expectRect(r, 10, 10, 110, 110);
    EXPECT_EQ(plat::captureScreen().width, 640);
    EXPECT_TRUE(IsZoomed(maximised));
}

TEST_F(ScreenChanges, TypedCharactersComeOnlyFromTheEmbedderWhenAsked) {
    HWND w = makeWindow(10, 10, 100, 100);
    SetFocus(w);
    plat::inputKeyDown('A');
    plat::setTypedCharacters(true);
    plat::inputKeyDown('B');
    plat::inputChar(0xE9);
    plat::inputWheel(-120);
    plat::pumpMessages();
    const std::vector<Logged> expected = {{WM_KEYDOWN, 'A'},
                                          {WM_CHAR, 'a'},
                                          {WM_KEYDOWN, 'B'},
                                          {WM_CHAR, 0xE9},
                                          {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120))}};
    EXPECT_EQ(g_log, expected);
}

}  // namespace
