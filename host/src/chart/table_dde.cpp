// TABLEW32's spreadsheet link. No spreadsheet answers here, so "sending" the
// clipboard's text appends it to a destination file, which a person or a
// test can read: the host INI file's section "DDE", key "Destination",
// default "dde-output.txt" in the current directory.
#include <tablew32.h>

#include <cstring>
#include <optional>
#include <string>

#include <platform/files.h>

#include "core/host_state.h"

namespace {

constexpr const char *kDefaultDestination = "dde-output.txt";

// The clipboard's CF_TEXT up to its NUL; nullopt when there is none or the
// clipboard is open elsewhere.
std::optional<std::string> clipboardText() {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    HANDLE block = GetClipboardData(CF_TEXT);
    if (const char *chars = block ? static_cast<const char *>(GlobalLock(block)) : nullptr) {
        text.emplace(chars, strnlen(chars, GlobalSize(block)));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

std::string destination() {
    const std::string &ini = host::state().iniPath;
    if (ini.empty()) return kDefaultDestination;
    char path[MAX_PATH] = "";
    GetPrivateProfileStringA("DDE", "Destination", kDefaultDestination, path, sizeof path, ini.c_str());
    return path[0] ? path : kDefaultDestination;
}

}  // namespace

extern "C" {

// TRUE when the text was appended; FALSE with no text on the clipboard (an
// empty text included) or when the destination cannot be written.
BOOL WINAPI TableDdeSend(void) {
    std::optional<std::string> text = clipboardText();
    if (!text || text->empty()) return FALSE;
    // An append that fails part-way leaves the destination as it was.
    return plat::appendToFile(destination(), *text) ? FALSE : TRUE;
}

// The link has nothing to choose yet (the destination is set in the INI
// file), so the options dialog returns at once and writes nothing.
void WINAPI TableDdeOptions(HWND) {}

}  // extern "C"
