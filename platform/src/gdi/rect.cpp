// Rectangle helpers. Rectangles are half-open (right and bottom excluded);
// one with right <= left or bottom <= top is empty. Null pointers fail.
// Moving or growing a side past the int range pins it at the range's end.
#include <algorithm>

#include <windows.h>

#include "internal/saturate.h"

namespace {

bool empty(const RECT &r) {
    return r.right <= r.left || r.bottom <= r.top;
}

}  // namespace

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (!lprc) return FALSE;
    *lprc = {xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT lprc) {
    return SetRect(lprc, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT *lprcSrc) {
    if (!lprcDst || !lprcSrc) return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    using plat::addSaturated, plat::subSaturated;
    *lprc = {subSaturated(lprc->left, dx), subSaturated(lprc->top, dy), addSaturated(lprc->right, dx),
             addSaturated(lprc->bottom, dy)};
    return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    using plat::addSaturated;
    *lprc = {addSaturated(lprc->left, dx), addSaturated(lprc->top, dy), addSaturated(lprc->right, dx),
             addSaturated(lprc->bottom, dy)};
    return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT *lprc) {
    return !lprc || empty(*lprc);
}

BOOL WINAPI PtInRect(const RECT *lprc, POINT pt) {
    return lprc && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

// An empty intersection sets the destination to (0, 0, 0, 0) and returns FALSE.
BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT *lprcSrc1, const RECT *lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    RECT r{std::max(lprcSrc1->left, lprcSrc2->left), std::max(lprcSrc1->top, lprcSrc2->top),
           std::min(lprcSrc1->right, lprcSrc2->right), std::min(lprcSrc1->bottom, lprcSrc2->bottom)};
    if (empty(*lprcSrc1) || empty(*lprcSrc2) || empty(r)) {
        *lprcDst = {0, 0, 0, 0};
        return FALSE;
    }
    *lprcDst = r;
    return TRUE;
}

// Empty rectangles take no part; when both are empty the result is
// (0, 0, 0, 0) and the return FALSE.
BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT *lprcSrc1, const RECT *lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    bool e1 = empty(*lprcSrc1), e2 = empty(*lprcSrc2);
    if (e1 && e2) {
        *lprcDst = {0, 0, 0, 0};
        return FALSE;
    }
    if (e1 || e2) {
        *lprcDst = e1 ? *lprcSrc2 : *lprcSrc1;
        return TRUE;
    }
    *lprcDst = {std::min(lprcSrc1->left, lprcSrc2->left), std::min(lprcSrc1->top, lprcSrc2->top),
                std::max(lprcSrc1->right, lprcSrc2->right), std::max(lprcSrc1->bottom, lprcSrc2->bottom)};
    return TRUE;
}

BOOL WINAPI EqualRect(const RECT *lprc1, const RECT *lprc2) {
    if (!lprc1 || !lprc2) return FALSE;
    return lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
           lprc1->bottom == lprc2->bottom;
}
