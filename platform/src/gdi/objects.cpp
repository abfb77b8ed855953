// The GDI object table and the object entry points that need no DC:
// DeleteObject, GetObjectA, CreatePen, CreateSolidBrush, CreateFont*.
#include "gdi/objects.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>

#include "internal/handles.h"

namespace plat::gdi {

namespace {

// Values step by 16 from the GDI range and are never reused, like every
// handle kind of the platform (internal/handles.h).
struct ObjectTable {
    uintptr_t next = kGdiHandleBase;
    std::map<uintptr_t, std::shared_ptr<GdiObject>> objects;
};

// Never destroyed, like the DC table (gdi/dc.cpp): objects released at exit
// find it still there.
ObjectTable &table() {
    static ObjectTable &t = *new ObjectTable;
    return t;
}

}  // namespace

raster::FontFace &FontObject::face() {
    if (!face_) face_ = raster::FontFace::get({log.lfHeight, log.lfWeight >= FW_SEMIBOLD, log.lfItalic != 0});
    return *face_;
}

HGDIOBJ addObject(std::shared_ptr<GdiObject> object) {
    ObjectTable &t = table();
    uintptr_t value = t.next;
    t.next += 16;
    object->handle = reinterpret_cast<HGDIOBJ>(value);
    t.objects.emplace(value, std::move(object));
    return reinterpret_cast<HGDIOBJ>(value);
}

std::shared_ptr<GdiObject> findObject(HGDIOBJ handle) {
    auto &objects = table().objects;
    auto it = objects.find(reinterpret_cast<uintptr_t>(handle));
    return it == objects.end() ? nullptr : it->second;
}

bool removeObject(HGDIOBJ handle) {
    return table().objects.erase(reinterpret_cast<uintptr_t>(handle)) != 0;
}

}  // namespace plat::gdi

using namespace plat::gdi;

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    std::shared_ptr<GdiObject> object = findObject(ho);
    if (!object) return FALSE;
    if (object->stock) return TRUE;  // Windows accepts and ignores deleting stock objects
    removeObject(ho);
    return TRUE;
}

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) {
    std::shared_ptr<GdiObject> object = findObject(static_cast<HGDIOBJ>(h));
    if (!object) return 0;
    BITMAP bitmap{};
    const void *data = nullptr;
    int size = 0;
    switch (object->kind) {
        case ObjectKind::Pen:
            data = &static_cast<PenObject &>(*object).log;
            size = sizeof(LOGPEN);
            break;
        case ObjectKind::Brush:
            data = &static_cast<BrushObject &>(*object).log;
            size = sizeof(LOGBRUSH);
            break;
        case ObjectKind::Font:
            data = &static_cast<FontObject &>(*object).log;
            size = sizeof(LOGFONTA);
            break;
        case ObjectKind::Bitmap: {
            // Device-dependent bitmaps: 32 bits per pixel, no pointer to the bits.
            const plat::Surface &s = static_cast<BitmapObject &>(*object).surface;
            bitmap = {0, s.width, s.height, s.width * 4, 1, 32, nullptr};
            data = &bitmap;
            size = sizeof(BITMAP);
            break;
        }
    }
    if (!pv) return size;
    if (c <= 0) return 0;
    int copied = c < size ? c : size;
    std::memcpy(pv, data, static_cast<size_t>(copied));
    return copied;
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
    // PS_ALTERNATE and PS_USERSTYLE need ExtCreatePen; CreatePen refuses them.
    if ((iStyle & 0x0F) > PS_INSIDEFRAME) return nullptr;
    auto pen = std::make_shared<PenObject>();
    pen->log.lopnStyle = static_cast<UINT>(iStyle);
    pen->log.lopnWidth.x = std::abs(cWidth);
    pen->log.lopnColor = color;
    return static_cast<HPEN>(addObject(std::move(pen)));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    auto brush = std::make_shared<BrushObject>();
    brush->log.lbStyle = BS_SOLID;
    brush->log.lbColor = color;
    return static_cast<HBRUSH>(addObject(std::move(brush)));
}

// Every face is drawn with the one font file (raster/font_engine.h). Of the
// LOGFONT, the height, the weight (bold from FW_SEMIBOLD up), italic,
// underline and strike-out take effect; the width, escapement, orientation,
// character set and quality are kept for GetObject only, and text is always
// anti-aliased.
HFONT WINAPI CreateFontIndirectA(const LOGFONTA *lplf) {
    if (!lplf) return nullptr;
    auto font = std::make_shared<FontObject>();
    font->log = *lplf;
    font->log.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(addObject(std::move(font)));
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily,
                         LPCSTR pszFaceName) {
    LOGFONTA lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = static_cast<BYTE>(bItalic != 0);
    lf.lfUnderline = static_cast<BYTE>(bUnderline != 0);
    lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut != 0);
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName) std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}
