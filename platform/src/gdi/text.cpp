// Text runs, TextOutA, GetTextExtentPoint32A and GetTextMetricsA.
#include "gdi/text.h"

#include <cstring>

#include "gdi/paint.h"
#include "raster/blend.h"
#include "raster/span.h"

namespace plat::gdi {

std::vector<int> runPositions(raster::FontFace &face, std::string_view text, int tabWidth) {
    std::vector<int> positions(text.size() + 1, 0);
    int x = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        positions[i] = x;
        auto c = static_cast<unsigned char>(text[i]);
        if (c == '\t' && tabWidth > 0)
            x = (x / tabWidth + 1) * tabWidth;
        else
            x += face.glyph(c).advance;
    }
    positions[text.size()] = x;
    return positions;
}

int runWidth(raster::FontFace &face, std::string_view text, int tabWidth) {
    return runPositions(face, text, tabWidth).back();
}

void drawRun(const DrawSurface &d, const DcState &state, int64_t x, int64_t top, std::string_view text,
             const std::vector<bool> *underlined, int tabWidth) {
    raster::FontFace &face = state.font->face();
    const raster::FontMetrics &m = face.metrics();
    const LOGFONTA &log = state.font->log;
    std::vector<int> pos = runPositions(face, text, tabWidth);
    int64_t left = d.x(x), cellTop = d.y(top), baseline = cellTop + m.ascent;
    raster::RopMasks ink = copyMasks(state.textColor);
    if (state.bkMode == OPAQUE)
        raster::fillBox(d.canvas, {left, cellTop, left + pos.back(), cellTop + m.height},
                        copyMasks(state.bkColor));
    for (size_t i = 0; i < text.size(); ++i) {
        const raster::GlyphBitmap &g = face.glyph(static_cast<unsigned char>(text[i]));
        if (g.width > 0)
            raster::blendCoverage(d.canvas, left + pos[i] + g.left, baseline - g.top, g.coverage.data(),
                                  g.width, g.height, g.width, ink.xorMask);
        if (underlined && i < underlined->size() && (*underlined)[i])
            raster::fillBox(d.canvas,
                            {left + pos[i], baseline + m.underlineOffset, left + pos[i + 1],
                             baseline + m.underlineOffset + 1},
                            ink);
    }
    if (log.lfUnderline)
        raster::fillBox(d.canvas,
                        {left, baseline + m.underlineOffset, left + pos.back(),
                         baseline + m.underlineOffset + m.underlineThickness},
                        ink);
    if (log.lfStrikeOut)
        raster::fillBox(d.canvas,
                        {left, baseline - m.strikeoutOffset, left + pos.back(),
                         baseline - m.strikeoutOffset + m.underlineThickness},
                        ink);
}

}  // namespace plat::gdi

using namespace plat::gdi;

// The alignment flags place the run relative to (x, y): TA_LEFT/RIGHT/CENTER
// horizontally, TA_TOP/BOTTOM/BASELINE vertically. With TA_UPDATECP the
// current position replaces (x, y) and moves past the run.
BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    Dc *dc = findDc(hdc);
    if (!dc || c < 0 || (c > 0 && !lpString)) return FALSE;
    DcState &s = dc->state;
    std::string_view text(lpString ? lpString : "", static_cast<size_t>(c));
    plat::raster::FontFace &face = s.font->face();
    const plat::raster::FontMetrics &m = face.metrics();
    int width = runWidth(face, text);
    bool updateCp = (s.textAlign & TA_UPDATECP) != 0;
    if (updateCp) {
        x = s.position.x;
        y = s.position.y;
    }
    UINT horizontal = s.textAlign & TA_CENTER, vertical = s.textAlign & TA_BASELINE;
    int64_t left = horizontal == TA_CENTER ? x - width / 2 : horizontal == TA_RIGHT ? x - width : x;
    int64_t top = vertical == TA_BASELINE ? y - m.ascent : vertical == TA_BOTTOM ? y - m.height : y;
    if (std::optional<DrawSurface> d = resolveDc(*dc)) drawRun(*d, s, left, top, text);
    if (updateCp && horizontal != TA_CENTER) s.position.x = horizontal == TA_RIGHT ? x - width : x + width;
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    Dc *dc = findDc(hdc);
    if (!dc || c < 0 || !psizl || (c > 0 && !lpString)) return FALSE;
    plat::raster::FontFace &face = dc->state.font->face();
    psizl->cx = runWidth(face, std::string_view(lpString ? lpString : "", static_cast<size_t>(c)));
    psizl->cy = face.metrics().height;
    return TRUE;
}

// The character range and pitch flags are those Windows reports for a
// TrueType ANSI font (TMPF_FIXED_PITCH set means variable pitch).
BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
    Dc *dc = findDc(hdc);
    if (!dc || !lptm) return FALSE;
    const LOGFONTA &log = dc->state.font->log;
    const plat::raster::FontMetrics &m = dc->state.font->face().metrics();
    std::memset(lptm, 0, sizeof *lptm);
    lptm->tmHeight = m.height;
    lptm->tmAscent = m.ascent;
    lptm->tmDescent = m.descent;
    lptm->tmInternalLeading = m.internalLeading;
    lptm->tmExternalLeading = m.externalLeading;
    lptm->tmAveCharWidth = m.aveCharWidth;
    lptm->tmMaxCharWidth = m.maxCharWidth;
    lptm->tmWeight = log.lfWeight >= FW_SEMIBOLD ? FW_BOLD : FW_NORMAL;
    lptm->tmDigitizedAspectX = 96;
    lptm->tmDigitizedAspectY = 96;
    lptm->tmFirstChar = 0x1E;
    lptm->tmLastChar = 0xFF;
    lptm->tmDefaultChar = 0x1F;
    lptm->tmBreakChar = 0x20;
    lptm->tmItalic = log.lfItalic ? 1 : 0;
    lptm->tmUnderlined = log.lfUnderline ? 1 : 0;
    lptm->tmStruckOut = log.lfStrikeOut ? 1 : 0;
    // TMPF_FIXED_PITCH (variable), TMPF_VECTOR and TMPF_TRUETYPE, Swiss family;
    // the built-in fallback is a variable-pitch raster font.
    lptm->tmPitchAndFamily = m.fallback ? 0x21 : 0x27;
    lptm->tmCharSet = ANSI_CHARSET;
    return TRUE;
}
