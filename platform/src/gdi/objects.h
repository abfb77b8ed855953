// GDI objects: pens, brushes, fonts and bitmaps behind HGDIOBJ handles.
//
// Objects are shared: the handle table holds one reference and every DC
// state (current or saved) that selects an object holds another. Deleting
// an object that is still selected follows Windows NT: DeleteObject
// succeeds and the handle is dead at once (no new SelectObject or
// GetObject), while the DCs that have it selected go on drawing with it
// until they select something else. Stock objects are never deleted.
#pragma once

#include <memory>
#include <string>

#include <windows.h>

#include "internal/surface.h"
#include "raster/font_engine.h"

namespace plat::gdi {

enum class ObjectKind { Pen, Brush, Font, Bitmap };

struct GdiObject {
    explicit GdiObject(ObjectKind k) : kind(k) {}
    virtual ~GdiObject() = default;

    ObjectKind kind;
    bool stock = false;
    HGDIOBJ handle = nullptr;
};

struct PenObject : GdiObject {
    PenObject() : GdiObject(ObjectKind::Pen) {}
    LOGPEN log{};
    int style() const { return static_cast<int>(log.lopnStyle & 0x0F); }
    int width() const { return log.lopnWidth.x < 1 ? 1 : log.lopnWidth.x; }
};

struct BrushObject : GdiObject {
    BrushObject() : GdiObject(ObjectKind::Brush) {}
    LOGBRUSH log{};
    bool hollow() const { return log.lbStyle == BS_NULL; }
};

struct FontObject : GdiObject {
    FontObject() : GdiObject(ObjectKind::Font) {}
    LOGFONTA log{};
    // The realised face, made on first use.
    raster::FontFace &face();

private:
    std::shared_ptr<raster::FontFace> face_;
};

struct BitmapObject : GdiObject {
    BitmapObject() : GdiObject(ObjectKind::Bitmap) {}
    Surface surface;
    HDC selectedInto = nullptr;  // the memory DC that has it selected, if any
};

HGDIOBJ addObject(std::shared_ptr<GdiObject> object);
std::shared_ptr<GdiObject> findObject(HGDIOBJ handle);
// Removes the table's reference; false when the handle is unknown.
bool removeObject(HGDIOBJ handle);

template <typename T>
std::shared_ptr<T> findObjectAs(HGDIOBJ handle, ObjectKind kind) {
    std::shared_ptr<GdiObject> object = findObject(handle);
    if (!object || object->kind != kind) return nullptr;
    return std::static_pointer_cast<T>(object);
}

// Stock objects (WHITE_BRUSH ... DC_PEN); null for an unknown index.
std::shared_ptr<GdiObject> stockObject(int index);
// The bitmap a new memory DC starts with: 1 x 1, shared by all of them.
std::shared_ptr<BitmapObject> defaultBitmap();
// The stock-like brush of a system colour; null for an unknown index.
std::shared_ptr<BrushObject> sysColorBrush(int index);
// A brush argument that may be a handle or, as FillRect allows, a system
// colour index plus one.
std::shared_ptr<BrushObject> brushFromArgument(HBRUSH brush);

}  // namespace plat::gdi
