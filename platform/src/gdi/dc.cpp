// The DC table, DC resolution, CreateCompatibleDC, DeleteDC, SelectObject,
// SaveDC and RestoreDC.
#include "gdi/dc.h"

#include <algorithm>

#include "internal/draw_target.h"
#include "internal/handles.h"

namespace plat::gdi {

namespace {

// Never destroyed: on Windows GDI lives outside the process, so a DC or an
// object released by a destructor that runs at exit is still there to release.
HandleTable<Dc> &dcTable() {
    static HandleTable<Dc> &table = *new HandleTable<Dc>(kDcHandleBase);
    return table;
}

void releaseBitmap(HDC hdc, const std::shared_ptr<BitmapObject> &bitmap) {
    if (bitmap && bitmap->selectedInto == hdc) bitmap->selectedInto = nullptr;
}

raster::Box surfaceBox(const Surface &s) {
    return {0, 0, s.width, s.height};
}

}  // namespace

HDC addDc(std::unique_ptr<Dc> dc) {
    dc->state.pen = std::static_pointer_cast<PenObject>(stockObject(BLACK_PEN));
    dc->state.brush = std::static_pointer_cast<BrushObject>(stockObject(WHITE_BRUSH));
    dc->state.font = std::static_pointer_cast<FontObject>(stockObject(SYSTEM_FONT));
    bool memory = dc->memory;
    HDC hdc = dcTable().add<HDC>(std::move(dc));
    if (memory) setCurrentBitmap(hdc, findDc(hdc)->state, defaultBitmap());
    return hdc;
}

Dc *findDc(HDC hdc) {
    return hdc ? dcTable().find(hdc) : nullptr;
}

bool removeDc(HDC hdc) {
    std::unique_ptr<Dc> dc = dcTable().take(hdc);
    if (!dc) return false;
    releaseBitmap(hdc, dc->state.bitmap);
    return true;
}

void setCurrentBitmap(HDC hdc, DcState &state, std::shared_ptr<BitmapObject> bitmap) {
    releaseBitmap(hdc, state.bitmap);
    if (bitmap && !bitmap->stock) bitmap->selectedInto = hdc;
    state.bitmap = std::move(bitmap);
}

namespace {

std::optional<DrawSurface> resolve(const Dc &dc, bool drawing) {
    DrawSurface d;
    if (dc.memory) {
        if (!dc.state.bitmap) return std::nullopt;
        d.canvas.surface = &dc.state.bitmap->surface;
        d.canvas.clip = surfaceBox(*d.canvas.surface);
    } else {
        DrawTarget target;
        if (!windowDrawTarget(dc.hwnd, dc.wholeWindow, target) || !target.surface) return std::nullopt;
        d.canvas.surface = target.surface;
        d.originX = target.originX;
        d.originY = target.originY;
        d.canvas.clip = surfaceBox(*target.surface).intersect(raster::boxFromRect(target.clip));
        if (dc.paintClip && drawing)
            d.canvas.clip =
                d.canvas.clip.intersect(raster::boxFromRect(*dc.paintClip).offset(d.originX, d.originY));
    }
    if (dc.state.clip && drawing)
        d.canvas.clip =
            d.canvas.clip.intersect(raster::boxFromRect(*dc.state.clip).offset(d.originX, d.originY));
    if (d.canvas.clip.empty()) return std::nullopt;
    return d;
}

}  // namespace

std::optional<DrawSurface> resolveDc(const Dc &dc) {
    return resolve(dc, true);
}

std::optional<DrawSurface> resolveSource(const Dc &dc) {
    return resolve(dc, false);
}

}  // namespace plat::gdi

using namespace plat::gdi;

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc && !findDc(hdc)) return nullptr;
    return addDc(std::make_unique<Dc>());
}

// Window DCs are given back with ReleaseDC (or EndPaint), not deleted.
BOOL WINAPI DeleteDC(HDC hdc) {
    Dc *dc = findDc(hdc);
    if (!dc || !dc->memory) return FALSE;
    return removeDc(hdc) ? TRUE : FALSE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    Dc *dc = findDc(hdc);
    std::shared_ptr<GdiObject> object = findObject(h);
    if (!dc || !object) return nullptr;
    DcState &s = dc->state;
    HGDIOBJ previous = nullptr;
    switch (object->kind) {
        case ObjectKind::Pen:
            previous = s.pen->handle;
            s.pen = std::static_pointer_cast<PenObject>(object);
            break;
        case ObjectKind::Brush:
            previous = s.brush->handle;
            s.brush = std::static_pointer_cast<BrushObject>(object);
            break;
        case ObjectKind::Font:
            previous = s.font->handle;
            s.font = std::static_pointer_cast<FontObject>(object);
            break;
        case ObjectKind::Bitmap: {
            // Only memory DCs take bitmaps, and a bitmap is in one DC at a time.
            auto bitmap = std::static_pointer_cast<BitmapObject>(object);
            if (!dc->memory || (bitmap->selectedInto && bitmap->selectedInto != hdc)) return nullptr;
            previous = s.bitmap->handle;
            setCurrentBitmap(hdc, s, std::move(bitmap));
            break;
        }
    }
    return previous;
}

int WINAPI SaveDC(HDC hdc) {
    Dc *dc = findDc(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

// nSavedDC > 0 names a level SaveDC returned; < 0 counts back from the most
// recent save (-1). The states saved after the restored one are dropped.
BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
    Dc *dc = findDc(hdc);
    if (!dc || nSavedDC == 0) return FALSE;
    int count = static_cast<int>(dc->saved.size());
    int level = nSavedDC > 0 ? nSavedDC : count + nSavedDC + 1;
    if (level < 1 || level > count) return FALSE;
    DcState restored = std::move(dc->saved[static_cast<size_t>(level - 1)]);
    dc->saved.resize(static_cast<size_t>(level - 1));
    std::shared_ptr<BitmapObject> bitmap = std::move(restored.bitmap);
    restored.bitmap = dc->state.bitmap;
    dc->state = std::move(restored);
    if (dc->memory) setCurrentBitmap(hdc, dc->state, std::move(bitmap));
    return TRUE;
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    Dc *dc = findDc(hdc);
    if (!dc) return ERROR;
    RECT r{left, top, right, bottom};
    if (dc->state.clip) {
        const RECT &c = *dc->state.clip;
        r = {std::max(c.left, r.left), std::max(c.top, r.top), std::min(c.right, r.right),
             std::min(c.bottom, r.bottom)};
    }
    if (r.right <= r.left || r.bottom <= r.top) r = {0, 0, 0, 0};
    dc->state.clip = r;
    return r.right > r.left ? SIMPLEREGION : NULLREGION;
}
