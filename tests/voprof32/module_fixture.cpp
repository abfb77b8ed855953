// The module fixture: a host, its settings file and the module's core, driven as the host drives it.
#include "module_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include <platform/embed.h>

#include <chartw32.h>

#include "core/host_state.h"
#include "core/image_store.h"
#include "image/synthetic_image.h"
#include "sampling/profile_prepare.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "window/host_window.h"
#include "window/image_window.h"

namespace testing_support {

uint32_t windowPixel(HWND window, int x, int y) {
    auto image = plat::captureWindow(window, true);
    return image ? image->pixels[static_cast<size_t>(y) * image->width + x] : 0xDEAD;
}

ChartCanvas::ChartCanvas(DWORD chart) {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, 400, 300);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, bitmap);
    RECT all{0, 0, 400, 300};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ChartDraw(chart, dc, &all, 0, 1);
    ChartAttr(chart, CHARTATTR_PLOTAREA, 0, 0, area);
}

ChartCanvas::~ChartCanvas() {
    DeleteDC(dc);
    DeleteObject(bitmap);
}

void ModuleTest::SetUpTestSuite() {
    DllMain(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr);
}

void ModuleTest::SetUp() {
    // One file per process and test: CTest runs the tests of several programs side by side.
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    iniPath =
        (std::filesystem::temp_directory_path() / ("voprof-module-" + std::to_string(::getpid()) + "-" +
                                                   test->test_suite_name() + "." + test->name() + ".ini"))
            .string();
    std::remove(iniPath.c_str());
    host::state().iniPath = iniPath;
    host::state().interactive = false;
    host = host::hostWindow();
    for (LONG &v : lastGeometry) v = -1;
}

void ModuleTest::TearDown() {
    // A test may end in the middle of a drag: the next one starts with a free mouse.
    ClipCursor(nullptr);
    ReleaseCapture();
    for (HWND w : imageWindows)
        if (IsWindow(w)) host::closeImageWindow(w);
    for (ProfileRecord *&slot : profileSlots)
        if (slot && slot->profileWnd) DestroyWindow(slot->profileWnd);
    plat::pumpMessages();
    std::remove(iniPath.c_str());
}

HWND ModuleTest::openImage(int width, int height, const char *kind, const char *pattern) {
    host::ImageResult made = host::makeSyntheticImage(width, height, kind, pattern);
    EXPECT_TRUE(made.ok()) << made.error;
    int id = host::images().add(std::move(*made.image));
    HWND window = host::openImageWindow(id);
    imageWindows.push_back(window);
    return window;
}

ProfileRecord *ModuleTest::createProfile() {
    if (!InterfaceFunction(0, host, 0, 0, 0, 0, 0)) return nullptr;
    return currentIndex >= 0 ? profileSlots[currentIndex] : nullptr;
}

bool ModuleTest::moveTo(ProfileRecord *record, LONG x1, LONG y1, LONG x2, LONG y2) {
    LONG g[4] = {x1, y1, x2, y2};
    if (!ProfilePrepare(record, g)) return false;
    ProfileRead(record);
    ProfileStatistics(record);
    return true;
}

std::vector<double> ModuleTest::channel(const ProfileRecord *record, int c) const {
    const double *first = record->samples + static_cast<size_t>(c) * record->sampleCount;
    return std::vector<double>(first, first + record->sampleCount);
}

LONG ModuleTest::macro(WORD code, LONG_PTR a, LONG_PTR b, LONG_PTR c, LONG_PTR d) {
    LONG_PTR args[5] = {0, a, b, c, d};
    LONG extra = 0;
    LONG result = MacroExecFunction(host, code, args, &extra);
    plat::pumpMessages();
    return result;
}

}  // namespace testing_support
