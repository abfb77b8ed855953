// DrawTextA: formatted text in a rectangle (layout in text_layout.h).
// Lines are the font's height apart (plus its external leading with
// DT_EXTERNALLEADING); DT_VCENTER and DT_BOTTOM apply to DT_SINGLELINE only.
// Unless DT_NOCLIP, drawing is clipped to the rectangle. DT_EXPANDTABS puts
// tab stops every eight average character widths.
#include <algorithm>
#include <cstring>

#include "gdi/paint.h"
#include "gdi/text.h"
#include "gdi/text_layout.h"

using namespace plat::gdi;

namespace {

int lineLeft(const RECT &r, int width, UINT format) {
    if (format & DT_CENTER) return r.left + (r.right - r.left - width) / 2;
    if (format & DT_RIGHT) return r.right - width;
    return r.left;
}

void drawLines(const Dc &dc, const std::vector<LaidLine> &lines, const RECT &r, int top, int lineHeight,
               UINT format, int tabWidth) {
    std::optional<DrawSurface> d = resolveDc(dc);
    if (!d) return;
    if (!(format & DT_NOCLIP)) {
        d->canvas.clip =
            d->canvas.clip.intersect(plat::raster::boxFromRect(r).offset(d->originX, d->originY));
        if (d->canvas.clip.empty()) return;
    }
    for (const LaidLine &line : lines) {
        drawRun(*d, dc.state, lineLeft(r, line.width, format), top, line.text, &line.underlined, tabWidth);
        top += lineHeight;
    }
}

}  // namespace

// Returns the height of the text, or with DT_VCENTER/DT_BOTTOM the offset
// from the rectangle's top to the bottom of the text; 0 on failure.
// DT_CALCRECT draws nothing and sets the rectangle's right and bottom to
// bound the text.
int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    Dc *dc = findDc(hdc);
    if (!dc || !lprc || !lpchText) return 0;
    size_t length = cchText < 0 ? std::strlen(lpchText) : static_cast<size_t>(cchText);
    if (length == 0) {
        if (format & DT_CALCRECT) {
            lprc->right = lprc->left;
            lprc->bottom = lprc->top;
        }
        return 0;
    }
    plat::raster::FontFace &face = dc->state.font->face();
    const plat::raster::FontMetrics &m = face.metrics();
    int tabWidth = (format & DT_EXPANDTABS) ? 8 * m.aveCharWidth : 0;
    int lineHeight = m.height + ((format & DT_EXTERNALLEADING) ? m.externalLeading : 0);
    std::vector<LaidLine> lines =
        layoutText(std::string_view(lpchText, length), format, lprc->right - lprc->left,
                   [&](std::string_view s) { return runWidth(face, s, tabWidth); });
    int textHeight = static_cast<int>(lines.size()) * lineHeight;
    int top = lprc->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = lprc->top + (lprc->bottom - lprc->top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            top = lprc->bottom - lineHeight;
    }
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const LaidLine &line : lines) widest = std::max(widest, line.width);
        lprc->right = lprc->left + widest;
        lprc->bottom = lprc->top + textHeight;
        return textHeight;
    }
    drawLines(*dc, lines, *lprc, top, lineHeight, format, tabWidth);
    return (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)) ? top - lprc->top + textHeight
                                                                           : textHeight;
}
