// Drawing pieces of the classic 3D look shared by the controls: bevels,
// the dotted focus rectangle and small glyphs given as pixel patterns. All in
// system colours, so that a test can predict every pixel from GetSysColor.
#pragma once

#include <windows.h>

namespace plat {

// A 2-pixel bevel is two rings, each a top-left colour (top row and left
// column, corners excluded at the far ends) and a bottom-right colour
// (bottom row and right column, including the top-right and bottom-left
// corner pixels), as Windows draws its edges.
enum class Bevel {
    Raised,  // push button at rest: outer white/black, inner light/shadow
    Pushed,  // push button held down: every ring's two colours exchanged
    Field,   // sunken field (check box, edit): outer shadow/white, inner black/light
    Etched,  // group box frame: outer shadow/white, inner white/shadow
};

void fillSysColor(HDC hdc, const RECT &rect, int sysColor);
// Draws the bevel on the outer 2 pixels of rect.
void drawBevel(HDC hdc, const RECT &rect, Bevel bevel);
// One ring of a bevel: 1 pixel wide on the edge of rect.
void drawRing(HDC hdc, const RECT &rect, int topLeftColor, int bottomRightColor);
// The dotted focus rectangle: every other pixel of the outline of rect,
// starting with its top-left corner (pixels whose (x - left) + (y - top) is
// even), in COLOR_WINDOWTEXT.
void drawFocusDots(HDC hdc, const RECT &rect);

// A small glyph: rows of characters, one per pixel; each character other
// than '.' is looked up in the palette and drawn in that system colour.
struct GlyphColor {
    char key;
    int sysColor;
};
void drawGlyph(HDC hdc, int x, int y, const char *const *rows, int rowCount, const GlyphColor *palette,
               int paletteSize);

}  // namespace plat
