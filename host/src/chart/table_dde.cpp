// TABLEW32's spreadsheet link. No spreadsheet answers a DDE conversation
// here, so each send becomes a new sheet of a real Excel workbook: the
// clipboard's text, cut into cells, on a sheet named after the active image
// and the send's number. The host keeps every sheet sent in the session and
// writes the whole workbook again after each send (the library writes new
// workbooks only), replacing the old one whole or not at all. Where the
// workbook goes and whether it is opened afterwards are the host's settings
// (dde_settings.h), chosen in TableDdeOptions.
#include <spawn.h>
#include <sys/wait.h>
#include <tablew32.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "chart/dde_settings.h"
#include "chart/dde_sheet.h"
#include "chart/dde_workbook.h"
#include "core/host_state.h"
#include "core/image_store.h"
#include "libs/save_stamp.h"
#include "window/image_window.h"

extern char **environ;

namespace {

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

std::string activeImageTitle() {
    const host::Image *image = host::images().find(host::activeImageId());
    return image ? image->title : std::string();
}

// The desktop's opener, started and left to run: the intermediate child
// exits at once, so the opener is nobody's zombie. Only with a display, so
// a headless run never starts one.
void openWithDesktop(const std::string &path) {
    const char *display = std::getenv("DISPLAY");
    if (!display || !*display) return;
    const pid_t child = fork();
    if (child == 0) {
        char program[] = "xdg-open";
        std::string argument = path;
        char *argv[] = {program, argument.data(), nullptr};
        pid_t opener = 0;
        posix_spawnp(&opener, program, nullptr, nullptr, argv, environ);
        _exit(0);
    }
    if (child > 0) waitpid(child, nullptr, 0);
}

}  // namespace

extern "C" {

// TRUE when the workbook was written with the new sheet; FALSE with no text
// on the clipboard (an empty text included) or when the workbook cannot be
// written, which leaves the old workbook and the session's sheets as they
// were (the reason goes to stderr, as the host reports what it cannot save).
BOOL WINAPI TableDdeSend(void) {
    std::optional<std::string> text = clipboardText();
    if (!text || text->empty()) return FALSE;
    std::vector<host::SentSheet> &sheets = host::state().sentSheets;
    const int counter = static_cast<int>(sheets.size()) + 1;
    std::vector<host::SentSheet> next = sheets;
    next.push_back(host::SentSheet{host::sheetName(activeImageTitle(), counter), std::move(*text)});
    const host::DdeSettings settings = host::readDdeSettings();
    if (std::optional<std::string> error =
            host::writeWorkbook(settings.workbook, next, host::ddeCommaDecimal(), host::saveStampTime())) {
        std::fprintf(stderr, "voprof: the spreadsheet link %s\n", error->c_str());
        return FALSE;
    }
    sheets = std::move(next);
    if (settings.openAfterSend) openWithDesktop(settings.workbook);
    return TRUE;
}

}  // extern "C"
