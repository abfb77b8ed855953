// Stock objects: made together on first use, in a fixed order, so that their
// handle values are the same in every run.
#include <array>
#include <cstring>

#include "gdi/objects.h"

namespace plat::gdi {

namespace {

constexpr int kStockCount = DC_PEN + 1;

std::shared_ptr<GdiObject> stockBrush(COLORREF color, UINT style) {
    auto brush = std::make_shared<BrushObject>();
    brush->log.lbStyle = style;
    brush->log.lbColor = color;
    return brush;
}

std::shared_ptr<GdiObject> stockPen(COLORREF color, UINT style) {
    auto pen = std::make_shared<PenObject>();
    pen->log.lopnStyle = style;
    pen->log.lopnWidth.x = 1;
    pen->log.lopnColor = color;
    return pen;
}

// The faces Windows reports for its stock fonts. All are drawn with the one
// font file; SYSTEM_FONT (every DC's initial font) keeps Windows' bold cell
// height of 16 pixels, the GUI fonts are the 8-point dialog font.
std::shared_ptr<GdiObject> stockFont(const char *face, LONG height, LONG weight, BYTE pitchAndFamily) {
    auto font = std::make_shared<FontObject>();
    font->log.lfHeight = height;
    font->log.lfWeight = weight;
    font->log.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(font->log.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

std::array<std::shared_ptr<GdiObject>, kStockCount> makeStockObjects() {
    std::array<std::shared_ptr<GdiObject>, kStockCount> s;
    s[WHITE_BRUSH] = stockBrush(RGB(255, 255, 255), BS_SOLID);
    s[LTGRAY_BRUSH] = stockBrush(RGB(192, 192, 192), BS_SOLID);
    s[GRAY_BRUSH] = stockBrush(RGB(128, 128, 128), BS_SOLID);
    s[DKGRAY_BRUSH] = stockBrush(RGB(64, 64, 64), BS_SOLID);
    s[BLACK_BRUSH] = stockBrush(RGB(0, 0, 0), BS_SOLID);
    s[NULL_BRUSH] = stockBrush(RGB(0, 0, 0), BS_NULL);
    s[WHITE_PEN] = stockPen(RGB(255, 255, 255), PS_SOLID);
    s[BLACK_PEN] = stockPen(RGB(0, 0, 0), PS_SOLID);
    s[NULL_PEN] = stockPen(RGB(0, 0, 0), PS_NULL);
    s[OEM_FIXED_FONT] = stockFont("Terminal", 12, FW_NORMAL, FIXED_PITCH | FF_MODERN);
    s[ANSI_FIXED_FONT] = stockFont("Courier", 12, FW_NORMAL, FIXED_PITCH | FF_MODERN);
    s[ANSI_VAR_FONT] = stockFont("MS Sans Serif", 12, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
    s[SYSTEM_FONT] = stockFont("System", 16, FW_BOLD, VARIABLE_PITCH | FF_SWISS);
    s[DEVICE_DEFAULT_FONT] = stockFont("System", 16, FW_BOLD, VARIABLE_PITCH | FF_SWISS);
    s[SYSTEM_FIXED_FONT] = stockFont("Fixedsys", 15, FW_NORMAL, FIXED_PITCH | FF_MODERN);
    s[DEFAULT_GUI_FONT] = stockFont("MS Shell Dlg", -11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
    // No SetDCBrushColor/SetDCPenColor here: the DC objects keep their defaults.
    s[DC_BRUSH] = stockBrush(RGB(255, 255, 255), BS_SOLID);
    s[DC_PEN] = stockPen(RGB(0, 0, 0), PS_SOLID);
    // DEFAULT_PALETTE (15) and the unused 9 stay empty: there are no palettes.
    for (auto &object : s)
        if (object) {
            object->stock = true;
            addObject(object);
        }
    return s;
}

const std::array<std::shared_ptr<GdiObject>, kStockCount> &stockObjects() {
    static const auto objects = makeStockObjects();
    return objects;
}

}  // namespace

std::shared_ptr<GdiObject> stockObject(int index) {
    if (index < 0 || index >= kStockCount) return nullptr;
    return stockObjects()[static_cast<size_t>(index)];
}

std::shared_ptr<BitmapObject> defaultBitmap() {
    static const std::shared_ptr<BitmapObject> bitmap = [] {
        stockObjects();  // keep the stock handles first in the table
        auto b = std::make_shared<BitmapObject>();
        b->stock = true;
        b->surface.resize(1, 1, 0);
        addObject(b);
        return b;
    }();
    return bitmap;
}

}  // namespace plat::gdi

HGDIOBJ WINAPI GetStockObject(int i) {
    std::shared_ptr<plat::gdi::GdiObject> object = plat::gdi::stockObject(i);
    return object ? object->handle : nullptr;
}
