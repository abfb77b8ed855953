// DC attributes: ROP2, background, text colour and alignment. Each setter
// returns the previous value, or Windows' failure value for a bad DC or an
// out-of-range argument; each getter the value, or that failure value.
#include "gdi/dc.h"
#include "raster/rop.h"

using namespace plat::gdi;

namespace {

template <typename T>
T setAttribute(HDC hdc, T DcState::*field, T value, bool valid, T failure) {
    Dc *dc = findDc(hdc);
    if (!dc || !valid) return failure;
    T previous = dc->state.*field;
    dc->state.*field = value;
    return previous;
}

template <typename T>
T getAttribute(HDC hdc, T DcState::*field, T failure) {
    Dc *dc = findDc(hdc);
    return dc ? dc->state.*field : failure;
}

// GDI_ERROR, what Windows' text-alignment calls return on failure.
constexpr UINT kGdiError = 0xFFFFFFFFu;

}  // namespace

int WINAPI SetROP2(HDC hdc, int rop2) {
    return setAttribute(hdc, &DcState::rop2, rop2, plat::raster::isValidRop2(rop2), 0);
}
int WINAPI GetROP2(HDC hdc) {
    return getAttribute(hdc, &DcState::rop2, 0);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    return setAttribute(hdc, &DcState::bkMode, mode, mode == TRANSPARENT || mode == OPAQUE, 0);
}
int WINAPI GetBkMode(HDC hdc) {
    return getAttribute(hdc, &DcState::bkMode, 0);
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    return setAttribute<COLORREF>(hdc, &DcState::bkColor, color, true, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) {
    return getAttribute<COLORREF>(hdc, &DcState::bkColor, CLR_INVALID);
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    return setAttribute<COLORREF>(hdc, &DcState::textColor, color, true, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) {
    return getAttribute<COLORREF>(hdc, &DcState::textColor, CLR_INVALID);
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    return setAttribute(hdc, &DcState::textAlign, align, true, kGdiError);
}
UINT WINAPI GetTextAlign(HDC hdc) {
    return getAttribute(hdc, &DcState::textAlign, kGdiError);
}
