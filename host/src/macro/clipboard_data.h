// What ClipboardSave reads off the clipboard: a format's bytes, and a CF_DIB
// picture turned into an image that can be written as PNG.
#pragma once

#include <optional>
#include <string>

#include <platform/embed.h>

namespace host::macro {

// The whole block of the format; nullopt when the clipboard holds none or is
// open elsewhere.
std::optional<std::string> clipboardBlock(UINT format);
// The same up to the first NUL, for text formats.
std::optional<std::string> clipboardText(UINT format);

// A CF_DIB (BITMAPINFOHEADER, then uncompressed 24- or 32-bit rows, bottom-up
// or top-down) as an image; nullopt for another layout or a short block.
std::optional<plat::Image> imageFromDib(const std::string &dib);

}  // namespace host::macro
