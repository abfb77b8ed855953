// The host window's answers to HostQuery, HostRecordMacro and HostPrompt,
// sent as a plug-in sends them.
#include "core/host_state.h"
#include "window/host_window.h"
#include "window/image_window.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

class HostQueryTest : public HostWindowTest {};

const auto ptr = [](const auto *p) { return reinterpret_cast<LPARAM>(p); };

TEST_F(HostQueryTest, StateQueriesAndUnknownCodes) {
    char buffer[MAX_PATH];
    host::state().iniPath = "/tmp/voprof.ini";
    EXPECT_TRUE(query(QueryIniPath, ptr(buffer)) == 15 && std::string(buffer) == "/tmp/voprof.ini");
    // Paths travel in MAX_PATH buffers: a long one whole, a longer one not cut but refused.
    host::state().iniPath = "/tmp/" + std::string(200, 'p') + ".ini";
    EXPECT_TRUE(query(QueryIniPath, ptr(buffer)) == 209 && buffer == host::state().iniPath);
    host::state().iniPath = "/tmp/" + std::string(MAX_PATH, 'p');
    EXPECT_TRUE(query(QueryIniPath, ptr(buffer)) == 0 && buffer[0] == '\0');
    host::openImageWindow(blankImage(4, 4, std::string(200, 't')));
    EXPECT_TRUE(query(QueryImageTitle, ptr(buffer)) == 127 && std::string(buffer) == std::string(127, 't'));
    host::state().aoi[3] = 40;
    LONG aoi[4] = {};
    query(QueryImageAoi, ptr(aoi));
    query(QueryStatusText, ptr("Drag the end point"));
    query(QueryNoteActiveWindow, ptr(host::hostWindow()));
    EXPECT_TRUE(aoi[3] == 40 && host::state().status == "Drag the end point");
    EXPECT_EQ(host::state().activePluginWindow, host::hostWindow());
    EXPECT_EQ(query(QueryInteractive, 0) & 0xFFFF, 0);
    host::state().interactive = true;
    EXPECT_TRUE((query(QueryInteractive, 0) & 0xFFFF) != 0 && query(0x7777, 0) == -1);
}

TEST_F(HostQueryTest, HooksGetIdentifiersFromZeroAndAreRemovedOnce) {
    ClientHookBlock wrongKind{2, [](HWND, LONG, LONG, UINT, WPARAM, LPARAM) -> LONG { return 0; }};
    EXPECT_EQ(query(QueryInstallClientHook, ptr(&wrongKind)), -1);
    HookRecorder first, second;
    EXPECT_TRUE(first.id == 0 && second.id == 1);
    EXPECT_TRUE(query(QueryRemoveClientHook, 0) == 1 && query(QueryRemoveClientHook, 0) == 0);
}

TEST_F(HostQueryTest, ActiveImageItsWindowAndTheImageOfAWindow) {
    EXPECT_TRUE(query(QueryActiveImage, 0) < 0 && query(QueryImageWindow, 0) == 0);
    int a = blankImage(4, 4), b = blankImage(4, 4);
    HWND wa = host::openImageWindow(a), wb = host::openImageWindow(b);
    EXPECT_TRUE(query(QueryActiveImage, 0) == b && query(QueryImageWindow, 0) == ptr(wb));
    host::activateImageWindow(wa);
    EXPECT_TRUE(query(QueryActiveImage, 0) == a && query(QueryWindowImage, ptr(wb)) == b);
    EXPECT_LT(query(QueryWindowImage, ptr(host::hostWindow())), 0);
}

// Scroll origin (4, 2): image (10, 7) to the window, then a probe back in place.
TEST_F(HostQueryTest, ConversionsFollowZoomAndScroll) {
    HWND w = host::openImageWindow(blankImage(64, 64));
    ASSERT_TRUE(host::setScroll(w, 4, 2));
    struct {
        double zoom;
        POINT window, probe, probeImage;
    } cases[] = {{1, {6, 5}, {3, 3}, {7, 5}},
                 {2, {12, 10}, {3, 3}, {5, 3}},
                 {0.5, {3, 2}, {3, 3}, {10, 8}},
                 {1.1, {6, 5}, {33, 33}, {34, 32}}};  // 33 / 1.1 is 30 here
    for (const auto &c : cases) {
        ASSERT_TRUE(host::setZoom(w, c.zoom));
        POINT at{10, 7}, window{}, same = c.probe;
        PointConversionBlock toWindow{w, &at, &window, 1}, toImage{w, &same, &same, 1};
        EXPECT_TRUE(query(QueryImageToWindow, ptr(&toWindow)) == 1 &&
                    query(QueryWindowToImage, ptr(&toImage)) == 1);
        EXPECT_TRUE(window.x == c.window.x && window.y == c.window.y) << c.zoom;
        EXPECT_TRUE(same.x == c.probeImage.x && same.y == c.probeImage.y) << c.zoom;
    }
}

TEST_F(HostQueryTest, RecordedStatementsKeepTheirOrderAndThePromptClears) {
    const std::vector<std::string> statements = {"VoProfCreate()", "VoProfLineMove(1, 2, 3, 4)",
                                                 "VoProfDestroy()"};
    for (const std::string &s : statements)
        SendMessageA(host::hostWindow(), HostRecordMacro, 0, ptr(s.c_str()));
    EXPECT_TRUE(linesMatch(host::state().recorded, statements));
    SendMessageA(host::hostWindow(), HostPrompt, 0, ptr("Click the first point"));
    EXPECT_EQ(host::state().prompt, "Click the first point");
    SendMessageA(host::hostWindow(), HostPrompt, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(host::state().prompt, "");
}

}  // namespace
