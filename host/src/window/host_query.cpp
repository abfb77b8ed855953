// HostQuery: one handler per query code, found through a table.
#include <cstring>
#include <string>

#include <hostmsg.h>

#include "core/host_state.h"
#include "core/image_store.h"
#include "window/client_hooks.h"
#include "window/host_window.h"
#include "window/image_window.h"

namespace host {

namespace {

// Text buffers the protocol hands over hold this many chars with the NUL;
// paths travel in MAX_PATH buffers.
constexpr size_t kTextBuffer = 128;

// Copies text that fits; a longer text would be useless cut short (a path
// naming another file), so the buffer gets "" and the answer is 0.
LRESULT copyText(LPARAM buffer, const std::string &text, size_t bufferSize = kTextBuffer) {
    if (!buffer) return 0;
    char *out = reinterpret_cast<char *>(buffer);
    if (text.size() >= bufferSize) {
        out[0] = '\0';
        return 0;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

LRESULT queryIniPath(LPARAM buffer) {
    return copyText(buffer, state().iniPath, MAX_PATH);
}

LRESULT queryInstallHook(LPARAM block) {
    return installClientHook(reinterpret_cast<const ClientHookBlock *>(block));
}

LRESULT queryRemoveHook(LPARAM id) {
    return removeClientHook(static_cast<LONG>(id)) ? 1 : 0;
}

LRESULT queryActiveImage(LPARAM) {
    return activeImageId();
}

LRESULT queryImageWindow(LPARAM) {
    return reinterpret_cast<LRESULT>(activeImageWindow());
}

LRESULT queryImageAoi(LPARAM buffer) {
    if (!buffer) return 0;
    std::memcpy(reinterpret_cast<LONG *>(buffer), state().aoi, sizeof state().aoi);
    return 1;
}

LRESULT queryStatusText(LPARAM text) {
    state().status = text ? reinterpret_cast<const char *>(text) : "";
    return 1;
}

LRESULT queryWindowImage(LPARAM window) {
    return imageOfWindow(reinterpret_cast<HWND>(window));
}

// Converts the block's points; the answer is their number, 0 for a block
// naming no image window.
LRESULT convertPoints(LPARAM argument, bool toWindow) {
    const auto *block = reinterpret_cast<const PointConversionBlock *>(argument);
    if (!block || block->count <= 0 || !block->imagePoints || !block->windowPoints) return 0;
    if (imageOfWindow(block->window) < 0) return 0;
    if (toWindow)
        imageToWindow(block->window, block->imagePoints, block->windowPoints, block->count);
    else
        windowToImage(block->window, block->windowPoints, block->imagePoints, block->count);
    return block->count;
}

LRESULT queryImageToWindow(LPARAM block) {
    return convertPoints(block, true);
}

LRESULT queryWindowToImage(LPARAM block) {
    return convertPoints(block, false);
}

LRESULT queryNoteActiveWindow(LPARAM window) {
    state().activePluginWindow = reinterpret_cast<HWND>(window);
    return 1;
}

LRESULT queryInteractive(LPARAM) {
    return state().interactive ? 1 : 0;
}

// No active image gives "" and 0.
LRESULT queryImageTitle(LPARAM buffer) {
    const Image *image = images().find(activeImageId());
    std::string title = image ? image->title : "";
    if (title.size() >= kTextBuffer) title.resize(kTextBuffer - 1);
    return copyText(buffer, title);
}

struct QueryEntry {
    WPARAM code;
    LRESULT (*handler)(LPARAM);
};

constexpr QueryEntry kQueries[] = {
    {QueryIniPath, queryIniPath},
    {QueryInstallClientHook, queryInstallHook},
    {QueryRemoveClientHook, queryRemoveHook},
    {QueryActiveImage, queryActiveImage},
    {QueryImageWindow, queryImageWindow},
    {QueryImageAoi, queryImageAoi},
    {QueryStatusText, queryStatusText},
    {QueryWindowImage, queryWindowImage},
    {QueryImageToWindow, queryImageToWindow},
    {QueryWindowToImage, queryWindowToImage},
    {QueryNoteActiveWindow, queryNoteActiveWindow},
    {QueryInteractive, queryInteractive},
    {QueryImageTitle, queryImageTitle},
};

}  // namespace

// An unknown code answers -1.
LRESULT hostQuery(WPARAM code, LPARAM argument) {
    for (const QueryEntry &q : kQueries)
        if (q.code == code) return q.handler(argument);
    return -1;
}

}  // namespace host
