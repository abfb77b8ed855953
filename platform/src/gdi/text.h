// Text runs: one line of ANSI text in a DC's font, as TextOutA and DrawTextA
// draw it. Glyphs are blended in the text colour (the ROP2 does not apply
// to text); in OPAQUE mode the run's cell (its advance width by the font's
// height) is first filled with the background colour, as Windows does.
#pragma once

#include <string_view>
#include <vector>

#include "gdi/dc.h"
#include "raster/font_engine.h"

namespace plat::gdi {

// Pen positions of a run: entry i is where character i starts, the last
// entry is the run's width. tabWidth > 0 expands tabs to multiples of it
// (counted from the run's start); otherwise a tab is a control character,
// which has no width.
std::vector<int> runPositions(raster::FontFace &face, std::string_view text, int tabWidth = 0);
int runWidth(raster::FontFace &face, std::string_view text, int tabWidth = 0);

// Draws a run with its cell's top-left corner at logical (x, top).
// underlined, when given, flags characters to underline (mnemonic prefixes).
void drawRun(const DrawSurface &surface, const DcState &state, int64_t x, int64_t top, std::string_view text,
             const std::vector<bool> *underlined = nullptr, int tabWidth = 0);

}  // namespace plat::gdi
