// Device contexts: memory DCs draw into a selected bitmap, window DCs into a
// window's surface, found afresh at every drawing call through the window
// manager (internal/draw_target.h) so that a DC outlives moves and resizes.
// There are no mapping modes: logical coordinates are device coordinates.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <windows.h>

#include "gdi/objects.h"
#include "raster/canvas.h"

namespace plat::gdi {

// Everything SaveDC saves.
struct DcState {
    std::shared_ptr<PenObject> pen;
    std::shared_ptr<BrushObject> brush;
    std::shared_ptr<FontObject> font;
    std::shared_ptr<BitmapObject> bitmap;  // memory DCs
    int rop2 = R2_COPYPEN;
    int bkMode = OPAQUE;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    POINT position{0, 0};
    std::optional<RECT> clip;  // IntersectClipRect, logical coordinates
    int64_t dashPhase = 0;     // where the pen's dash pattern resumes at the next LineTo
};

struct Dc {
    bool memory = true;
    HWND hwnd = nullptr;            // window DCs
    bool wholeWindow = false;       // GetWindowDC
    std::optional<RECT> paintClip;  // BeginPaint's update rectangle
    DcState state;
    std::vector<DcState> saved;
};

// A new DC in its default state (BLACK_PEN, WHITE_BRUSH, SYSTEM_FONT, and for
// memory DCs the 1 x 1 default bitmap).
HDC addDc(std::unique_ptr<Dc> dc);
Dc *findDc(HDC hdc);
// Frees a DC and lets go of its objects.
bool removeDc(HDC hdc);

// Where a DC's drawing lands at this moment.
struct DrawSurface {
    raster::Canvas canvas;
    int64_t originX = 0, originY = 0;  // surface position of logical (0, 0)

    int64_t x(int64_t logical) const { return logical + originX; }
    int64_t y(int64_t logical) const { return logical + originY; }
};

// nullopt when there is nothing to draw on (the window is gone, or the
// visible part is empty); drawing calls then succeed and change nothing.
std::optional<DrawSurface> resolveDc(const Dc &dc);
// The pixels a blit may read from a DC: a memory DC's whole bitmap, a
// window DC's visible part; the DC's own clip does not limit reading.
std::optional<DrawSurface> resolveSource(const Dc &dc);

// Makes `bitmap` the current bitmap of a memory DC state (keeping each
// bitmap's record of the DC that holds it).
void setCurrentBitmap(HDC hdc, DcState &state, std::shared_ptr<BitmapObject> bitmap);

}  // namespace plat::gdi
