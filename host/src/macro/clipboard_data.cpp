// Reading the clipboard for ClipboardSave.
#include "macro/clipboard_data.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace host::macro {

std::optional<std::string> clipboardBlock(UINT format) {
    if (!IsClipboardFormatAvailable(format) || !OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> bytes;
    HANDLE block = GetClipboardData(format);
    if (const char *data = block ? static_cast<const char *>(GlobalLock(block)) : nullptr) {
        bytes.emplace(data, GlobalSize(block));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return bytes;
}

std::optional<std::string> clipboardText(UINT format) {
    std::optional<std::string> bytes = clipboardBlock(format);
    if (bytes) bytes->resize(strnlen(bytes->data(), bytes->size()));
    return bytes;
}

std::optional<plat::Image> imageFromDib(const std::string &dib) {
    BITMAPINFOHEADER header{};
    if (dib.size() < sizeof header) return std::nullopt;
    std::memcpy(&header, dib.data(), sizeof header);
    const int bytesPerPixel = header.biBitCount / 8;
    if (header.biSize < sizeof header || header.biCompression != BI_RGB ||
        (header.biBitCount != 24 && header.biBitCount != 32) || header.biWidth <= 0 || header.biHeight == 0)
        return std::nullopt;
    const size_t width = static_cast<size_t>(header.biWidth);
    const size_t height = static_cast<size_t>(std::abs(static_cast<long>(header.biHeight)));
    // Rows are padded to four bytes.
    const size_t rowBytes = (width * static_cast<size_t>(bytesPerPixel) + 3) / 4 * 4;
    if (width > 65536 || height > 65536 || dib.size() - header.biSize < rowBytes * height)
        return std::nullopt;
    plat::Image image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(width * height);
    const auto *bits = reinterpret_cast<const uint8_t *>(dib.data()) + header.biSize;
    for (size_t y = 0; y < height; ++y) {
        const size_t sourceRow = header.biHeight > 0 ? height - 1 - y : y;
        const uint8_t *p = bits + sourceRow * rowBytes;
        for (size_t x = 0; x < width; ++x, p += bytesPerPixel)
            image.pixels[y * width + x] = uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
    }
    return image;
}

}  // namespace host::macro
