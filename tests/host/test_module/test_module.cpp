// A stand-in plug-in module for the host's tests, loaded as the real one is.
// It logs what it receives, a line each: to the file VO_TEST_MODULE_LOG
// names, else to stdout after "module: " (among an end-to-end script's output).
// - DllMain: whether it got its own instance; VO_TEST_MODULE_REFUSE=1 refuses the attach.
// - InterfaceFunction: the first time, writes to the host's settings file and
//   installs a hook; opens its window (control 101 showing "ready") as the
//   current plug-in window; records "VoProfCreate()".
// - The hook logs mouse, key and notice messages with their phase, takes over
//   a left press and records "VoProfLineMove(...)" from press to release in
//   image pixels; closing all profiles closes the window and removes the hook.
// - The window shows "command <id>" for a WM_COMMAND and copies it to the clipboard;
//   four commands use the host's controls instead: 1312 shows a 2 x 4 table
//   over control 101, 1314 copies a chart of one plot (its points logged) to
//   the clipboard, 1108 puts the file send<N>.txt on the clipboard (N counts
//   the sends from 1) and sends it to the spreadsheet, 1109 opens the
//   spreadsheet link's options dialog.
// - MacroExecFunction (left out with VO_TEST_MODULE_WITHOUT_MACRO_EXEC) logs
//   code and arguments and answers as a profile module would: 18000 creates
//   (0), -1000 without a profile, 18110 above 19 -7, 18160 fixed data, -5 unknown.
#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include <chartw32.h>
#include <hostmsg.h>
#include <tablew32.h>
#include <windows.h>

#include "internal/resources.h"

#define TEST_MODULE_EXPORT extern "C" __attribute__((visibility("default")))

TEST_MODULE_EXPORT BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

constexpr int kTextControl = 101;
HWND hostWindow = nullptr;
HWND pluginWindow = nullptr;
LONG hookId = -1;
POINT pressPoint{0, 0};
bool pressed = false;

void logLine(const char *format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    const char *path = std::getenv("VO_TEST_MODULE_LOG");
    std::FILE *file = path && *path ? std::fopen(path, "a") : nullptr;
    std::fprintf(file ? file : stdout, "%s%s\n", file ? "" : "module: ", text);
    if (file) std::fclose(file);
}

LRESULT query(WPARAM code, LPARAM argument) {
    return SendMessageA(hostWindow, HostQuery, code, argument);
}

void record(const char *statement) {
    SendMessageA(hostWindow, HostRecordMacro, 0, reinterpret_cast<LPARAM>(statement));
}

HGLOBAL globalCopy(const void *data, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), data, size);
    GlobalUnlock(block);
    return block;
}

POINT imagePoint(HWND window, LPARAM lParam) {
    POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}, image{0, 0};
    PointConversionBlock block{window, &image, &client, 1};
    query(QueryWindowToImage, reinterpret_cast<LPARAM>(&block));
    return image;
}

const char *messageName(UINT message) {
    static const std::pair<UINT, const char *> kNames[] = {{WM_MOUSEMOVE, "WM_MOUSEMOVE"},
                                                           {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
                                                           {WM_LBUTTONUP, "WM_LBUTTONUP"},
                                                           {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
                                                           {WM_KEYDOWN, "WM_KEYDOWN"},
                                                           {WM_KEYUP, "WM_KEYUP"},
                                                           {WM_MDIACTIVATE, "WM_MDIACTIVATE"},
                                                           {HostNoticePixelsChanged, "pixels changed"},
                                                           {HostNoticeWindowClosing, "window closing"},
                                                           {HostNoticeCloseProfiles, "close profiles"},
                                                           {HostNoticeImageReplaced, "image replaced"}};
    for (const auto &[id, name] : kNames)
        if (id == message) return name;
    return nullptr;
}

LONG CALLBACK TestHookProc(HWND window, LONG, LONG phase, UINT message, WPARAM wParam, LPARAM lParam) {
    const char *name = messageName(message);
    if (!name) return 0;
    if (message >= WM_MOUSEMOVE && message <= WM_LBUTTONDBLCLK)
        logLine("hook %ld %s %d %d%s", static_cast<long>(phase), name, static_cast<short>(LOWORD(lParam)),
                static_cast<short>(HIWORD(lParam)), (wParam & MK_SHIFT) ? " shift" : "");
    else if (message == WM_KEYDOWN || message == WM_KEYUP)
        logLine("hook %ld %s %u", static_cast<long>(phase), name, static_cast<unsigned>(wParam));
    else
        logLine("hook %ld %s", static_cast<long>(phase), name);
    if (phase == HookPhaseAct && message == WM_LBUTTONDOWN) {
        pressPoint = imagePoint(window, lParam);
        pressed = true;
        return 1;
    }
    if (phase == HookPhaseAct && message == WM_LBUTTONUP && pressed) {
        pressed = false;
        POINT end = imagePoint(window, lParam);
        char statement[128];
        std::snprintf(statement, sizeof statement, "VoProfLineMove(%ld, %ld, %ld, %ld)",
                      static_cast<long>(pressPoint.x), static_cast<long>(pressPoint.y),
                      static_cast<long>(end.x), static_cast<long>(end.y));
        record(statement);
        return 1;
    }
    if (message == HostNoticeCloseProfiles) {
        if (pluginWindow) DestroyWindow(pluginWindow);
        if (hookId >= 0 && query(QueryRemoveClientHook, hookId) == 1) logLine("hook removed");
        hookId = -1;
    }
    return 0;
}

void putClipboardText(HWND window, const std::string &text) {
    if (!OpenClipboard(window)) return;
    EmptyClipboard();
    SetClipboardData(CF_TEXT, globalCopy(text.c_str(), text.size() + 1));
    CloseClipboard();
}

void showTable(HWND window) {
    const float cells[8] = {0.0f, 12.5f, 1.0f, 0.1f, 2.0f, -3.25f, 3.0f, 1234567.0f};
    const char *headings[2] = {"  Distance  (Pixels)", "Gray Level"};
    const TableSpec spec{2, 4, 10, 8, cells, 0, headings, {0, 0, 0, 0}, 64, "Point"};
    logLine("table shown %d", TableShow(window, kTextControl, &spec));
}

// Twelve points of a zigzag over a rising line, x from 0 to 5.5.
constexpr int kPlotPoints = 12;
double plotX(int i) {
    return 0.5 * i;
}
double plotY(int i) {
    return 2.0 * i + (i % 2 ? 7.0 : 0.0);
}

PlotDataReply *CALLBACK plotData(LONG, HPLOT, PlotDataReply *reply) {
    static double x[kPlotPoints], y[kPlotPoints];
    for (int i = 0; i < kPlotPoints; ++i) x[i] = plotX(i), y[i] = plotY(i);
    *reply = PlotDataReply{};
    reply->count = kPlotPoints;
    reply->xMin = x[0];
    reply->xMax = x[kPlotPoints - 1];
    reply->yMin = *std::min_element(y, y + kPlotPoints);
    reply->yMax = *std::max_element(y, y + kPlotPoints);
    reply->x = PlotSeries{PLOTSERIES_DOUBLES, x, 0, sizeof(double), {0, 0}};
    reply->y = PlotSeries{PLOTSERIES_DOUBLES, y, 0, sizeof(double), {0, 0}};
    return reply;
}

void copyChart(HWND window) {
    static HCHART chart = 0;
    if (!chart) {
        const ChartSpec spec{"Test Chart", "Pixel", "Count", "Legend", {}};
        chart = ChartCreate(&spec);
        PlotSpec plot{};
        std::strcpy(plot.name, "Zigzag");
        plot.colour = RGB(0, 0, 160);
        plot.dataProc = plotData;
        plot.shown = plot.shown2 = 1;
        ChartAddPlot(chart, &plot);
    }
    const RECT rect{0, 0, 360, 240};
    logLine("chart copied %d", ChartCopyToClipboard(chart, window, &rect));
    for (int i = 0; i < kPlotPoints; ++i) logLine("plot %g %g", plotX(i), plotY(i));
}

void sendToSpreadsheet(HWND window) {
    static int sends = 0;
    const std::string name = "send" + std::to_string(++sends) + ".txt";
    std::ifstream in(name, std::ios::binary);
    putClipboardText(window, std::string(std::istreambuf_iterator<char>(in), {}));
    logLine("%s sent %d", name.c_str(), TableDdeSend());
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        const unsigned id = LOWORD(wParam);
        if (id == 1312) {
            showTable(window);
        } else if (id == 1314) {
            copyChart(window);
        } else if (id == 1108) {
            sendToSpreadsheet(window);
        } else if (id == 1109) {
            TableDdeOptions(hostWindow);
            logLine("options dialog closed");
        } else {
            char text[32];
            std::snprintf(text, sizeof text, "command %u", id);
            logLine("window WM_COMMAND %u", id);
            SetDlgItemTextA(window, kTextControl, text);
            putClipboardText(window, text);
        }
        return 0;
    }
    if (message == WM_DESTROY && window == pluginWindow) {
        logLine("window destroyed");
        pluginWindow = nullptr;
        query(QueryNoteActiveWindow, 0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void openWindow(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "VoTestModuleWindow";
    RegisterClassA(&wc);  // fails harmlessly once registered
    pluginWindow =
        CreateWindowExA(0, wc.lpszClassName, "Test module", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 400, 40,
                        200, 100, hostWindow, nullptr, instance, nullptr);
    CreateWindowExA(0, "static", "ready", WS_CHILD | WS_VISIBLE, 10, 10, 170, 20, pluginWindow,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextControl)), instance, nullptr);
    query(QueryNoteActiveWindow, reinterpret_cast<LPARAM>(pluginWindow));
}

// Once: the settings file (its last two path components, and whether it takes
// a value), the hook.
void firstUse() {
    char path[MAX_PATH] = "";
    query(QueryIniPath, reinterpret_cast<LPARAM>(path));
    const char *tail = path;
    for (const char *p = path; *p; ++p)
        if (*p == '/' && std::strchr(p + 1, '/')) tail = p + 1;
    const BOOL written = WritePrivateProfileStringA("TestModule", "Opened", "yes", path);
    logLine("settings %s, %s", tail, written ? "written" : "not written");
    ClientHookBlock block{1, TestHookProc};
    hookId = static_cast<LONG>(query(QueryInstallClientHook, reinterpret_cast<LPARAM>(&block)));
    logLine("hook installed");
}

// The data queries of 18160: a = query code, b = argument, c = output. Code
// 104 has six values, i + 0.5, of which the first n go out.
[[maybe_unused]] LONG dataQuery(const LONG_PTR *args) {
    const WORD word = args[1] == 100 ? 3 : 0;
    const int32_t geometry[4] = {10, 20, 30, 40};
    const float values[8] = {0.1f, 2.0f, -3.5f, 1e-7f, 16777216.0f, 5.0f, 0.0f, 2.0f};
    const float samples[6] = {0.5f, 1.5f, 2.5f, 3.5f, 4.5f, 5.5f};
    const size_t n = static_cast<size_t>(std::clamp<short>(static_cast<short>(args[2]), 0, 6));
    const struct {
        LONG_PTR code;
        const void *data;
        size_t size;
    } answers[] = {{100, &word, 2},   {109, &word, 2},   {102, geometry, 16},
                   {103, values, 20}, {105, values, 32}, {104, samples, 4 * n}};
    for (const auto &answer : answers) {
        if (answer.code != args[1]) continue;
        std::memcpy(reinterpret_cast<void *>(args[3]), answer.data, answer.size);
        return 0;
    }
    return -5;
}

[[maybe_unused]] void logMacroCall(WORD code, const LONG_PTR *a) {
    std::string line = "MacroExec " + std::to_string(code) + " (";
    if (code == 18100)
        line += "\"" + std::string(reinterpret_cast<const char *>(a[1])) + "\", ";
    else
        line += std::to_string(a[1]) + ", ";
    line += std::to_string(a[2]);
    if (code == 18020) line += ", " + std::to_string(a[3]) + ", " + std::to_string(a[4]);
    line += ")";
    if (code == 18120 && a[1] == 127) {
        line += " points " + std::to_string(a[4]) + ":";
        for (LONG_PTR i = 0; i < a[4]; ++i) {
            const POINT &p = reinterpret_cast<const POINT *>(a[3])[i];
            line += " " + std::to_string(p.x) + " " + std::to_string(p.y);
        }
    }
    logLine("%s", line.c_str());
}

}  // namespace

TEST_MODULE_EXPORT BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    const bool own = instance == plat::res::instanceOf(reinterpret_cast<const void *>(&DllMain));
    logLine("DllMain(%s) %s instance", reason == 1 ? "attach" : "detach", own ? "own" : "foreign");
    const char *refuse = std::getenv("VO_TEST_MODULE_REFUSE");
    return reason == 1 && refuse && std::strcmp(refuse, "1") == 0 ? FALSE : TRUE;
}

TEST_MODULE_EXPORT LONG WINAPI InterfaceFunction(LONG_PTR a1, HWND host, LONG_PTR a3, LONG_PTR a4,
                                                 LONG_PTR a5, LONG_PTR a6, LONG_PTR a7) {
    hostWindow = host;
    const LRESULT image = query(QueryActiveImage, 0);
    logLine("InterfaceFunction(%ld, %s, %ld, %ld, %ld, %ld, %ld) active image %ld", static_cast<long>(a1),
            IsWindow(host) ? "host" : "not a window", static_cast<long>(a3), static_cast<long>(a4),
            static_cast<long>(a5), static_cast<long>(a6), static_cast<long>(a7), static_cast<long>(image));
    if (image < 0) return 0;
    if (hookId < 0) firstUse();
    if (!pluginWindow) openWindow(plat::res::instanceOf(reinterpret_cast<const void *>(&DllMain)));
    record("VoProfCreate()");
    return 1;
}

#ifndef VO_TEST_MODULE_WITHOUT_MACRO_EXEC
TEST_MODULE_EXPORT LONG WINAPI MacroExecFunction(HWND host, WORD code, LONG_PTR *args, LONG *extra) {
    hostWindow = host;
    logMacroCall(code, args);
    if (code == 18000) {
        if (query(QueryActiveImage, 0) < 0) return -1000;
        return InterfaceFunction(0, host, 0, 0, 0, 0, *extra) == 1 ? 0 : -1;
    }
    if (code == 18160 && args[1] == 109) return dataQuery(args);
    if (!pluginWindow) return -1000;
    if (code == 18110) return args[1] > 19 ? -7 : args[1] != 0 ? -2 : 0;
    if (code == 18160) return dataQuery(args);
    if (code == 18010) DestroyWindow(pluginWindow);
    static const WORD kDone[] = {18010, 18020, 18050, 18060, 18070, 18080, 18090, 18100, 18120, 18140, 18150};
    return std::find(std::begin(kDone), std::end(kDone), code) != std::end(kDone) ? 0 : -5;
}
#endif
