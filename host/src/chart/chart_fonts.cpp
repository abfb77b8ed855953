// The chart's fonts, in the dialog face the rest of the host uses.
#include "chart/chart_fonts.h"

namespace host {

namespace {

constexpr const char *kFace = "MS Sans Serif";
constexpr int kTitleHeight = -15;  // negative: character height in pixels
constexpr int kTextHeight = -12;

HFONT makeFont(int height, int weight) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, kFace);
}

}  // namespace

ChartFonts::ChartFonts() : title_(makeFont(kTitleHeight, FW_BOLD)), text_(makeFont(kTextHeight, FW_NORMAL)) {}

}  // namespace host
