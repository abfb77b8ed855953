// System colours: the fixed classic palette (Windows Standard scheme) and
// their brushes, which behave as stock objects.
#include <array>

#include "gdi/objects.h"

namespace plat::gdi {

namespace {

constexpr int kSysColorCount = COLOR_INFOBK + 1;

constexpr std::array<COLORREF, kSysColorCount> kSysColors = {
    RGB(192, 192, 192),  // COLOR_SCROLLBAR
    RGB(0, 128, 128),    // COLOR_BACKGROUND (teal desktop)
    RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
    RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(0, 0, 128),      // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),        // COLOR_3DDKSHADOW
    RGB(223, 223, 223),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
};

}  // namespace

std::shared_ptr<BrushObject> sysColorBrush(int index) {
    if (index < 0 || index >= kSysColorCount) return nullptr;
    static std::array<std::shared_ptr<BrushObject>, kSysColorCount> brushes;
    std::shared_ptr<BrushObject> &brush = brushes[static_cast<size_t>(index)];
    if (!brush) {
        stockObject(0);  // keep the stock handles first in the table
        brush = std::make_shared<BrushObject>();
        brush->stock = true;
        brush->log.lbStyle = BS_SOLID;
        brush->log.lbColor = kSysColors[static_cast<size_t>(index)];
        addObject(brush);
    }
    return brush;
}

std::shared_ptr<BrushObject> brushFromArgument(HBRUSH brush) {
    auto value = reinterpret_cast<uintptr_t>(brush);
    if (value >= 1 && value <= kSysColorCount) return sysColorBrush(static_cast<int>(value - 1));
    return findObjectAs<BrushObject>(brush, ObjectKind::Brush);
}

}  // namespace plat::gdi

DWORD WINAPI GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex >= plat::gdi::kSysColorCount) return 0;
    return plat::gdi::kSysColors[static_cast<size_t>(nIndex)];
}

HBRUSH WINAPI GetSysColorBrush(int nIndex) {
    std::shared_ptr<plat::gdi::BrushObject> brush = plat::gdi::sysColorBrush(nIndex);
    return brush ? static_cast<HBRUSH>(brush->handle) : nullptr;
}
