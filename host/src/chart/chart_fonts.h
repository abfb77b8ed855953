// The fonts a chart is drawn with, and text measured in them. The layout
// measures its margins with the same fonts, so what it reserves is what the
// drawing needs.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "chart/gdi_scope.h"

namespace host {

class ChartFonts {
public:
    // Character heights in pixels (the em size, without the leading).
    static constexpr int kTitleSize = 15;
    static constexpr int kTextSize = 12;

    ChartFonts();
    // The chart title: bold, 15-pixel characters.
    HFONT title() const { return title_.get(); }
    // Axis labels, axis numbers and the legend: 12-pixel characters.
    HFONT text() const { return text_.get(); }

private:
    GdiObject<HFONT> title_;
    GdiObject<HFONT> text_;
};

// Widths in the font selected into the DC; 0 for no texts.
int textWidth(HDC dc, const std::string &text);
int widestText(HDC dc, const std::vector<std::string> &texts);

}  // namespace host
