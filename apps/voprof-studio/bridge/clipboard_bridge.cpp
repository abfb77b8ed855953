// Clipboard exchange between the platform and the desktop.
#include "clipboard_bridge.h"

#include <cstring>

#include <windows.h>

namespace studio {
namespace {

constexpr char kSvgFormat[] = "image/svg+xml";

// A block's text up to its first zero byte (blocks may be padded).
std::optional<std::string> blockText(UINT format) {
    if (!IsClipboardFormatAvailable(format) || !OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    HANDLE block = GetClipboardData(format);
    if (const char *data = block ? static_cast<const char *>(GlobalLock(block)) : nullptr) {
        text.emplace(data, strnlen(data, GlobalSize(block)));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

}  // namespace

std::optional<std::string> platformClipboardText() {
    if (std::optional<std::string> text = blockText(CF_TEXT)) return text;
    return blockText(RegisterClipboardFormatA(kSvgFormat));
}

bool setPlatformClipboardText(const std::string &text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) return false;
    char *data = static_cast<char *>(GlobalLock(block));
    std::memcpy(data, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}

void ClipboardBridge::platformChanged() {
    std::optional<std::string> text = platformClipboardText();
    if (!text || text == shared_) return;
    shared_ = text;
    desktop_.setText(*text);
}

void ClipboardBridge::desktopMayHaveChanged() {
    std::optional<std::string> text = desktop_.text();
    if (!text || text->empty() || text == shared_) return;
    // Set before the platform's listener runs, so it sees no change to pass back.
    shared_ = text;
    if (!setPlatformClipboardText(*text)) shared_.reset();
}

}  // namespace studio
