// The classic 3D drawing pieces, built from FillRect and pixel runs only so
// that no pen end-point rule is involved.
#include "controls/control_draw.h"

#include <vector>

#include "internal/gdi.h"

namespace plat {

void fillSysColor(HDC hdc, const RECT &rect, int sysColor) {
    FillRect(hdc, &rect, GetSysColorBrush(sysColor));
}

void drawRing(HDC hdc, const RECT &r, int topLeftColor, int bottomRightColor) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    fillSysColor(hdc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeftColor);
    fillSysColor(hdc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeftColor);
    fillSysColor(hdc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRightColor);
    fillSysColor(hdc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRightColor);
}

namespace {

struct BevelColors {
    int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

BevelColors bevelColors(Bevel bevel) {
    switch (bevel) {
        case Bevel::Raised:
            return {COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_BTNSHADOW};
        case Bevel::Pushed:
            return {COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT};
        case Bevel::Field:
            return {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT};
        case Bevel::Etched:
            return {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    }
    return {};
}

}  // namespace

void drawBevel(HDC hdc, const RECT &rect, Bevel bevel) {
    BevelColors c = bevelColors(bevel);
    drawRing(hdc, rect, c.outerTopLeft, c.outerBottomRight);
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    drawRing(hdc, inner, c.innerTopLeft, c.innerBottomRight);
}

void drawFocusDots(HDC hdc, const RECT &r) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    COLORREF color = GetSysColor(COLOR_WINDOWTEXT);
    std::vector<PixelRun> dots;
    auto dot = [&](int x, int y) {
        if (((x - r.left) + (y - r.top)) % 2 == 0) dots.push_back({x, y, 1, color});
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        dot(r.right - 1, y);
    }
    setPixelRuns(hdc, dots);
}

namespace {

const GlyphColor *paletteEntry(char key, const GlyphColor *palette, int paletteSize) {
    for (int i = 0; i < paletteSize; ++i)
        if (palette[i].key == key) return &palette[i];
    return nullptr;
}

}  // namespace

// Neighbouring pixels of one key become one run.
void drawGlyph(HDC hdc, int x, int y, const char *const *rows, int rowCount, const GlyphColor *palette,
               int paletteSize) {
    std::vector<PixelRun> runs;
    for (int row = 0; row < rowCount; ++row) {
        const char *cells = rows[row];
        for (int col = 0; cells[col] != '\0';) {
            int end = col + 1;
            while (cells[end] == cells[col]) ++end;
            if (const GlyphColor *entry = paletteEntry(cells[col], palette, paletteSize))
                runs.push_back({x + col, y + row, end - col, GetSysColor(entry->sysColor)});
            col = end;
        }
    }
    setPixelRuns(hdc, runs);
}

}  // namespace plat
