// The clipboard, in-process: one set of global memory blocks keyed by format.
//
// As on Windows, data handed to SetClipboardData belongs to the clipboard
// from then on (EmptyClipboard and a replacing SetClipboardData free it), the
// clipboard is open for one caller at a time, and changing it requires it to
// be open. Any format stored as a global block is accepted (CF_TEXT, CF_DIB,
// registered formats); delayed rendering (a NULL block) is not supported.
// The previous owner gets no WM_DESTROYCLIPBOARD: nothing here needs it.
// Registered formats are numbered from 0xC000 as on Windows, one number per
// name whatever its case.
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <platform/embed.h>

#include "kernel/global_memory.h"
#include "kernel/win_errors.h"

namespace {

struct Clipboard {
    bool open = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    bool changed = false;
    std::map<UINT, HGLOBAL> data;
    std::function<void()> listener;
    std::vector<std::string> registered;  // format 0xC000 + i
};

constexpr UINT kFirstRegisteredFormat = 0xC000;
constexpr UINT kLastRegisteredFormat = 0xFFFF;

bool sameNameNoCase(const std::string &a, const char *b) {
    return a.size() == std::strlen(b) && lstrcmpiA(a.c_str(), b) == 0;
}

Clipboard &clipboard() {
    static Clipboard c;
    return c;
}

bool requireOpen() {
    if (clipboard().open) return true;
    SetLastError(plat::kErrorClipboardNotOpen);
    return false;
}

}  // namespace

namespace plat {

void setClipboardListener(std::function<void()> listener) {
    clipboard().listener = std::move(listener);
}

std::optional<std::string> clipboardText() {
    auto it = clipboard().data.find(CF_TEXT);
    if (it == clipboard().data.end()) return std::nullopt;
    const char *text = static_cast<const char *>(GlobalLock(it->second));
    if (text == nullptr) return std::nullopt;
    // The text ends at its NUL or, if a writer forgot it, at the block's end.
    size_t size = GlobalSize(it->second);
    size_t length = 0;
    while (length < size && text[length] != '\0') ++length;
    std::string result(text, length);
    GlobalUnlock(it->second);
    return result;
}

}  // namespace plat

extern "C" {

BOOL WINAPI OpenClipboard(HWND hWndNewOwner) {
    Clipboard &c = clipboard();
    if (c.open) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    c.open = true;
    c.opener = hWndNewOwner;
    return TRUE;
}

BOOL WINAPI EmptyClipboard(void) {
    if (!requireOpen()) return FALSE;
    Clipboard &c = clipboard();
    for (auto &entry : c.data) GlobalFree(entry.second);
    c.data.clear();
    c.owner = c.opener;
    c.changed = true;
    return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem) {
    if (!requireOpen()) return nullptr;
    if (!plat::isGlobalBlock(hMem)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    Clipboard &c = clipboard();
    HGLOBAL &slot = c.data[uFormat];
    if (slot != nullptr && slot != hMem) GlobalFree(slot);
    slot = hMem;
    c.changed = true;
    return hMem;
}

HANDLE WINAPI GetClipboardData(UINT uFormat) {
    if (!requireOpen()) return nullptr;
    auto it = clipboard().data.find(uFormat);
    return it == clipboard().data.end() ? nullptr : it->second;
}

BOOL WINAPI IsClipboardFormatAvailable(UINT format) {
    return clipboard().data.count(format) != 0 ? TRUE : FALSE;
}

// The listener runs after the clipboard is closed, so it may open it again.
BOOL WINAPI CloseClipboard(void) {
    if (!requireOpen()) return FALSE;
    Clipboard &c = clipboard();
    c.open = false;
    c.opener = nullptr;
    bool changed = c.changed;
    c.changed = false;
    if (changed && c.listener) c.listener();
    return TRUE;
}

HWND WINAPI GetClipboardOwner(void) {
    return clipboard().owner;
}

UINT WINAPI RegisterClipboardFormatA(LPCSTR lpszFormat) {
    if (lpszFormat == nullptr || lpszFormat[0] == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::vector<std::string> &names = clipboard().registered;
    for (size_t i = 0; i < names.size(); ++i)
        if (sameNameNoCase(names[i], lpszFormat)) return kFirstRegisteredFormat + static_cast<UINT>(i);
    if (kFirstRegisteredFormat + names.size() > kLastRegisteredFormat) return 0;
    names.emplace_back(lpszFormat);
    return kFirstRegisteredFormat + static_cast<UINT>(names.size() - 1);
}

// The registered name, cut to fit with its NUL; 0 for a format not registered.
int WINAPI GetClipboardFormatNameA(UINT format, LPSTR lpszFormatName, int cchMaxCount) {
    const std::vector<std::string> &names = clipboard().registered;
    if (format < kFirstRegisteredFormat || format - kFirstRegisteredFormat >= names.size() ||
        lpszFormatName == nullptr || cchMaxCount <= 0)
        return 0;
    lstrcpynA(lpszFormatName, names[format - kFirstRegisteredFormat].c_str(), cchMaxCount);
    return static_cast<int>(std::strlen(lpszFormatName));
}

}  // extern "C"
