// MISCFN32: the host's utilities for plug-ins: files by path and HFILE, the
// header lines of saved data files, window positions in the host's INI file,
// panel painting and the move cursor.
#include <miscfn32.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <string>

#include <platform/files.h>

#include "core/host_state.h"
#include "core/image_store.h"
#include "libs/save_stamp.h"
#include "window/image_window.h"

namespace {

void writeText(HFILE file, const std::string &text) {
    FileWrite(file, text.data(), static_cast<LONG>(text.size()));
}

std::string formatNumber(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

const char *className(host::ImageClass cls) {
    switch (cls) {
        case host::ImageClass::Gray8:
            return "8-bit gray";
        case host::ImageClass::Rgb:
            return "RGB";
        case host::ImageClass::Gray12:
            return "12-bit gray";
        case host::ImageClass::Float:
            return "float gray";
        case host::ImageClass::Gray16:
            return "16-bit gray";
    }
    return "unknown";
}

// Files plug-ins have open for writing, by handle, so that a failure can name them.
std::map<HFILE, std::string> &filesBeingWritten() {
    static std::map<HFILE, std::string> files;
    return files;
}

// Keeps the first failure until the statement that caused it reports it.
void noteFailure(const std::string &path, int code) {
    std::optional<std::string> &failure = host::state().pluginFileFailure;
    if (!failure) failure = plat::FileError{path, code ? code : EIO}.message();
}

// "<unit> " with the blank, or "" for no unit.
std::string unitWord(const char *unit) {
    return unit[0] ? std::string(unit) + " " : std::string();
}

}  // namespace

namespace host {

std::time_t saveStampTime() {
    if (const char *epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        char *end = nullptr;
        errno = 0;
        long long seconds = std::strtoll(epoch, &end, 10);
        if (errno == 0 && *end == '\0' && seconds >= 0) return static_cast<std::time_t>(seconds);
    }
    return std::time(nullptr);
}

}  // namespace host

extern "C" {

// ---- Files --------------------------------------------------------------------------------

HFILE WINAPI FileOpen(LPCSTR path, UINT mode) {
    if (!path) return HFILE_ERROR;
    if (mode & FILEOPEN_EXIST) return OpenFile(path, nullptr, OF_EXIST) == HFILE_ERROR ? HFILE_ERROR : 0;
    if (mode & FILEOPEN_DELETE) return DeleteFileA(path) ? 0 : HFILE_ERROR;
    if (!(mode & (FILEOPEN_CREATE | FILEOPEN_WRITE))) return _lopen(path, OF_READ);
    // Files written through here keep the safe writer's guarantees: a new
    // file replaces the old one only when complete, an append rolls back.
    errno = 0;
    HFILE file = (mode & FILEOPEN_CREATE) ? plat::openReplacement(path) : plat::openForAppend(path);
    if (file == HFILE_ERROR)
        noteFailure(path, errno);
    else
        filesBeingWritten()[file] = path;
    return file;
}

// The number of bytes read, or -1.
LONG WINAPI FileRead(HFILE file, LPVOID buffer, LONG size) {
    if (size <= 0) return 0;
    return static_cast<LONG>(_lread(file, buffer, static_cast<UINT>(size)));
}

// The number of bytes written, or -1. Writing nothing leaves the file as it is.
LONG WINAPI FileWrite(HFILE file, LPCVOID buffer, LONG size) {
    if (size <= 0) return 0;
    errno = 0;
    auto written = static_cast<LONG>(_lwrite(file, static_cast<LPCSTR>(buffer), static_cast<UINT>(size)));
    auto it = filesBeingWritten().find(file);
    if (written == HFILE_ERROR && it != filesBeingWritten().end()) noteFailure(it->second, errno);
    return written;
}

LONG WINAPI FileClose(HFILE file) {
    errno = 0;
    LONG closed = _lclose(file);
    auto it = filesBeingWritten().find(file);
    if (it == filesBeingWritten().end()) return closed;
    if (closed == HFILE_ERROR) noteFailure(it->second, errno);
    filesBeingWritten().erase(it);
    return closed;
}

// ---- Header lines ---------------------------------------------------------------------------

// "# Saved: YYYY-MM-DD HH:MM:SS" in UTC, then "# Host: voprof <version>",
// the program that wrote the file.
void WINAPI WriteHeaderStamp(HFILE file) {
    std::time_t when = host::saveStampTime();
    std::tm utc{};
    gmtime_r(&when, &utc);
    char line[64];
    std::strftime(line, sizeof line, "# Saved: %Y-%m-%d %H:%M:%S\r\n", &utc);
    writeText(file, line);
    writeText(file, std::string("# Host: voprof ") + VO_VERSION + "\r\n");
}

// "# Image: <title> (<width> x <height>, <class>)", then "# Image file: <path>"
// for an image read from a file; "# Image: none" for an unknown image.
void WINAPI WriteImageInfo(HFILE file, HWND, LONG imageId) {
    const host::Image *image = host::images().find(imageId);
    if (!image) {
        writeText(file, "# Image: none\r\n");
        return;
    }
    writeText(file, "# Image: " + image->title + " (" + std::to_string(image->width) + " x " +
                        std::to_string(image->height) + ", " + className(image->cls) + ")\r\n");
    if (!image->path.empty()) writeText(file, "# Image file: " + image->path + "\r\n");
}

// "# Spatial calibration: <x> x <y> <unit> per pixel", or "... none" without one.
void WINAPI WriteSpatialCalInfo(HFILE file, HSPATIALCAL cal) {
    double scale[2] = {0.0, 0.0};
    char unit[CAL_UNIT_TEXT_MAX] = "";
    if (!cal || CalSpatialValue(cal, CALSPATIAL_SCALE, 0, 0, &scale[0]) < 0 ||
        CalSpatialValue(cal, CALSPATIAL_SCALE, 1, 0, &scale[1]) < 0) {
        writeText(file, "# Spatial calibration: none\r\n");
        return;
    }
    CalSpatialValue(cal, CALSPATIAL_UNIT, 0, 0, unit);
    unit[CAL_UNIT_TEXT_MAX - 1] = '\0';
    writeText(file, "# Spatial calibration: " + formatNumber(scale[0]) + " x " + formatNumber(scale[1]) +
                        " " + unitWord(unit) + "per pixel\r\n");
}

// "# Intensity calibration: <offset> + <scale> x value, <unit>" (without ", <unit>" for no
// unit), or "... none" without one. SCALER32 hands out only the calibrated range, so the
// offset and scale are read from the image whose calibration handle this is.
void WINAPI WriteIntensityCalInfo(HFILE file, HINTENSITYCAL cal) {
    const host::IntensityCalibration *found = nullptr;
    for (int id : host::images().ids())
        if (cal && CalGetIntensity(id) == cal) found = &*host::images().find(id)->intensity;
    if (!found) {
        writeText(file, "# Intensity calibration: none\r\n");
        return;
    }
    std::string line = "# Intensity calibration: " + formatNumber(found->offset) + " + " +
                       formatNumber(found->scale) + " x value";
    if (!found->unit.empty()) line += ", " + found->unit;
    writeText(file, line + "\r\n");
}

}  // extern "C"

// ---- Window positions -------------------------------------------------------------------------
//
// The host INI file (HostState::iniPath) keeps a window's rectangle under the
// section and key given, as "left top right bottom" in screen pixels.
// Restoring moves the window to the stored top-left corner and keeps its
// present size: a window opens where it was, at the size its owner gives it.
// The corner is pulled back so the window lies on the screen. With nothing
// (or something unreadable) stored, a window that would cover the active
// image window is moved beside it, to its right when it fits on the screen,
// else below it, and the answer is FALSE: a tool window opening over the
// image it works on would hide what the user is about to point at.

namespace {

bool readStoredRect(LPCSTR section, LPCSTR key, RECT &out) {
    const std::string &ini = host::state().iniPath;
    if (ini.empty() || !section || !key) return false;
    char text[128] = "";
    GetPrivateProfileStringA(section, key, "", text, sizeof text, ini.c_str());
    int consumed = 0;
    LONG l, t, r, b;
    if (std::sscanf(text, " %d %d %d %d %n", &l, &t, &r, &b, &consumed) != 4 || text[consumed] != '\0')
        return false;
    if (r <= l || b <= t) return false;
    out = RECT{l, t, r, b};
    return true;
}

LONG keepOnScreen(LONG position, LONG size, int screen) {
    if (position + size > screen) position = screen - size;
    return position < 0 ? 0 : position;
}

void placeBesideActiveImage(HWND window) {
    HWND image = host::activeImageWindow();
    RECT own{}, beside{}, overlap{};
    if (!image || image == window || !GetWindowRect(window, &own) || !GetWindowRect(image, &beside)) return;
    if (!IntersectRect(&overlap, &own, &beside)) return;
    const LONG width = own.right - own.left, height = own.bottom - own.top;
    POINT at{beside.right + 8, beside.top};
    if (at.x + width > GetSystemMetrics(SM_CXSCREEN)) at = POINT{beside.left, beside.bottom + 8};
    at.x = keepOnScreen(at.x, width, GetSystemMetrics(SM_CXSCREEN));
    at.y = keepOnScreen(at.y, height, GetSystemMetrics(SM_CYSCREEN));
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(window), &at);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

extern "C" {

BOOL WINAPI SaveWindowPos(HWND window, HWND, LPCSTR section, LPCSTR key) {
    const std::string &ini = host::state().iniPath;
    RECT r{};
    if (ini.empty() || !section || !key || !GetWindowRect(window, &r)) return FALSE;
    char text[64];
    std::snprintf(text, sizeof text, "%d %d %d %d", r.left, r.top, r.right, r.bottom);
    return WritePrivateProfileStringA(section, key, text, ini.c_str());
}

BOOL WINAPI RestoreWindowPos(HWND window, HWND, LPCSTR section, LPCSTR key) {
    RECT stored{}, now{};
    if (!IsWindow(window) || !GetWindowRect(window, &now)) return FALSE;
    if (!readStoredRect(section, key, stored)) {
        placeBesideActiveImage(window);
        return FALSE;
    }
    POINT at{keepOnScreen(stored.left, now.right - now.left, GetSystemMetrics(SM_CXSCREEN)),
             keepOnScreen(stored.top, now.bottom - now.top, GetSystemMetrics(SM_CYSCREEN))};
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(window), &at);
    return SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Panels --------------------------------------------------------------------------------------
//
// Style 2 fills the rectangle in the panel colour (COLOR_BTNFACE), as a
// window's client area. Style 15 draws a sunken frame two pixels wide along
// the inside of the rectangle and leaves what is inside it as it is: shadow
// over dark shadow on the top and left, highlight over light on the bottom
// and right. Any other style is the plain fill of style 2. The kind is not
// looked at.

namespace {

void fillStrip(HDC hdc, LONG left, LONG top, LONG right, LONG bottom, int colour) {
    RECT r{left, top, right, bottom};
    FillRect(hdc, &r, GetSysColorBrush(colour));
}

// One ring of the frame, `inset` pixels in from the rectangle's edge. As in
// Windows' sunken edges, the bottom-left and top-right corner pixels take the
// bottom-right colour.
void frameRing(HDC hdc, const RECT &r, LONG inset, int topLeft, int bottomRight) {
    const LONG l = r.left + inset, t = r.top + inset, rt = r.right - inset, b = r.bottom - inset;
    if (rt - l < 1 || b - t < 1) return;
    fillStrip(hdc, l, t, rt - 1, t + 1, topLeft);       // top
    fillStrip(hdc, l, t, l + 1, b - 1, topLeft);        // left
    fillStrip(hdc, l, b - 1, rt, b, bottomRight);       // bottom
    fillStrip(hdc, rt - 1, t, rt, b - 1, bottomRight);  // right
}

}  // namespace

void WINAPI PaintPanel(HDC hdc, const RECT *rect, LONG, LONG style) {
    if (!hdc || !rect) return;
    if (style == 15) {
        frameRing(hdc, *rect, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        frameRing(hdc, *rect, 1, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
        return;
    }
    FillRect(hdc, rect, GetSysColorBrush(COLOR_BTNFACE));
}

LONG WINAPI MoveCursorId(void) {
    return 32646;  // IDC_SIZEALL
}

}  // extern "C"
