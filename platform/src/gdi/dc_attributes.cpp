// DC attributes: ROP2, background, text colour and alignment. Each setter
// returns the previous value, or Windows' failure value for a bad DC or an
// out-of-range argument.
#include "gdi/dc.h"
#include "raster/rop.h"

using namespace plat::gdi;

int WINAPI SetROP2(HDC hdc, int rop2) {
    Dc *dc = findDc(hdc);
    if (!dc || !plat::raster::isValidRop2(rop2)) return 0;
    int previous = dc->state.rop2;
    dc->state.rop2 = rop2;
    return previous;
}

int WINAPI GetROP2(HDC hdc) {
    Dc *dc = findDc(hdc);
    return dc ? dc->state.rop2 : 0;
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    Dc *dc = findDc(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = dc->state.bkMode;
    dc->state.bkMode = mode;
    return previous;
}

int WINAPI GetBkMode(HDC hdc) {
    Dc *dc = findDc(hdc);
    return dc ? dc->state.bkMode : 0;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    Dc *dc = findDc(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->state.bkColor;
    dc->state.bkColor = color;
    return previous;
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    Dc *dc = findDc(hdc);
    return dc ? dc->state.bkColor : CLR_INVALID;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    Dc *dc = findDc(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->state.textColor;
    dc->state.textColor = color;
    return previous;
}

COLORREF WINAPI GetTextColor(HDC hdc) {
    Dc *dc = findDc(hdc);
    return dc ? dc->state.textColor : CLR_INVALID;
}

// GDI_ERROR (0xFFFFFFFF) on failure, as Windows returns.
UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    Dc *dc = findDc(hdc);
    if (!dc) return 0xFFFFFFFFu;
    UINT previous = dc->state.textAlign;
    dc->state.textAlign = align;
    return previous;
}

UINT WINAPI GetTextAlign(HDC hdc) {
    Dc *dc = findDc(hdc);
    return dc ? dc->state.textAlign : 0xFFFFFFFFu;
}
