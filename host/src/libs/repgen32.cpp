// REPGEN32: the report items plug-ins register, and the report command that
// asks them for pictures.
#include <repgen32.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include <platform/embed.h>
#include <platform/files.h>

#include "core/host_reset.h"
#include "libs/report.h"

namespace {

struct ReportItem {
    uintptr_t token;
    ReportItemSpec described;  // a copy of what the plug-in registered
    ReportItemProc proc = nullptr;
    HWND host = nullptr;
};

struct ItemTable {
    uintptr_t next = 0x20000;  // handles are tokens, never addresses, and never 0
    std::vector<ReportItem> items;
};

ItemTable &table() {
    static ItemTable t;
    return t;
}

ReportItem *findItem(HREPORTITEM handle) {
    auto &items = table().items;
    auto token = reinterpret_cast<uintptr_t>(handle);
    auto it =
        std::find_if(items.begin(), items.end(), [token](const ReportItem &i) { return i.token == token; });
    return it == items.end() ? nullptr : &*it;
}

// The text of a global block, up to its NUL or its end; the block is freed.
std::string takeText(HGLOBAL block) {
    std::string text;
    if (const char *p = static_cast<const char *>(GlobalLock(block))) {
        text.assign(p, strnlen(p, GlobalSize(block)));
        GlobalUnlock(block);
    }
    GlobalFree(block);
    return text;
}

// The picture in a CF_DIB global block, if it is one this reader knows; the block is freed.
std::optional<plat::Image> takePicture(HGLOBAL block) {
    std::optional<plat::Image> picture;
    const size_t size = GlobalSize(block);
    const auto *bytes = static_cast<const uint8_t *>(GlobalLock(block));
    BITMAPINFOHEADER h{};
    if (bytes && size >= sizeof h) std::memcpy(&h, bytes, sizeof h);
    const int64_t width = h.biWidth, height = h.biHeight < 0 ? -int64_t{h.biHeight} : h.biHeight;
    const int bytesPerPixel = h.biBitCount / 8;
    const int64_t stride = (width * h.biBitCount + 31) / 32 * 4;
    const bool known = h.biSize >= sizeof h && h.biCompression == BI_RGB &&
                       (h.biBitCount == 24 || h.biBitCount == 32) && width > 0 && width <= 65536 &&
                       height > 0 && height <= 65536;
    if (known && static_cast<uint64_t>(h.biSize) + static_cast<uint64_t>(stride * height) <= size) {
        plat::Image image{static_cast<int>(width), static_cast<int>(height), {}};
        image.pixels.resize(static_cast<size_t>(width * height));
        for (int64_t y = 0; y < height; ++y) {
            const int64_t row = h.biHeight < 0 ? y : height - 1 - y;  // positive height: bottom-up
            const uint8_t *src = bytes + h.biSize + row * stride;
            for (int64_t x = 0; x < width; ++x, src += bytesPerPixel)
                image.pixels[static_cast<size_t>(y * width + x)] =
                    (uint32_t{src[2]} << 16) | (uint32_t{src[1]} << 8) | src[0];
        }
        picture = std::move(image);
    }
    if (bytes) GlobalUnlock(block);
    GlobalFree(block);
    return picture;
}

std::string fileNameFor(std::string name) {
    std::replace(name.begin(), name.end(), '/', '_');
    std::replace(name.begin(), name.end(), '\\', '_');
    if (name.empty() || name == "." || name == "..") name = "item";
    return name + ".png";
}

LONG_PTR ask(const ReportItem &item, DWORD word0, DWORD word1) {
    const DWORD request[2] = {word0, word1};
    return item.proc(request, item.host);
}

// One line of report.txt for the item; writes its picture. False when the picture cannot be written.
bool reportItem(const ReportItem &item, const std::string &directory, std::string &line, std::string *error) {
    std::string name(item.described.name, strnlen(item.described.name, sizeof item.described.name));
    if (!item.proc || ask(item, 0, 0) == 0) {
        line = name + "\tnot available";
        return true;
    }
    if (LONG_PTR text = ask(item, 1, 1)) {
        std::string given = takeText(reinterpret_cast<HGLOBAL>(text));
        if (!given.empty()) name = given;
    }
    LONG_PTR block = ask(item, 1, 2);
    std::optional<plat::Image> picture = block ? takePicture(reinterpret_cast<HGLOBAL>(block)) : std::nullopt;
    if (!picture) {
        line = name + "\tno picture";
        return true;
    }
    const std::string file = fileNameFor(name);
    line = name + "\t" + file;
    return plat::writePng(*picture, directory + "/" + file, error);
}

}  // namespace

namespace host {

bool writeReport(const std::string &directory, std::string *error) {
    std::string list;
    const std::vector<ReportItem> items = table().items;  // a callback may register more
    for (const ReportItem &item : items) {
        std::string line;
        if (!reportItem(item, directory, line, error)) return false;
        list += line + "\n";
    }
    std::optional<plat::FileError> failed = plat::replaceFile(directory + "/report.txt", list);
    if (failed && error) *error = failed->message();
    return !failed;
}

void forgetReportItems() {
    table().items.clear();
}

}  // namespace host

extern "C" {

HREPORTITEM WINAPI ReportRegister(const ReportItemSpec *described) {
    if (!described) return nullptr;
    ItemTable &t = table();
    t.items.push_back(ReportItem{t.next++, *described});
    return reinterpret_cast<HREPORTITEM>(t.items.back().token);
}

BOOL WINAPI ReportSetCallback(HREPORTITEM handle, ReportItemProc proc, HWND host, LONG, LONG) {
    ReportItem *item = findItem(handle);
    if (!item) return FALSE;
    item->proc = proc;
    item->host = host;
    return TRUE;
}

}  // extern "C"
