// GDI internals for the other areas of the platform and for tests.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "surface.h"

namespace plat {

// The pixels of a bitmap, or null for an invalid handle. The surface lives
// as long as the bitmap (and any DC that still has it selected).
Surface *bitmapSurface(HBITMAP bitmap);

// Points the font engine at other font files (empty: the compiled-in
// DejaVu files) and forgets the faces realised so far. A path that cannot
// be opened makes text use the built-in fallback font.
void setFontFilesForTesting(const std::string &regular, const std::string &bold);

// A horizontal run of pixels in one colour, in the DC's logical coordinates.
struct PixelRun {
    int x, y, length;
    COLORREF color;
};
// Writes each run as SetPixel would write its pixels one by one (the ROP2
// does not apply, the clip does), finding the DC's surface once for all of
// them: glyphs and dotted outlines are many small pieces.
void setPixelRuns(HDC hdc, const std::vector<PixelRun> &runs);

}  // namespace plat
