// A soak of pseudo-random user events with a fixed seed: the mouse and keys on
// the image window, the profile window's commands and geometry buttons, macro
// commands with values in and out of range, saves into a scratch folder,
// repaints, and profiles closed and opened again. After every step the profile the module reports through
// its data queries must agree with its record. Under the asan preset this also
// checks every step for memory errors and leaks. VO_SOAK_EVENTS sets the
// number of events (100,000 makes the long run).
//
// Among what it found: a statistics save of a profile in range/area mode with
// no samples read past its arrays, between events 4,000 and 5,000 of the
// fixed seed, so CTest plays 5,000. The long run takes about 70 s optimised.
#include <platform/embed.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "frame/macro_codes.h"
#include "module_fixture.h"
#include "window/image_window.h"

using testing_support::ModuleTest;

namespace {

constexpr int kWidth = 160, kHeight = 100;

// The events a user can make, each one step of the soak.
enum Event {
    kMouse,
    kKey,
    kGeometryButton,
    kMenuCommand,
    kSetAttribute,
    kLineMove,
    kFreeform,
    kRepaint,
    kReopen,
    kEventCount
};

// Commands of the profile window; the saves' dialog is answered with a file
// in the scratch folder (the plot order dialog is left unanswered: cancelled).
const WORD kCommands[] = {
    IDM_NORMAL,          IDM_THICK_HORZ,  IDM_THICK_VERT,    IDM_STATISTICS,   IDM_RANGE_AREA,
    IDC_CHANNEL,         IDC_REFERENCE,   IDM_UPDATE,        IDM_FREEZE,       IDM_AVERAGE,
    IDM_STD_DEV,         IDM_FULL_SCALE,  IDM_RGB,           IDM_HSV,          IDM_YIQ,
    IDC_DELETE_FREEFORM, IDM_SPATIAL_CAL, IDM_INTENSITY_CAL, IDM_TABLE,        IDM_CHANNEL1,
    IDM_ORDER,           IDM_AUTO_UPDATE, IDM_CLIPBOARD,     IDM_DATA_TO_FILE, IDM_APPEND_STATS};
const LONG kAttributes[] = {ATTR_AUTOUPDATE,
                            ATTR_LINETYPE,
                            ATTR_STATISTICS,
                            ATTR_ORIGIN,
                            ATTR_REFERENCE,
                            ATTR_FREEZE,
                            ATTR_CHANNEL1,
                            ATTR_CHANNEL3,
                            ATTR_LINEGEOMETRY,
                            ATTR_GRID,
                            ATTR_COLORMODEL,
                            ATTR_SCAL,
                            999};
const UINT kMouseMessages[] = {WM_MOUSEMOVE,   WM_MOUSEMOVE, WM_MOUSEMOVE,
                               WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};

class SoakTest : public ModuleTest {
protected:
    uint32_t seed = 20261206;
    HWND window = nullptr;
    std::string step;

    uint32_t next(uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    }
    LONG anyCoordinate(LONG size) { return static_cast<LONG>(next(static_cast<uint32_t>(size + 40))) - 20; }
    std::filesystem::path scratch, before;

    // Saves and the clipboard's temporary files go to a scratch folder, the current one meanwhile.
    void SetUp() override {
        ModuleTest::SetUp();
        scratch = std::filesystem::temp_directory_path() / ("voprof-soak-" + std::to_string(::getpid()));
        std::filesystem::remove_all(scratch);
        std::filesystem::create_directories(scratch);
        before = std::filesystem::current_path();
        std::filesystem::current_path(scratch);
        plat::setSaveFileChooser(
            [](HWND, const OPENFILENAMEA &) { return std::optional<std::string>("soak.hst"); });
    }
    void TearDown() override {
        ModuleTest::TearDown();
        plat::setSaveFileChooser(nullptr);
        std::filesystem::current_path(before);
        std::filesystem::remove_all(scratch);
    }
    void open() {
        window = openImage(kWidth, kHeight, next(2) ? "gray8" : "rgb", "ramp-x");
        ASSERT_NE(createProfile(), nullptr);
        plat::pumpMessages();
    }
    std::string iniText() const {
        std::ifstream in(iniPath);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    ProfileRecord *current() const { return currentIndex >= 0 ? profileSlots[currentIndex] : nullptr; }

    void play(Event event) {
        ProfileRecord *r = current();
        switch (event) {
            case kMouse: {
                const UINT message = kMouseMessages[next(6)];
                plat::setModifierState(next(4) == 0, false);
                step = "mouse " + std::to_string(message);
                ProfileClientProc(window, 0, 1, message, 0,
                                  MAKELPARAM(next(kWidth + 20), next(kHeight + 20)));
                break;
            }
            case kKey:
                step = "key";
                ProfileClientProc(window, 0, 1, next(2) ? WM_KEYDOWN : WM_KEYUP, VK_LEFT + next(4), 0);
                break;
            case kGeometryButton:
                step = "geometry button";
                if (r) SendMessageA(r->profileWnd, WM_COMMAND, IDC_LINE + next(3), 0);
                break;
            case kMenuCommand: {
                const WORD id = kCommands[next(sizeof kCommands / sizeof *kCommands)];
                step = "command " + std::to_string(id);
                if (r) SendMessageA(r->profileWnd, WM_COMMAND, id, 0);
                break;
            }
            case kSetAttribute: {
                const LONG attribute = kAttributes[next(sizeof kAttributes / sizeof *kAttributes)];
                const LONG value = attribute == ATTR_LINEGEOMETRY ? IDC_LINE + static_cast<LONG>(next(2))
                                                                  : static_cast<LONG>(next(6));
                step = "attribute " + std::to_string(attribute) + " = " + std::to_string(value);
                macro(PROFCMD_SETATTR, attribute, value);
                break;
            }
            case kLineMove:
                step = "line move";
                macro(PROFCMD_LINEMOVE, anyCoordinate(kWidth), anyCoordinate(kHeight), anyCoordinate(kWidth),
                      anyCoordinate(kHeight));
                break;
            case kFreeform: {
                POINT points[12];
                const WORD n = static_cast<WORD>(next(12) + 1);
                for (WORD i = 0; i < n; ++i) points[i] = POINT{anyCoordinate(kWidth), anyCoordinate(kHeight)};
                step = "free-form of " + std::to_string(n);
                macro(PROFCMD_SETATTR, ATTR_LINEGEOMETRY, IDC_FREEFORM, reinterpret_cast<LONG_PTR>(points),
                      n);
                break;
            }
            case kRepaint:
                step = "repaint";
                InvalidateRect(window, nullptr, FALSE);
                UpdateWindow(window);
                break;
            case kReopen:
                step = "reopen";
                if (r) DestroyWindow(r->profileWnd);
                plat::pumpMessages();
                SetActiveWindow(window);
                ASSERT_NE(createProfile(), nullptr)
                    << "last geometry " << lastGeometry[0] << " " << lastGeometry[1] << " " << lastGeometry[2]
                    << " " << lastGeometry[3] << "\n"
                    << iniText();
                break;
            case kEventCount:
                break;
        }
        plat::pumpMessages();
    }

    // What the data queries report agrees with the record, and the record is whole.
    void check(int index) {
        ProfileRecord *r = current();
        const std::string where = "event " + std::to_string(index) + " (" + step + ")";
        ASSERT_NE(r, nullptr) << where;
        WORD count = 0;
        ASSERT_EQ(macro(PROFCMD_GETDATA, PROFDATA_COUNT, 0, reinterpret_cast<LONG_PTR>(&count)), 0) << where;
        EXPECT_EQ(count, r->sampleCount) << where;
        LONG geometry[4];
        ASSERT_EQ(macro(PROFCMD_GETDATA, PROFDATA_GEOMETRY, 0, reinterpret_cast<LONG_PTR>(geometry)), 0)
            << where;
        // Geometry may reach past the image (played-back lines and bands, a remembered geometry a
        // switch could not adopt); what the module reports is what it holds.
        for (int k = 0; k < 4; ++k) EXPECT_EQ(geometry[k], r->geometry[k]) << where;
        ASSERT_LE(static_cast<DWORD>(r->sampleCount) * r->channelCount,
                  static_cast<DWORD>(PROFILE_MAX_VALUES));
        ASSERT_LE(r->freeformCount, FREEFORM_MAX_POINTS) << where;
        ASSERT_LE(r->thickMode, 2) << where;
        ASSERT_LE(r->statsMode, 2) << where;
        if (r->sampleCount > 0 && r->samples) {
            ASSERT_LT(r->rangeMarkers[0], r->sampleCount) << where;
            ASSERT_LT(r->rangeMarkers[1], r->sampleCount) << where;
            // Reading every value the profile holds touches the whole array (asan checks its size).
            const LONG n = std::min<LONG>(32767, static_cast<LONG>(r->sampleCount) * r->channelCount);
            std::vector<float> values(static_cast<size_t>(n));
            macro(PROFCMD_GETDATA, PROFDATA_VALUES, n, reinterpret_cast<LONG_PTR>(values.data()));
        }
    }
};

TEST_F(SoakTest, PseudoRandomUserEventsKeepTheProfileConsistent) {
    int events = 5000;
    if (const char *text = std::getenv("VO_SOAK_EVENTS")) events = std::atoi(text);
    open();
    for (int i = 0; i < events && !HasFatalFailure(); ++i) {
        // The mouse is what users do most; reopening is rare.
        const uint32_t roll = next(100);
        const Event event = roll < 45   ? kMouse
                            : roll < 55 ? kKey
                            : roll < 62 ? kGeometryButton
                            : roll < 75 ? kMenuCommand
                            : roll < 85 ? kSetAttribute
                            : roll < 91 ? kLineMove
                            : roll < 95 ? kFreeform
                            : roll < 99 ? kRepaint
                                        : kReopen;
        play(event);
        if (HasFatalFailure()) break;
        check(i);
    }
    ProfileClientProc(window, 0, 1, WM_LBUTTONUP, 0, 0);
    plat::setModifierState(false, false);
    // The saves left their file and nothing else: no temporary file of the writer or the clipboard.
    for (const auto &entry : std::filesystem::directory_iterator(scratch))
        EXPECT_EQ(entry.path().filename(), "soak.hst");
}

}  // namespace
