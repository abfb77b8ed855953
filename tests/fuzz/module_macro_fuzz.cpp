// Fuzz target of the module's macro entry (voprof32/frame/macro_exec.cpp): on
// a live profile, any sequence of MacroExecFunction calls that the host could
// make returns a result, and leaves the profile table consistent.
//
// Each input starts from the same state: an image made with the host in an
// image window (two when asked), a profile created on it as the host creates
// one, an empty settings file. The input then reads as:
//
//   header   kind (byte % 5: gray8 gray12 gray16 float rgb), pattern ((byte >> 3) % 4),
//            a second image when bit 7 is set; width - 1; height - 1
//   call     code: a byte below 0xE0 picks from the module's command table;
//            0xE0-0xEF are followed by a word w (18000 + w % 161), 0xF0-0xFF by any word;
//            then four arguments a to d, each a tag byte and its value:
//              tag % 8: 0 int8, 1 100 + byte % 28 (attributes, data queries),
//              2 byte - 20 (a coordinate near the image), 3 int16, 4 uint16,
//              5 int32, 6 one of a few edge values, 7 any 64-bit value
//   pointers only where the host hands the module its own memory:
//            the save's file name (a count byte, then that many bytes; a name in a
//            scratch folder), the point list of attribute 127 (a count byte, 0xF0 and
//            up followed by a word for up to 5,047 points; then up to 48 points of two
//            bytes, the rest repeat them), the output buffer of the data query.
//
// Multi-byte values are little-endian; an exhausted input reads as zeros.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <platform/embed.h>
#include <platform/files.h>

#include "chart/dde_settings.h"
#include "core/host_reset.h"
#include "core/host_state.h"
#include "core/image_store.h"
#include "frame/exports.h"
#include "frame/macro_codes.h"
#include "frame/profile_record.h"
#include "overlay/geometry.h"
#include "image/synthetic_image.h"
#include "macro/data_query.h"
#include "window/host_window.h"
#include "window/image_window.h"
#include "window/state.h"

namespace {

constexpr size_t kMaxCalls = 64;
constexpr size_t kMaxGivenPoints = 48;
constexpr LONG_PTR kAttributeLineGeometry = ATTR_LINEGEOMETRY;

const WORD kCodes[] = {PROFCMD_CREATE,  PROFCMD_DESTROY, PROFCMD_LINEMOVE, PROFCMD_MAXIMIZE, PROFCMD_MINIMIZE,
                       PROFCMD_MOVE,    PROFCMD_NOTHING, PROFCMD_RESTORE,  PROFCMD_SAVE,     PROFCMD_SELECT,
                       PROFCMD_SETATTR, PROFCMD_SIZE,    PROFCMD_UPDATE,   PROFCMD_GETDATA};
const char *const kKinds[] = {"gray8", "gray12", "gray16", "float", "rgb"};
constexpr int kRgbKind = 4;
// Each pattern as a grey image and as a colour image names it.
const char *const kPatterns[][2] = {
    {"ramp-x", "ramp-x"}, {"ramp-y", "ramp-y"}, {"checker:3", "checker:3"}, {"const:7", "const:7,80,200"}};
const LONG_PTR kEdgeValues[] = {0,
                                1,
                                2,
                                3,
                                4,
                                5,
                                -1,
                                -2,
                                32767,
                                -32768,
                                65535,
                                65536,
                                INT_MAX,
                                INT_MIN,
                                GEOMETRY_LINE - 1,
                                GEOMETRY_LINE,
                                GEOMETRY_CIRCLE,
                                GEOMETRY_FREEFORM,
                                GEOMETRY_FREEFORM + 1,
                                PROFILE_SLOTS - 1,
                                PROFILE_SLOTS,
                                FREEFORM_MAX_POINTS,
                                PROFILE_MAX_VALUES};

void require(bool condition, const char *what) {
    if (condition) return;
    std::fprintf(stderr, "module macro fuzz: property violated: %s\n", what);
    std::abort();
}

class Input {
public:
    Input(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    uint64_t bytes(int count) {
        uint64_t value = 0;
        for (int i = 0; i < count; ++i) value |= static_cast<uint64_t>(byte()) << (8 * i);
        return value;
    }
    WORD word() { return static_cast<WORD>(bytes(2)); }

private:
    const uint8_t *data_;
    size_t size_;
    size_t at_ = 0;
};

LONG_PTR argument(Input &in) {
    switch (in.byte() % 8) {
        case 0:
            return static_cast<int8_t>(in.byte());
        case 1:
            return 100 + in.byte() % 28;
        case 2:
            return static_cast<LONG_PTR>(in.byte()) - 20;
        case 3:
            return static_cast<int16_t>(in.word());
        case 4:
            return in.word();
        case 5:
            return static_cast<int32_t>(in.bytes(4));
        case 6:
            return kEdgeValues[in.byte() % (sizeof kEdgeValues / sizeof *kEdgeValues)];
        default:
            return static_cast<LONG_PTR>(in.bytes(8));
    }
}

WORD commandCode(Input &in) {
    const uint8_t pick = in.byte();
    if (pick < 0xE0) return kCodes[pick % (sizeof kCodes / sizeof *kCodes)];
    if (pick < 0xF0)
        return static_cast<WORD>(PROFCMD_CREATE + in.word() % (PROFCMD_GETDATA - PROFCMD_CREATE + 1));
    return in.word();
}

std::vector<POINT> pointList(Input &in) {
    const uint8_t pick = in.byte();
    const size_t count = pick < 0xF0 ? pick % kMaxGivenPoints : kMaxGivenPoints + in.word() % 5000;
    std::vector<POINT> points;
    for (size_t i = 0; i < count && i < kMaxGivenPoints; ++i) {
        const LONG x = static_cast<LONG>(in.byte()) - 20;
        points.push_back(POINT{x, static_cast<LONG>(in.byte()) - 20});
    }
    for (size_t i = points.size(); i < count; ++i) {
        const POINT repeated = points[i % kMaxGivenPoints];
        points.push_back(repeated);
    }
    return points;
}

// A file name in the scratch folder: letters and digits taken from the input.
std::string fileName(Input &in, const std::string &folder) {
    std::string name;
    for (int n = in.byte() % 32; n > 0; --n)
        name += "abcdefghijklmnopqrstuvwxyz0123456789._-"[in.byte() % 39];
    return folder + "/" + name;
}

// The module-wide values a profile changes, saved before the first profile and
// put back after each input, so that every input starts from the same module.
struct ModuleValues {
    LONG hook = ::clientHookId;
    std::array<LONG, 4> geometry = std::to_array(::lastGeometry);
    WORD options = ::saveOptions;
    WORD statsMode = ::statsModeDefault;
    DWORD numberFlags = ::exportNumberFlags;
    DWORD kindIsData = ::saveKindIsData;
    void *registration = ::reportRegistration;
    RECT windowRect = ::initialWindowRect;
    DWORD noMoveMacro = ::suppressMoveMacro, noSizeMacro = ::suppressSizeMacro;
    LONG nesting = ::sizeNesting;
    WORD hit = ::markerHit;
    DWORD dragging = ::markerDragging;
    LONG tolerance = ::hitTolerance;

    void restore() const {
        ::clientHookId = hook;
        std::copy(geometry.begin(), geometry.end(), ::lastGeometry);
        ::saveOptions = options;
        ::statsModeDefault = statsMode;
        ::exportNumberFlags = numberFlags;
        ::saveKindIsData = kindIsData;
        ::reportRegistration = registration;
        ::initialWindowRect = windowRect;
        ::suppressMoveMacro = noMoveMacro;
        ::suppressSizeMacro = noSizeMacro;
        ::sizeNesting = nesting;
        ::markerHit = hit;
        ::markerDragging = dragging;
        ::hitTolerance = tolerance;
        ::currentIndex = -1;
    }
};

struct Session {
    std::string folder;
    std::string iniPath;
    ModuleValues loaded;
};

const Session &session() {
    static const Session s = [] {
        Session made;
        made.folder = (std::filesystem::temp_directory_path() /
                       ("voprof-module-fuzz-" + std::to_string(static_cast<long>(getpid()))))
                          .string();
        std::filesystem::create_directories(made.folder);
        made.iniPath = made.folder + "/host.ini";
        DllMain(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr);
        made.loaded = ModuleValues{};
        return made;
    }();
    static const bool cleanedAtExit = [] {
        std::atexit([] { std::filesystem::remove_all(session().folder); });
        return true;
    }();
    (void)cleanedAtExit;
    return s;
}

// Every slot holds a live profile of its own window, within the limits.
void checkProfiles() {
    require(currentIndex >= -1 && currentIndex < PROFILE_SLOTS, "the current index is a slot or none");
    for (int slot = 0; slot < PROFILE_SLOTS; ++slot) {
        const ProfileRecord *record = profileSlots[slot];
        if (!record) continue;
        require(record->slotIndex == slot, "a record knows its slot");
        require(IsWindow(record->profileWnd) && ProfileFromWindow(record->profileWnd) == record,
                "a record's window is live and its own");
        require(static_cast<long>(record->sampleCount) * record->channelCount <= PROFILE_MAX_VALUES,
                "a profile fits the 16-bit counts");
        require(record->freeformCount <= FREEFORM_MAX_POINTS, "the free-form list fits");
        RECT frame;
        GetWindowRect(record->profileWnd, &frame);
        require(frame.right - frame.left <= GetSystemMetrics(SM_CXMAXTRACK) &&
                    frame.bottom - frame.top <= GetSystemMetrics(SM_CYMAXTRACK),
                "a profile window is never larger than a window can be made");
    }
}

void openImageWithProfile(HWND host, const char *kind, const char *pattern, int width, int height) {
    host::ImageResult made = host::makeSyntheticImage(width, height, kind, pattern);
    require(made.ok(), "the image is made");
    host::openImageWindow(host::images().add(std::move(*made.image)));
    require(InterfaceFunction(0, host, 0, 0, 0, 0, 0) != 0, "the profile is created");
    plat::pumpMessages();
}

// The host closes every profile (notice 2004), then itself starts over.
void closeEverything(const Session &s) {
    ClipCursor(nullptr);
    ReleaseCapture();
    host::closeAllProfiles();
    plat::pumpMessages();
    host::resetHost();
    plat::pumpMessages();
    s.loaded.restore();
}

// One input: the image and its profile, the calls, everything closed again.
void play(Input in) {
    const Session &s = session();
    host::state().iniPath = s.iniPath;
    host::state().interactive = false;
    // The spreadsheet link's workbook (by default in the current folder) goes
    // to the scratch folder too.
    host::saveDdeSettings(host::DdeSettings{.workbook = s.folder + "/profile-data.xlsx"});
    HWND host = host::hostWindow();

    const uint8_t image = in.byte();
    const int width = 1 + in.byte(), height = 1 + in.byte();
    const int kind = image % 5;
    openImageWithProfile(host, kKinds[kind], kPatterns[(image >> 3) % 4][kind == kRgbKind], width, height);
    if (image & 0x80) openImageWithProfile(host, "rgb", "ramp-x", height, width);
    checkProfiles();

    host::macro::DataQueryBuffer buffer;
    for (size_t call = 0; call < kMaxCalls && !in.empty(); ++call) {
        const WORD code = commandCode(in);
        LONG_PTR args[5] = {0, argument(in), argument(in), argument(in), argument(in)};
        std::string name;
        std::vector<POINT> points;
        if (code == PROFCMD_SAVE) {
            name = fileName(in, s.folder);
            args[1] = reinterpret_cast<LONG_PTR>(name.c_str());
        }
        if (code == PROFCMD_SETATTR && static_cast<WORD>(args[1]) == kAttributeLineGeometry) {
            points = pointList(in);
            args[3] = reinterpret_cast<LONG_PTR>(points.data());
            args[4] = static_cast<LONG_PTR>(points.size());
        }
        if (code == PROFCMD_GETDATA) args[3] = reinterpret_cast<LONG_PTR>(buffer.data());
        LONG extra = 0;
        MacroExecFunction(host, code, args, &extra);
        plat::pumpMessages();
        require(!plat::paintPending(), "a pump leaves nothing to paint");
        checkProfiles();
    }
    closeEverything(s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    {
        // Settings reach the file once, when the input is done (the host batches them per statement).
        const plat::ProfileWriteBatch batch;
        play(Input(data, size));
    }
    // The next input starts without what this one saved.
    std::filesystem::remove(session().iniPath);
    (void)plat::takeProfileWriteFailure();
    return 0;
}
