// The chart's fonts, in the dialog face the rest of the host uses.
#include "chart/chart_fonts.h"

#include <algorithm>

namespace host {

namespace {

constexpr const char *kFace = "MS Sans Serif";

HFONT makeFont(int height, int weight) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, kFace);
}

}  // namespace

// A negative height asks for the character height, without the leading.
ChartFonts::ChartFonts() : title_(makeFont(-kTitleSize, FW_BOLD)), text_(makeFont(-kTextSize, FW_NORMAL)) {}

int textWidth(HDC dc, const std::string &text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int widestText(HDC dc, const std::vector<std::string> &texts) {
    int widest = 0;
    for (const std::string &text : texts) widest = std::max(widest, textWidth(dc, text));
    return widest;
}

}  // namespace host
